// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Font pickers shown as Qt's own font dialog.
#pragma once

#include "fontpicker.h"

namespace noctalis {

// Qt's font dialog rather than the desktop's, because only Qt's own can be
// held to the size limits of a request: a size above them cannot be typed,
// one typed below them is raised to the lower limit, and one listed outside
// them (a bitmap font's) comes back as the nearest limit.
class FontDialogPicker : public FontPicker {
public:
    std::optional<FontChoice> pickFont(const FontPickRequest &request) override;
};

}  // namespace noctalis
