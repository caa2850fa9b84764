// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "windowroles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>
#include <QWidget>

namespace noctalis {

namespace {

QAccessibleInterface *windowRole(const QString &className, QObject *object)
{
    static const QStringList windows{QStringLiteral("noctalis::ClockWindow"),
                                     QStringLiteral("noctalis::SiderealCalculator"),
                                     QStringLiteral("noctalis::TonightWindow"),
                                     QStringLiteral("noctalis::SenderWindow"), QStringLiteral("noctalis::AlarmNotice")};
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !widget->isWindow() || !windows.contains(className))
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
