// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// AlarmCheck: the alarm step of the clock tick. Closes the windows of alarms
// whose active time is over and re-arms them, tests every armed alarm
// against the LMST and fires those that are due, in index order.
#pragma once

#include "alarmactions.h"
#include "backgroundstep.h"

namespace noctalis {

class AlarmTable;
class Clock;
struct AlarmDef;

class AlarmCheck {
public:
    AlarmCheck(AlarmTable &alarms, const Clock &clock, AlarmHost &host, AlarmActions &actions);

    // run: one check, as the tick runs it when alarms are on and no menu
    // dialog is open.
    //
    // Notes:
    //  1. Nothing happens while record 0 has an empty Name (the placeholder
    //     table), whatever the later records hold.
    //  2. For every index in order: expiry (Triggered and UT (the clock's
    //     UTC) later than TriggeredUntil: close the windows tagged with Name,
    //     Triggered = false); then, for an enabled alarm that is not
    //     triggered, the due test AlarmDue(SiderealTime, Duration, LMST/24);
    //     a due alarm is marked Triggered, its action runs and TriggeredUntil
    //     = UT + Duration (days), whatever the action and whether it
    //     succeeded.
    //  3. Actions by code: below 2 a notice (code 1 plays Param2 when it names
    //     a wave file, beeps otherwise); 2 starts Param1, minimised when
    //     Param2 holds a "Y"; 3 opens a TCP sender; other codes nothing.
    //  4. A step that fails (a field that does not convert, an engine call
    //     that throws) is skipped and the check goes on with the next one.
    //     When the LMST cannot be read no alarm is due in this check; expiry
    //     still runs, and the log gets one line while the reading keeps
    //     failing the same way. A due alarm whose end (UT + Duration) is no
    //     date of years 100 to 9999 is not fired and stays armed, with one
    //     line in noctalis.alarms.
    void run();

private:
    void fire(const AlarmDef &alarm);

    AlarmTable &m_alarms;
    const Clock &m_clock;
    AlarmHost &m_host;
    AlarmActions &m_actions;
    RepeatedStep m_readLmst{lcAlarms, "read the LMST"};
};

} // namespace noctalis
