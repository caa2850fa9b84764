// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "windowroles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace noctalis {

namespace {

// Asked for each class of a widget from the most derived one up; dialogs,
// menus and the like are answered on the way, so whatever reaches plain
// QWidget as a top-level window is one of the program's own windows.
QAccessibleInterface *windowRole(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !widget->isWindow() || className != QLatin1String("QWidget"))
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void installWindowRoles()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(windowRole);
    installed = true;
}

}  // namespace noctalis
