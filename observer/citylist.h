// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The city list ("latlngtz.txt"): places an observer can pick by name,
// grouped into regions. Plain text, one item per line:
//
//   *Europe                     a region: "*" and its name
//   London, United Kingdom      a city: any line holding a ","
//   51.50853                    then latitude, degrees north,
//   0.12574                     longitude, degrees west (0 to 360),
//   0                           standard time zone, hours east of UT, as shown,
//   2                           daylight-saving rule code (0 to 12),
//   Europe/London               and, in lists made since zone ids were added,
//                               the IANA time zone id
//
// A region runs to the next "*" line or the end of the text. The lines
// after a city hold no ",", so they are never taken for cities; a list
// without zone lines reads as before, and a reader that takes four lines
// after a city passes over a zone line as a line that is no city. A city is
// found again by its whole line, compared exactly.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace noctalis {

// A city list is never larger than this; a larger file is refused.
constexpr qint64 kMaxCityListBytes = 16 * 1024 * 1024;

// Where a city of the list lies.
struct CityPlace {
    double latDeg = 0;      // degrees north
    double lngWestDeg = 0;  // degrees west
    QString timeZone;       // the time zone line as it stands
    int dstRule = 0;        // rule code, 0 to kDstRuleCount - 1
    QString zoneId;         // IANA zone, "America/Santiago"; empty for none
};

class CityList {
public:
    // The list in a city list's text. Lines end at CR LF, LF or CR; the
    // empty text after the last line end is no line.
    explicit CityList(QStringView text);

    // The names of the regions, in file order.
    QStringList regions() const;

    // cities: the city lines of a region.
    //
    // Given:
    //   region   a region's name, as regions() gives it
    // Returned (function value):
    //   every line holding a "," from the line "*" region to the next "*"
    //   line or the end of the text, a city line that is the very last line
    //   included; nothing when no line reads "*" region.
    std::optional<QStringList> cities(QStringView region) const;

    // place: where a city lies.
    //
    // Given:
    //   cityLine   a city line, as cities() gives it
    // Returned (function value):
    //   the four lines after the first line equal to cityLine: latitude and
    //   longitude by the leading-number rule, the time zone line unchanged,
    //   the rule by dstRuleCode; the fifth line as zone id when it is one
    //   QTimeZone knows (in a list without zone lines it is the next city or
    //   region, so the id is then empty); nothing when no line equals
    //   cityLine or fewer than four lines follow it.
    std::optional<CityPlace> place(QStringView cityLine) const;

    // search: the cities whose line holds the typed letters.
    //
    // Given:
    //   typed   letters as a person types them
    // Returned (function value):
    //   the city lines of every region that start with typed, then those
    //   that hold it elsewhere, each group in alphabetical order, every line
    //   once; nothing for blank typed.
    //
    // Notes:
    //  1. Letter case and diacritics do not count: "sao" finds "São Paulo",
    //     "ZURICH" finds "Zürich" (see foldedForSearch).
    QStringList search(QStringView typed) const;

private:
    QStringList lines_;
    // The city lines, once each, with their folded text; made at the first
    // search.
    struct SearchEntry {
        QString line;
        QString folded;
    };
    mutable QList<SearchEntry> searchEntries_;
};

// A text as the city search compares it: decomposed (NFKD), without its
// combining marks, case folded; blanks around it dropped.
QString foldedForSearch(QStringView text);

// readCityList: the city list of a file.
//
// Given:
//   path   the city list file
// Returned:
//   function value  the list; nothing when the file cannot be read, is no
//                   regular file or is larger than kMaxCityListBytes
//   error           then what went wrong
//
// Notes:
//  1. The text is Windows-1252 or UTF-8, as filetext.h reads it.
std::optional<CityList> readCityList(const QString &path, QString *error = nullptr);

// The city list of a file for a window that offers it; a file that cannot be
// read gives nothing and one skipped-step line in noctalis.observer.
std::optional<CityList> readCityListForPicking(const QString &path);

}  // namespace noctalis
