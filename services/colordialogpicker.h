// Colour pickers shown as the platform's colour dialog.
#pragma once

#include "colorpicker.h"

namespace noctalis {

class ColorDialogPicker : public ColorPicker {
public:
    std::optional<QColor> pickColor(const QColor &initial) override;
};

} // namespace noctalis
