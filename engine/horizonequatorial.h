// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Conversion between equatorial and horizon coordinates (plain C++, no Qt).
#pragma once

namespace ephemkit {

// ArcSin: arcsine that never fails.
//
// Given:   x   sine, any double
// Returned (function value): radians in [-pi/2, pi/2]
// Notes:
//  1. |x| >= 1 gives sign(x) * 1.570796326794895 (rounding slightly beyond
//     +-1 stays defined); otherwise atan(x / sqrt(1 - x^2)).
double ArcSin(double x);

// ArcCos: 1.570796327 - ArcSin(x), radians in about [0, pi].
//
// Notes:
//  1. The constant is pi/2 to nine decimals, as written; ArcCos(0) is
//     1.570796327, so a result of 90 degrees reads 90.0000000118.
double ArcCos(double x);

// Which way HorizonEquatorial converts.
enum class Conversion {
    EquatorialToHorizon,  // reads RA, Dec; writes Alt, Az
    HorizonToEquatorial,  // reads Alt, Az; writes RA, Dec
};

// The four coordinates HorizonEquatorial reads and writes.
struct SkyPosition {
    double raHours = 0;  // right ascension, hours; written in [0, 24]
    double decDeg = 0;   // declination, degrees
    double altDeg = 0;   // altitude, degrees
    double azDeg = 0;    // azimuth, degrees from north through east; written in [0, 360]
};

// HorizonEquatorial: one spherical step that serves both directions.
//
// Given:
//   latDeg     observer latitude, degrees, north positive
//   lmstHours  local mean sidereal time, hours (the longitude enters only here)
//   pos        the input pair of the chosen direction
//   direction  Conversion::EquatorialToHorizon or HorizonToEquatorial
// Returned:
//   pos        the output pair of the direction; the input pair unchanged
//
// Notes:
//  1. Equatorial to horizon: H = LMST - RA hours, plus 24 while negative;
//     A = H * 15 degrees, B = Dec. Horizon to equatorial: A = Az, B = Alt.
//     Then x = sin B sin(lat) + cos B cos(lat) cos A; P = 1.570796327 when x
//     is exactly 1, else ArcSin(x); d = cos P cos(lat) floored at 1e-20;
//     Q = ArcCos((sin B - sin(lat) x) / d), and 6.283185308 - Q when
//     sin A > 0.
//  2. Outputs: Alt = P, Az = Q in degrees (minus 360 while above 360); or
//     Dec = P and RA = LMST - Q/15 brought into [0, 24].
//  3. Because one step serves both ways, an object west of the meridian
//     gets an azimuth above 180 degrees and an eastern horizon position an
//     hour angle above 12 h.
//  4. The clamp of ArcSin and the floor of d keep the result defined at the
//     poles and the zenith: at latitude 90 the azimuth is near 0 or 180.
//
// Reference: the spherical triangle pole-zenith-object; Smart, Textbook on
// Spherical Astronomy (1977), ch. II.
void HorizonEquatorial(double latDeg, double lmstHours, SkyPosition &pos, Conversion direction);

}  // namespace ephemkit
