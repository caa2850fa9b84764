// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Sidereal time routines of the engine (plain C++, no Qt).
#pragma once

namespace ephemkit {

// LocalMeanSiderealTime: local mean sidereal time of a UT instant.
//
// Given:
//   utDate      automation date (days from 1899-12-30 0h), UT
//   lngWestDeg  observer longitude, degrees west of Greenwich, [0, 360)
// Returned:
//   lmstHours   local mean sidereal time, hours, [0, 24]
//
// Notes:
//  1. The time of day enters as whole seconds: the fraction of utDate is
//     rounded to the millisecond, then cut to the second.
//  2. The polynomial is the IAU 1982 expression of Greenwich mean sidereal
//     time at 0h UT; the rate 1.002737908 sidereal seconds per UT second is
//     used as written. The intermediate value is reduced only while it is
//     strictly above 24 h, so an exact 24.0 stays 24.0.
//  3. Bounded work: the sidereal time at 0h UT (polynomial plus constant
//     term) is brought into [0, 86400] s in a single jump of whole days,
//     which the 24 h steps of the hour value would take off in any case; the
//     hour value then needs at most one step.
//  4. A utDate that is no automation date (automation::isAutomationDate:
//     NaN, the infinities, before year 100, after year 9999) gives NaN.
//
// Reference: Aoki et al., "The new definition of universal time", A&A 105
// (1982) 359; Explanatory Supplement to the Astronomical Almanac (1992) 2.24.
void LocalMeanSiderealTime(double utDate, double lngWestDeg, double &lmstHours);

namespace detail {
// ReduceSiderealHours for values outside [0, 48) and NaN.
double reduceFarSiderealHours(double hours);
}  // namespace detail

// The reduction of the sidereal time of day: whole 24 h steps while the
// value is strictly above 24, then while it is below 0. An exact 24.0 stays.
// Inline for the clock's values (a day's sidereal start plus the time of
// day, below 48 h): one step at most, no division.
inline double ReduceSiderealHours(double hours)
{
    if (hours >= 0 && hours < 48)
        return hours > 24 ? hours - 24 : hours;
    return detail::reduceFarSiderealHours(hours);
}

// Convenience form returning the LMST in hours.
double localMeanSiderealTime(double utDate, double lngWestDeg);

// SiderealToUT: the first UT instant of utDate's UT day at which the local
// mean sidereal time is lmstHours.
//
// Given:
//   lmstHours   local mean sidereal time, hours, [0, 24)
//   utDate      automation date of any instant of the wanted UT day
//   lngWestDeg  observer longitude, degrees west
// Returned (function value):
//   automation date, UT
//
// Notes:
//  1. No iteration: 0.997269567 UT hours per sidereal hour, from the LMST at
//     0h UT of the day. An LMST within about 3 min 56 s after that of 0h UT
//     occurs twice in the day; the earlier instant is returned.
//  2. A utDate that is no automation date gives NaN.
//  3. The time of day is added on the continuous line of days
//     (automation::automationDateOf), so before 1899-12-30 the result lies
//     in the same day too.
double SiderealToUT(double lmstHours, double utDate, double lngWestDeg);

}  // namespace ephemkit
