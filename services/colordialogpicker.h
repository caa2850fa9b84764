// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Colour pickers shown as the platform's colour dialog.
#pragma once

#include "colorpicker.h"

namespace noctalis {

class ColorDialogPicker : public ColorPicker {
public:
    std::optional<QColor> pickColor(const QColor &initial) override;
};

}  // namespace noctalis
