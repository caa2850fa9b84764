// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// SiderealAlarms: the alarms of the clock program put together. Reads the
// LMST, longitude and time fields of the clock window, checks the alarm
// table at every tick the clock window allows, and opens the alarm windows;
// a notice is also shown as a desktop notification when a notifier is given,
// withdrawn when the notice closes and, at the latest, when this ends.
#pragma once

#include "alarmcheck.h"
#include "alarmwindows.h"
#include "appcontext.h"
#include "notifier.h"
#include "notifyingactions.h"

#include <memory>

namespace noctalis {

class ClockWindow;

class SiderealAlarms {
public:
    // Hooks the check into the clock window's tick. launcher and sounds
    // default to starting real processes and playing real sounds; without a
    // notifier, notices show in their windows only.
    SiderealAlarms(ClockWindow &clockWindow, AppContext context, ProgramLauncher *launcher = nullptr,
                   AlarmWindows::SoundFactory sounds = {}, Notifier *notifier = nullptr);
    ~SiderealAlarms();

    SiderealAlarms(const SiderealAlarms &) = delete;
    SiderealAlarms &operator=(const SiderealAlarms &) = delete;

    AlarmWindows &windows() { return m_windows; }
    NoticeSnoozes &snoozes() { return m_actions.snoozes(); }

private:
    class ClockWindowHost : public AlarmHost {
    public:
        explicit ClockWindowHost(ClockWindow &clockWindow) : m_clockWindow(clockWindow) {}
        double lmstHours() override;
        QVariant engineLng() override;
        QString expandTimeFields(const QString &text) override;

    private:
        ClockWindow &m_clockWindow;
    };

    ClockWindow &m_clockWindow;
    ClockWindowHost m_host;
    ProcessLauncher m_processLauncher;
    AlarmWindows m_windows;
    NotifyingActions m_actions;
    AlarmCheck m_check;
};

}  // namespace noctalis
