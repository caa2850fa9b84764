// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// AlarmCheck: the alarm step of the clock tick. Closes the windows of alarms
// whose active time is over and re-arms them, tests every armed alarm
// against the LMST and fires those that are due, in index order.
#pragma once

#include "alarmactions.h"
#include "alarmqueue.h"
#include "backgroundstep.h"

#include <QDateTime>

#include <map>
#include <optional>

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
    //     line in noctalis.alarms when this begins (not one at every check).
    //  5. A due alarm's action goes into queue() and runs from there: a few
    //     at once, in this check, the rest in later turns of the event loop.
    //     An alarm that expires while its action still waits loses it.
    //  6. A late check, more than kLateTickSeconds of UT after the one
    //     before, also looks at the LMST the clock did not show: every
    //     enabled alarm that is not fired and whose whole window began and
    //     ended in that span is reported once through reportMissed, with one
    //     warning line each in noctalis.alarms, and is not carried out. An
    //     alarm whose window is still open fires as usual, once.
    void run();

    // A tick passed without a check (alarms off, a menu dialog open): what
    // fell due meanwhile was not missed, and the next check is not late.
    void pause() { m_lastUt.reset(); }

    // The actions of fired alarms that have not run yet.
    AlarmQueue &queue() { return m_queue; }

    // The most UT between two checks, seconds, that is not a late tick.
    static constexpr qint64 kLateTickSeconds = 2;

private:
    void fire(const AlarmDef &alarm);
    void reportMissed(const QList<const AlarmDef *> &missed);

    AlarmTable &m_alarms;
    const Clock &m_clock;
    AlarmHost &m_host;
    AlarmActions &m_actions;
    RepeatedStep m_readLmst{lcAlarms, "read the LMST"};
    // Per alarm name: the end of an activation that cannot be computed.
    std::map<QString, RepeatedStep> m_endSteps;
    std::optional<QDateTime> m_lastUt;  // of the last check
    AlarmQueue m_queue;
};

}  // namespace noctalis
