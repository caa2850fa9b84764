// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The observer file (".obs"): where an observer stands, as seven lines and
// an optional eighth, each one field written as a double-quoted string,
// every line ended by CR LF:
//
//   "40.7000007629395"      latitude, degrees north
//   "74.0059967041016"      longitude, degrees west
//   "-5"                    time zone, hours east of UT, as typed
//   "New York, USA"         location description
//   "1"                     daylight-saving rule code, 0 to 12
//   ""                      reserved text, carried from file to file
//   "10"                    elevation, metres, as typed
//   "America/New_York"      IANA time zone id; only when the place has one
//
// Readers that know seven lines stop before the eighth; a file without it
// holds a fixed time zone, the third line.
//
// Numbers the program writes use "." as the decimal point whatever the
// locale; files whose numbers use "," read the same. The text is
// Windows-1252 when every character fits that code page and UTF-8 otherwise
// (see filetext.h).
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace noctalis {

// An observer file is never larger than this; a larger file is refused.
constexpr qint64 kMaxObserverFileBytes = 64 * 1024;

// The seven fields of an observer file, as text.
struct ObserverFileFields {
    QString latitude;   // degrees north: decimal, "D:M" or "D:M:S"
    QString longitude;  // degrees west: decimal, "D:M" or "D:M:S"
    QString timeZone;   // hours east of UT
    QString location;   // free description
    QString dstRule;    // rule code
    QString reserved;   // not used; kept from a loaded file for the next save
    QString elevation;  // metres above sea level
    QString zoneId;     // IANA time zone id; empty for none
};

// What an observer file holds, as numbers.
struct ObserverFileValues {
    double latDeg = 0;         // degrees north; 0 for a colon form beyond +-90
    double lngWestDeg = 0;     // degrees west; 0 for a colon form beyond 0..360
    double timeZoneHours = 0;  // hours east of UT
    QString location;
    int dstRule = 0;  // 0 to kDstRuleCount - 1
    QString reserved;
    double elevationM = 0;  // metres
    QString zoneId;         // a zone id QTimeZone knows, else empty
};

// readObserverFields: the fields of an observer file's bytes.
//
// Given:
//   bytes   the whole file
// Returned:
//   function value  the fields; nothing when the file holds fewer than
//                   three fields
//   error           then "Input past end of file."
//
// Notes:
//  1. Field input: blanks and tabs before a field are skipped; a field that
//     starts with a double quote runs to the next double quote (or the end
//     of the line), and whatever follows it up to the next "," or line end
//     is passed over; any other field runs to the next "," or line end,
//     trailing blanks cut. A "," or a line end (CR LF, LF or CR) ends a
//     field, so an unquoted line holding a comma gives two fields.
//  2. Fields 1 to 3 must be there; fields 4 to 8 are read each only while
//     bytes are left, a missing one counts as empty text.
//  3. No field holds a line break or, read from quotes, a double quote.
std::optional<ObserverFileFields> readObserverFields(const QByteArray &bytes, QString *error = nullptr);

// observerFileValues: the numbers of an observer file's fields.
//
// Given:
//   fields   as readObserverFields gives them
// Returned (function value):
//   latitude by ParseLatitude and longitude by ParseLongitude, the invalid
//   marker -999 read as 0; time zone and elevation by ValDecimal; the rule
//   by dstRuleCode of its leading-number value (0 when out of range);
//   location and reserved text as they are; the zone id when
//   QTimeZone::isTimeZoneIdAvailable knows it, else empty.
//
// Notes:
//  1. "," counts as the decimal point in every number, the longitude's
//     included, so files written where "," is the decimal separator keep
//     their fractions. Every value is finite.
ObserverFileValues observerFileValues(const ObserverFileFields &fields);

// readObserverFile: readObserverFields, then observerFileValues.
std::optional<ObserverFileValues> readObserverFile(const QByteArray &bytes, QString *error = nullptr);

// writeObserverFile: the bytes of an observer file.
//
// Given:
//   fields   the texts to write, in file order
// Returned (function value):
//   seven lines, and an eighth for a zone id that is not empty; each field
//   between double quotes as it is, CR LF after each
//
// Notes:
//  1. A line break in a field is written as a blank, so the file keeps its
//     lines. A double quote inside a field is written as it is and ends the
//     field when the file is read again.
QByteArray writeObserverFile(const ObserverFileFields &fields);

}  // namespace noctalis
