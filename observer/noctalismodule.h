// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Texts of the general module: lines with a colon, marker-delimited fields,
// the system time zone, the clock face's hours text and the stored longitude.
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace noctalis {

class MessageService;

// The text after the first ":" of a line, unchanged (may be empty); the empty
// text when the line holds no ":".
QString TextAfterColon(QStringView line);

// The text after the first startMarker, up to (not including) the first
// endMarker after it. Empty when the start marker is missing, when an end
// marker is given and none follows the start marker, or when it follows right
// away. Without an end marker (or with an empty one): everything after the
// start marker. Markers match with case.
QString TextBetween(QStringView text, QStringView startMarker, QStringView endMarker = {});

// Offset of the system clock's local civil time from UT now, hours, east
// positive, daylight saving included, to the minute the system gives: UT+5:30
// gives 5.5, UT+5:45 5.75, UT-3:30 -3.5. 0 when the system cannot say. The
// same source as the engine's GetTimeZone.
double GetSystemTimeZone();

// FormatHoursHMS: the clock face's text of a time in hours.
//
// Given:
//   hours   time, hours, [0, 24]
// Returned (function value):
//   "HH:MM:SS", each field two digits or more
//
// Notes:
//  1. Truncated, never rounded: 23.99999 h gives "23:59:59". The whole
//     seconds of the fraction of an hour are cut once, so a value a hair
//     below a whole minute never shows a negative or a 60 seconds field.
QString FormatHoursHMS(double hours);

// ParseStoredLongitude: the stored longitude setting as a number.
//
// Given:
//   text      a decimal number, or "D:M:S" (degrees, minutes and seconds,
//             each by the leading-number rule; a "-" in front, blanks aside,
//             negates the whole value)
//   messages  where a malformed text is reported
// Returned (function value):
//   degrees, no range check
//
// Notes:
//  1. A colon form is malformed when it starts or ends with a colon, has a
//     single colon or two adjacent ones. It is reported as "Could not
//     interpret as Longitude" / "Use HH:MM:SS or decimal value" under the
//     title "Longitude Error" and gives 0. So is a value beyond the 32-bit
//     float range.
float ParseStoredLongitude(QStringView text, MessageService &messages);

// The value of ParseStoredLongitude without its message: nothing for a text
// that it reports as malformed.
std::optional<float> StoredLongitudeValue(QStringView text);

// WrapWestLongitude: a longitude west taken round the circle.
//
// Given:
//   lngWestDeg   degrees west, any finite value (a negative west or east
//                text gives one below 0 or above 360)
// Returned (function value):
//   the same meridian in [0, 360); a value within [0, 360] is returned as it
//   is, 360 included (the engine takes it as 0)
float WrapWestLongitude(float lngWestDeg);

}  // namespace noctalis
