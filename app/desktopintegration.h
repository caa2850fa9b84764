// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// DesktopIntegration: the clock on the desktop beyond its own windows: its
// icon, its tray icon, and desktop notifications of fired notice alarms.
// The tray icon and the notifications are on unless the settings turn them
// off ("TrayIcon" and "Notifications" = "False" in [Settings]). The icon is
// the icon theme's icon of the program when the theme has one, otherwise
// the one built into it.
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

private:
    // The windows get their icon in the turn of the event loop after the
    // clock window's first paint: decoding the drawings and reading the
    // icon theme's index took longer than the rest of the window's start.
    // The tray, shown with the window, makes it at once.
    const QIcon &icon();
    void setIcons();

    QIcon m_icon;                                // null until first needed
    std::unique_ptr<QObject> m_afterFirstPaint;  // watches the clock window until then
    std::unique_ptr<ClockTray> m_tray;
    std::unique_ptr<DBusNotifier> m_notifier;
};

}  // namespace noctalis
