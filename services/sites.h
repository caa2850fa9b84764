// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Other sites: telescopes and observatories besides the observer's own place,
// whose sidereal time the face can show below the clock's own and the
// calculator and Tonight can be switched to.
//
// The settings key "Sites" keeps them as one text, entries separated by ";"
// and fields by "|":
//   Mauna Kea|155.4681|19.8206;Paranal|70.4042|-24.6272
// name, longitude in degrees west (0 to 360) and latitude in degrees north,
// numbers with "." as the decimal point. A name may hold any character but
// "|" and ";".
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace noctalis {

struct Site {
    QString name;
    double lngWestDeg = 0;  // degrees west of Greenwich, [0, 360)
    double latDeg = 0;      // degrees north, [-90, 90]
    bool operator==(const Site &) const = default;
};

// What a stored Sites text holds.
struct SitesReading {
    QList<Site> sites;    // the entries read, in their order
    QStringList refused;  // the entries that are no site, as stored
};

// readSites: the sites of a stored Sites text.
//
// Given:
//   text  the key's text
// Returned (function value):
//   the sites, and the entries left out: one without three fields, with an
//   empty name, or with a number that is not one or out of range.
//
// Notes:
//  1. Blanks around a name or number are dropped, and so are empty entries
//     (a ";" at the end).
//  2. A longitude from -180 to 360 is taken round the circle into [0, 360);
//     a latitude must lie in [-90, 90]. Numbers are read whole, "." or ","
//     as the decimal point; "1e3" and "12abc" are no numbers.
SitesReading readSites(QStringView text);

// The Sites text of a list of sites: longitudes and latitudes to 1e-6
// degrees (0.1 m), "." as the decimal point. Every name must be storable.
QString sitesText(const QList<Site> &sites);

// Whether a name can be stored: not empty once trimmed, no "|" nor ";".
bool isStorableSiteName(QStringView name);

// siteLmstHours: the local mean sidereal time at a site.
//
// Given:
//   lmstHours        LMST at the observer's place, hours
//   lngWestDeg       the observer's longitude, degrees west
//   siteLngWestDeg   the site's longitude, degrees west
// Returned (function value):
//   LMST at the site, hours [0, 24): the same instant's sidereal time, 1 h
//   earlier for every 15 degrees the site lies west of the observer.
double siteLmstHours(double lmstHours, double lngWestDeg, double siteLngWestDeg);

}  // namespace noctalis
