// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// What the application owns and hands to its windows.
#pragma once

#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include <functional>

namespace noctalis {

class AlarmTable;
class Clock;
class MessageService;
class SettingsStore;
struct ObserverExchange;
struct Preferences;

struct AppContext {
    Preferences &prefs;
    AlarmTable &alarms;
    SettingsStore &settings;
    MessageService &messages;
    const Clock &clock;
    ObserverExchange &observer;
    // The class the windows create their engines from.
    QString engineProgId = QStringLiteral("Ephemlib.Ephemkit");
    // Hands a page to the desktop's handler (the browser); false when none
    // took it.
    std::function<bool(const QUrl &)> openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
};

}  // namespace noctalis
