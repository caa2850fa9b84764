// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// What the application owns, for tests that build windows: a settings store
// in a temporary folder, the shared preferences, the alarm table, recorded
// messages and a clock that shows what it is told.
#pragma once

#include "alarmtable.h"
#include "appcontext.h"
#include "clock.h"
#include "messageservice.h"
#include "observerexchange.h"
#include "preferences.h"
#include "settingsstore.h"

#include <QTemporaryDir>

struct AppParts {
    QTemporaryDir dir;
    noctalis::SettingsStore settings{dir.filePath(QStringLiteral("noctalis1.ini"))};
    noctalis::Preferences prefs;
    noctalis::AlarmTable alarms;
    noctalis::RecordingMessageService messages;
    noctalis::ManualClock clock;
    noctalis::ObserverExchange observer;

    noctalis::AppContext context(const QString &engineProgId = QStringLiteral("Ephemlib.Ephemkit"))
    {
        return noctalis::AppContext{prefs, alarms, settings, messages, clock, observer, engineProgId};
    }
};
