// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// ClockTray: the clock in the desktop's tray. Its tooltip shows the LMST of
// the clock window's last tick, its menu is the clock window's right-click
// menu, and a click brings the clock window up. It is shown while the clock
// window is, when the desktop has a tray.
#pragma once

#include <QObject>
#include <QSystemTrayIcon>

#include <functional>

namespace noctalis {

class ClockWindow;

class ClockTray : public QObject {
    Q_OBJECT

public:
    // makeIcon: the icon, asked for when the tray first shows it, unless
    // setIcon gave one before.
    ClockTray(ClockWindow &clockWindow, std::function<QIcon()> makeIcon);

    // Shows the icon when the desktop has a tray; false when it has none.
    bool showIfAvailable();

    const QSystemTrayIcon &icon() const { return m_icon; }
    void setIcon(const QIcon &icon) { m_icon.setIcon(icon); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void followTick();
    void activate(QSystemTrayIcon::ActivationReason reason);

    ClockWindow &m_clockWindow;
    std::function<QIcon()> m_makeIcon;
    QSystemTrayIcon m_icon;
};

}  // namespace noctalis
