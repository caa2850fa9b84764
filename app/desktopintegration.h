// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// DesktopIntegration: the clock on the desktop beyond its own windows: its
// icon, its tray icon, and desktop notifications of fired notice alarms.
// The tray icon and the notifications are on unless the settings turn them
// off ("TrayIcon" and "Notifications" = "False" in [Settings]).
#pragma once

#include <QIcon>

#include <memory>

namespace noctalis {

class ClockTray;
class DBusNotifier;
class ClockWindow;
class Notifier;
class SettingsStore;

class DesktopIntegration {
public:
    // Reads the two switches and makes what they turn on.
    DesktopIntegration(ClockWindow &clockWindow, const SettingsStore &settings);
    ~DesktopIntegration();
    DesktopIntegration(const DesktopIntegration &) = delete;
    DesktopIntegration &operator=(const DesktopIntegration &) = delete;

    // Null when the setting turns them off.
    ClockTray *tray() const { return m_tray.get(); }
    Notifier *notifier() const;

    // The icon theme's icon of the program, or the one built into it.
    static QIcon applicationIcon();

private:
    std::unique_ptr<ClockTray> m_tray;
    std::unique_ptr<DBusNotifier> m_notifier;
};

}  // namespace noctalis
