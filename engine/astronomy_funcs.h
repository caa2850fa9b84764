// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Unit helpers of the engine's coordinate routines (plain C++, no Qt).
//
// Every helper uses pi = 3.14159265358979 exactly as written
// (kPiOfUnitHelpers), so that the conversions of the horizon/equatorial
// routine and the planet layer give the same doubles everywhere (degrees to
// radians is the double 0.017453292519943278, radians to degrees
// 57.29577951308238).
#pragma once

#include "astroconst.h"

#include <cmath>

namespace ephemkit {

// Degrees to radians: x * pi / 180.
inline constexpr double degreesToRadians(double deg) { return deg * kPiOfUnitHelpers / 180; }

// Radians to degrees: x * 180 / pi.
inline constexpr double radiansToDegrees(double rad) { return rad * 180 / kPiOfUnitHelpers; }

// Hours of right ascension or hour angle to degrees: x * 15.
inline constexpr double hoursToDegrees(double hours) { return hours * 15; }

// Degrees to hours: x / 15.
inline constexpr double degreesToHours(double deg) { return deg / 15; }

// Hours to radians: hours to degrees, then degrees to radians.
inline constexpr double hoursToRadians(double hours) { return degreesToRadians(hoursToDegrees(hours)); }

// Radians to hours: radians to degrees, then degrees to hours.
inline constexpr double radiansToHours(double rad) { return degreesToHours(radiansToDegrees(rad)); }

// Hours brought into [0, 24): the remainder of a division by 24, plus 24
// when negative. A negative remainder so small that adding 24 rounds to 24
// gives 0, so the result is never 24. Right ascensions and sidereal times of
// the riset, the almanac and the apparent sidereal time all go through it.
inline double wrapHours24(double hours)
{
    double h = std::fmod(hours, 24.0);
    if (h < 0)
        h += 24;
    if (h >= 24)
        h -= 24;
    return h;
}

}  // namespace ephemkit
