// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Latitude and longitude texts: degrees as "D:MM:SS.S" and back.
//
// Longitudes here are degrees west of Greenwich (an east longitude e is held
// as 360 - e); latitudes degrees, north positive.
#pragma once

#include <QString>

namespace noctalis {

// The invalid-angle marker of ParseLatitude and ParseLongitude.
constexpr float kInvalidAngle = -999.0f;

// ValDecimal: a decimal text with "," or "." as the point.
//
// Given and returned:
//   text   every "," is replaced by "." in the caller's text (an empty text
//          is left alone)
// Returned (function value):
//   the leading-number value of the text; 0 for an empty text
double ValDecimal(QString &text);

// FormatLatitude: a latitude as text.
//
// Given:
//   latDeg   latitude, degrees, north positive (finite)
// Returned (function value):
//   "D:MM:SS.S": "-" when south (also for -0, as ParseLatitude gives for
//   "-0:00"), whole degrees unpadded, two-digit minutes, seconds with one
//   decimal (40.5 gives "40:30:00.0", -0.5 "-0:30:00.0")
//
// Notes:
//  1. Seconds are rounded half away from zero to the tenth; 59.95 seconds
//     and more carry into the minutes, 60 minutes into the degrees.
//  2. A value that lies a hair below a whole minute is lifted onto it, by
//     less than 0.03 arc-seconds, so the tenth shown is always the rounded
//     one.
//  3. A carry that reaches the pole shows the pole: 89.99999999 gives
//     "90:00:00.0", -89.99999999 "-90:00:00.0".
QString FormatLatitude(double latDeg);

// FormatLongitude: a longitude as text.
//
// Given:
//   lngWestDeg   longitude, degrees west (finite)
// Returned (function value):
//   "D:MM:SS.S" as FormatLatitude; a carry that reaches 360 degrees wraps to
//   0 (359.9999999 gives "0:00:00.0", 75.999999 "76:00:00.0")
QString FormatLongitude(double lngWestDeg);

// ParseLatitude: a latitude text as degrees.
//
// Given and returned:
//   text   "D", "D:M" or "D:M:S"; trimmed in the caller's text, and in the
//          decimal form its "," replaced by "." (ValDecimal)
// Returned (function value):
//   degrees, north positive, or kInvalidAngle
//
// Notes:
//  1. Decimal form: the number with its own sign and either decimal point;
//     no range check.
//  2. Colon forms: the magnitudes of degrees and minutes are rounded to whole
//     numbers (ties to even), the last field is a decimal with either point;
//     a "-" in front makes the whole value south, also for less than a
//     degree ("-0:30" gives -0.5). Outside [-90, 90] gives kInvalidAngle.
//  3. A whole field beyond the 16-bit range counts as 0. A value beyond the
//     32-bit float range gives kInvalidAngle in either form.
float ParseLatitude(QString &text);

// ParseLongitude: a longitude text as degrees west.
//
// Given and returned:
//   text   "D", "D:M" or "D:M:S", optionally with "-" or "+" in front;
//          trimmed in the caller's text
// Returned (function value):
//   degrees west, or kInvalidAngle
//
// Notes:
//  1. Decimal form: the leading-number value with its sign ("75,5" gives
//     75, "-75" gives -75); no range check.
//  2. Colon forms: degrees and minutes rounded to whole numbers (ties to
//     even), the last field a decimal with either point. A "-" in front
//     counts the value from 360 ("-75:30:00" gives 284.5). Outside [0, 360]
//     gives kInvalidAngle.
//  3. A whole field beyond the 16-bit range counts as 0. A value beyond the
//     32-bit float range gives kInvalidAngle in either form.
float ParseLongitude(QString &text);

}  // namespace noctalis
