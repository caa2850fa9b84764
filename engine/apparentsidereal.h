// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Apparent sidereal time: the mean sidereal time moved by the equation of
// the equinoxes (plain C++, no Qt).
#pragma once

namespace ephemkit {

// EquationOfEquinoxesSeconds: the nutation in right ascension.
//
// Given:
//   utDate   automation date (days from 1899-12-30 0h), UT
// Returned (function value):
//   the equation of the equinoxes, seconds of time: delta psi cos(eps) / 15
//   with delta psi in arcseconds; within about +-1.2 s
//
// Notes:
//  1. Nutation in longitude delta psi and the true obliquity eps = eps0 +
//     delta eps come from libnova's IAU 1980 nutation (ln_get_nutation),
//     the theory the planet layer applies to planet places (nut_eq).
//  2. The complementary terms of the IAU 1994 definition, 0.00264" sin(Omega)
//     + 0.000063" sin(2 Omega), are left out: together at most 0.00018 s.
//  3. The argument is taken as given (UT); taking TT instead moves the result
//     by less than 1e-5 s. Its Julian date comes from automation::julianDateOf,
//     so dates before 1899-12-30 are the instants they name.
//
// Reference: J. Meeus, Astronomical Algorithms 2nd ed. (1998), ch. 12 and
//   example 12.a (1987 April 10, 0h UT: -0.2317 s); Explanatory Supplement
//   to the Astronomical Almanac (1992), 2.24.
double EquationOfEquinoxesSeconds(double utDate);

// LocalApparentSiderealTime: the LMST of the engine plus the equation of the
// equinoxes.
//
// Given:
//   utDate      automation date, UT (the clock fields are whole seconds, as
//               LocalMeanSiderealTime takes them)
//   lngWestDeg  observer longitude, degrees west, [0, 360)
// Returned (function value):
//   local apparent sidereal time, hours, [0, 24)
//
// Notes:
//  1. LocalMeanSiderealTime(utDate, lngWestDeg) + EquationOfEquinoxesSeconds
//     / 3600, brought into [0, 24): the difference from the LMST of the same
//     instant is the equation of the equinoxes, nothing else.
double LocalApparentSiderealTime(double utDate, double lngWestDeg);

// ApparentSiderealHours: local apparent sidereal time of a UT instant, with
// the fractions of a second kept (for searches in time).
//
// Given:
//   utDays      days from 1899-12-30 0h UT on the continuous line
//               (automation::continuousDays of an automation date), any
//               fraction
//   lngWestDeg  observer longitude, degrees west
// Returned (function value):
//   local apparent sidereal time, hours, [0, 24)
//
// Notes:
//  1. Greenwich mean sidereal time 280.46061837 + 360.98564736629 d +
//     0.000387933 T^2 - T^3 / 38710000 degrees, d days and T centuries from
//     J2000.0 (UT): the IAU 1982 expression, the same as the engine's LMST
//     polynomial but continuous in time. Plus the equation of the equinoxes,
//     minus the longitude.
//
// Reference: J. Meeus, Astronomical Algorithms 2nd ed. (1998), eq. 12.4.
double ApparentSiderealHours(double utDays, double lngWestDeg);

}  // namespace ephemkit
