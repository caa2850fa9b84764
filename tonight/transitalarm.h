// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// A sidereal alarm for a meridian transit, and adding an alarm to the live
// table the way the alarm editor does.
#pragma once

#include "alarmdef.h"

#include <optional>

namespace noctalis {

class AlarmTable;

// TransitAlarmLmstHours: the LMST at which a transit alarm rings.
//
// Given:
//   raHours      right ascension of the object at its crossing, hours
//   offsetHours  hour-angle offset, sidereal hours (-0.5: half an hour
//                before the crossing)
// Returned (function value):
//   raHours + offsetHours brought into [0, 24) and rounded to the whole
//   second, so the alarm editor shows exactly the time stored (a value that
//   rounds to 24:00:00 is 0)
double TransitAlarmLmstHours(double raHours, double offsetHours);

// How long a transit alarm's notice stays up, days (ten minutes).
constexpr double kTransitAlarmDurationDays = 10.0 / 1440;

// TransitAlarm: an ordinary enabled notice alarm ("Message Box") named name
// at lmstHours, with message as its text and a duration of ten minutes.
AlarmDef TransitAlarm(const QString &name, double lmstHours, const QString &message);

// AddAlarm: puts an alarm into the table as the alarm editor's Add does:
// at index 0 while the table is only the placeholder (one record without a
// name), otherwise appended. Run-time fields of a reused record stay as they
// are. Returns the index, or nothing when the table already holds the
// 32768 alarms an alarm file can hold.
std::optional<int> AddAlarm(AlarmTable &table, const AlarmDef &alarm);

}  // namespace noctalis
