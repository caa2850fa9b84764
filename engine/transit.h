// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Meridian transits of fixed positions, the Sun and the Moon (plain C++).
//
// Which transit routine for what: these give the engine object's
// NextTransit (fixed positions and planets by sidereal arithmetic with
// kUtDaysPerSiderealDay, the Sun and the Moon by a search to the second).
// For almanac-grade transits (apparent sidereal time, 0.01 s) use AlmanacDay
// and AlmanacAt (almanac.h); for rising and setting, sunmoonriseset.h and
// riset.h (RiseDate/SetDate) or AlmanacDay.
#pragma once

namespace ephemkit {

// DaysToTransit: time from a sidereal time to the next meridian passage.
//
// Given:   lmstHours  local mean sidereal time now, hours
//          raHours    right ascension of the target, hours, [0, 24)
//          lower      true for the lower transit (target RA + 12 h)
// Returned (function value): days, [0, 0.9972695677)
// Notes:
//  1. (target - LMST) * 0.9972695677 / 24 solar days, plus one sidereal day
//     (0.9972695677 days) when negative. A target equal to the LMST gives 0.
double DaysToTransit(double lmstHours, double raHours, bool lower);

// TransitElevation: Dec + 90 - lat, degrees: the elevation of the upper
// transit counted from the south point of the horizon over the zenith
// (above 90 when the transit passes north of the zenith).
double TransitElevation(double decDeg, double latDeg);

// The transit a Sun or Moon search found.
struct TransitFound {
    double utDate = 0;   // automation date, UT
    double raHours = 0;  // the body's right ascension at that instant
    double decDeg = 0;   // its declination
};

// SunTransit / MoonTransit: the next upper transit of the Sun or the Moon.
//
// Given:   startUtDate  automation date, UT
//          lngWestDeg   longitude, degrees west (rounded to single precision first)
// Returned (function value): the transit instant and the body's place there
// Notes:
//  1. t = start. While RA < LMST: t += (24 - LMST) * 0.997279513 / 24 days,
//     just past the next 0h of sidereal time. Then, while RA > LMST:
//     t += (RA - LMST) / 24 days. The search never goes back to the first
//     loop; it ends as soon as RA <= LMST.
//  2. Positions from SunMoonPosition, LMST from LocalMeanSiderealTime (whole
//     seconds), so the result is the first second at which the body's RA is
//     no longer ahead of the LMST: within a few seconds of the transit.
//  3. Guard: a loop also ends when its step no longer changes t (the LMST
//     is taken to whole seconds, so a difference below the resolution of t
//     would otherwise repeat forever), and after 1000 steps.
//  4. Steps are added on the continuous line of days
//     (automation::continuousDays), so they run forward before 1899-12-30
//     too; the result is an automation date.
TransitFound SunTransit(double startUtDate, double lngWestDeg);
TransitFound MoonTransit(double startUtDate, double lngWestDeg);

}  // namespace ephemkit
