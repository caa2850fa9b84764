// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "dialogparent.h"

#include <QApplication>
#include <QWidget>

namespace noctalis {

QWidget *dialogParent(QWidget *fallback)
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    return fallback;
}

}  // namespace noctalis
