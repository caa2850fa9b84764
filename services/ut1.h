// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// UT1 for the clock: Universal Time moved by DUT1 = UT1 - UTC as the IERS
// publishes it, so that sidereal time follows the Earth's rotation to the
// tenth of a second instead of the second.
#pragma once

#include "astroconst.h"

namespace noctalis {

class SettingsStore;

// The IERS keeps |UT1 - UTC| below 0.9 s.
constexpr double kDut1LimitSeconds = 0.9;

// Seconds of sidereal time per UT second, as the engine's LMST counts them.
constexpr double kSiderealSecondsPerUtSecond = ephemkit::kSiderealPerUtLmst;

// msecsToNextSiderealSecond: how long until a running sidereal time next
// passes a whole second.
//
// Given:   hours  a sidereal time now, hours
// Returned (function value):
//   UT milliseconds until it reaches its next whole second, rounded up:
//   1 to 998 (a sidereal second lasts 997.27 ms of UT).
int msecsToNextSiderealSecond(double hours);

// True for a DUT1 the clock takes: a number with |seconds| < 0.9.
bool isValidDut1(double seconds);

// readDut1Setting: the "DUT1" key of the settings, seconds (default "0").
//
// Notes:
//  1. Read by the leading-number rule; a value outside (-0.9, 0.9) is read
//     as 0, with one line in the log category noctalis.settings.
double readDut1Setting(const SettingsStore &store);

// Ut1Reading: the UT1 of one clock tick as the engine takes it, and the part
// of a second the engine leaves out.
//
// Given:
//   utDate       automation date, UT (UTC), to the millisecond
//   dut1Seconds  UT1 - UTC, seconds, |dut1| < 0.9
// Returned:
//   engineUtDate  UT1 cut to the whole second: what the engine's UTDate gets
//                 (its LMST reads whole seconds of UT)
//   remainderSeconds  UT1 - engineUtDate, seconds, [0, 1)
//
// Notes:
//  1. DUT1 = 0 and a whole second give engineUtDate = utDate exactly and no
//     remainder, so every figure stays as without UT1.
//  2. For automation dates from 1899-12-30 on (non-negative).
struct Ut1Reading {
    Ut1Reading(double utDate, double dut1Seconds);

    // A sidereal time read for engineUtDate, moved on by the remainder at
    // 1.002737908 sidereal seconds per UT second and kept in [0, 24): the
    // sidereal time of UT1 itself.
    double sidereal(double hours) const;

    double engineUtDate = 0;
    double remainderSeconds = 0;
};

}  // namespace noctalis
