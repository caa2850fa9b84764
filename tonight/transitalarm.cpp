// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "transitalarm.h"

#include "alarmfile.h"
#include "alarmtable.h"

#include <cmath>

namespace noctalis {

double TransitAlarmLmstHours(double raHours, double offsetHours)
{
    double seconds = std::round(std::fmod(raHours + offsetHours, 24.0) * 3600);
    if (seconds < 0)
        seconds += 86400;
    if (seconds >= 86400 || seconds == 0)
        seconds = seconds >= 86400 ? seconds - 86400 : 0.0;  // and never -0
    return seconds / 3600;
}

AlarmDef TransitAlarm(const QString &name, double lmstHours, const QString &message)
{
    AlarmDef alarm;
    alarm.Action = kActionMessageBox;
    alarm.SiderealTime = lmstHours / 24;
    alarm.Name = name;
    alarm.Enabled = true;
    alarm.Param1 = message;
    alarm.Duration = kTransitAlarmDurationDays;
    return alarm;
}

std::optional<int> AddAlarm(AlarmTable &table, const AlarmDef &alarm)
{
    int index = 0;
    if (!table.isPlaceholder()) {
        if (table.size() >= kMaxAlarms)
            return std::nullopt;
        table.resize(table.size() + 1);
        index = table.lastIndex();
    }
    AlarmDef &record = table[index];
    const bool triggered = record.Triggered;
    const std::optional<QDateTime> until = record.TriggeredUntil;
    record = alarm;
    record.Triggered = triggered;
    record.TriggeredUntil = until;
    table.setModified(true);
    return index;
}

}  // namespace noctalis
