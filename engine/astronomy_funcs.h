// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Unit helpers of the engine's coordinate routines (plain C++, no Qt).
//
// Every helper uses pi = 3.14159265358979 exactly as written, so that the
// conversions of the horizon/equatorial routine and the planet layer give
// the same doubles everywhere (degrees to radians is the double
// 0.017453292519943278, radians to degrees 57.29577951308238).
#pragma once

namespace ephemkit {

// pi as the coordinate routines use it (14 decimals, not M_PI).
inline constexpr double kPi = 3.14159265358979;

// Degrees to radians: x * pi / 180.
inline constexpr double degreesToRadians(double deg) { return deg * kPi / 180; }

// Radians to degrees: x * 180 / pi.
inline constexpr double radiansToDegrees(double rad) { return rad * 180 / kPi; }

// Hours of right ascension or hour angle to degrees: x * 15.
inline constexpr double hoursToDegrees(double hours) { return hours * 15; }

// Degrees to hours: x / 15.
inline constexpr double degreesToHours(double deg) { return deg / 15; }

// Hours to radians: hours to degrees, then degrees to radians.
inline constexpr double hoursToRadians(double hours)
{
    return degreesToRadians(hoursToDegrees(hours));
}

// Radians to hours: radians to degrees, then degrees to hours.
inline constexpr double radiansToHours(double rad)
{
    return degreesToHours(radiansToDegrees(rad));
}

} // namespace ephemkit
