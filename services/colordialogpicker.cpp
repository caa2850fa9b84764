// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "colordialogpicker.h"

#include "dialogparent.h"

#include <QColorDialog>

namespace noctalis {

std::optional<QColor> ColorDialogPicker::pickColor(const QColor &initial)
{
    const QColor chosen = QColorDialog::getColor(initial, dialogParent());
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

}  // namespace noctalis
