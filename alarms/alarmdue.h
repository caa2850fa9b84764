// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The rules the alarm check applies to one alarm: when it is due, and how
// its parameters choose between sound and beep, minimised and normal.
#pragma once

#include <QString>

namespace noctalis {

// AlarmDue: whether the local mean sidereal time lies inside an alarm's
// window [siderealTimeDays, siderealTimeDays + durationDays).
//
// Given:
//   siderealTimeDays  start of the window, LMST as a fraction of a sidereal
//                     day, [0, 1)
//   durationDays      length of the window, days (sidereal days here)
//   lmstDays          the LMST now, fraction of a sidereal day, [0, 1]
// Returned (function value):
//   true when the alarm is due.
//
// Notes:
//  1. A window whose end lies past 1 runs over sidereal midnight: it is the
//     union of [siderealTimeDays, 1] and [0, siderealTimeDays + durationDays
//     - 1). A duration of 1 or more therefore holds every LMST.
//  2. A duration of 0 or less gives an empty window: never due.
//  3. Pure: no state, no clock.
bool AlarmDue(double siderealTimeDays, double durationDays, double lmstDays);

// True when a sound parameter names a wave file: it holds ".WAV" in any
// letter case.
bool IsWaveFile(const QString &soundParam);

}  // namespace noctalis
