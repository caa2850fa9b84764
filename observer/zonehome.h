// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Where a time zone's principal city lies, from the tz database's own
// tables, so that a first start can place the observer where the system's
// clock says the user lives.
#pragma once

#include <QString>

#include <optional>

namespace noctalis {

// The folder of the system's tz database.
inline constexpr char kSystemZoneInfoDir[] = "/usr/share/zoneinfo";

// A zone's principal city.
struct ZoneHome {
    double latDeg = 0;      // degrees north
    double lngWestDeg = 0;  // degrees west, [0, 360)
    QString name;           // the city part of the zone id, "_" as blanks: "Santiago"
};

// zoneHome: the principal city of an IANA time zone.
//
// Given:
//   zoneId       an IANA zone id, "America/Santiago"; a link name such as
//                "Asia/Calcutta" stands for the zone it links to
//   zoneInfoDir  the tz database folder: zone1970.tab, zone.tab, tzdata.zi
// Returned (function value):
//   the coordinates the zone's line in zone1970.tab gives, else in zone.tab,
//   and the city part of the zone's id; nothing for "UTC", "Etc/..." and
//   other zones no line lists, and when neither table can be read
//
// Notes:
//  1. The tables are tab-separated: country codes, coordinates, zone id,
//     comments; "#" starts a comment line. The coordinates are ISO 6709,
//     +-DDMM+-DDDMM or +-DDMMSS+-DDDMMSS, east positive; a line whose
//     coordinates are neither is passed over.
//  2. A zone id that no table lists is looked up among the links of
//     tzdata.zi ("L zone link") and its zone is taken, once.
//  3. Each file read is at most kMaxZoneTableBytes long.
std::optional<ZoneHome> zoneHome(const QString &zoneId,
                                 const QString &zoneInfoDir = QString::fromLatin1(kSystemZoneInfoDir));

// A tz database table is never larger than this; a larger file is not read.
constexpr qint64 kMaxZoneTableBytes = 4 * 1024 * 1024;

}  // namespace noctalis
