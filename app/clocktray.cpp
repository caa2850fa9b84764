// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "clocktray.h"

#include "clockwindow.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>

#include <utility>

namespace noctalis {

ClockTray::ClockTray(ClockWindow &clockWindow, std::function<QIcon()> makeIcon)
    : m_clockWindow(clockWindow), m_makeIcon(std::move(makeIcon))
{
    m_icon.setContextMenu(m_clockWindow.optionsMenu());
    followTick();
    // The clock window connected its tick to its timer when it was made, so
    // this runs after each tick, with the LMST the tick has just shown.
    connect(m_clockWindow.timer(), &QTimer::timeout, this, &ClockTray::followTick);
    connect(&m_icon, &QSystemTrayIcon::activated, this, &ClockTray::activate);
    m_clockWindow.installEventFilter(this);
}

bool ClockTray::showIfAvailable()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    if (m_icon.icon().isNull())
        m_icon.setIcon(m_makeIcon());
    m_icon.show();
    return true;
}

void ClockTray::followTick()
{
    const QString tip = tr("LMST %1").arg(m_clockWindow.clockLabel()->text());
    if (tip != m_icon.toolTip())
        m_icon.setToolTip(tip);
}

void ClockTray::activate(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::Trigger && reason != QSystemTrayIcon::DoubleClick)
        return;
    m_clockWindow.bringToFront();
}

bool ClockTray::eventFilter(QObject *watched, QEvent *event)
{
    // The icon is there while the clock window is: closed (not minimised),
    // the clock window is hidden.
    if (watched == &m_clockWindow) {
        if (event->type() == QEvent::Show)
            showIfAvailable();
        else if (event->type() == QEvent::Hide && !m_clockWindow.isVisible())
            m_icon.hide();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace noctalis
