// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The computations of the Tonight window: for each object, its day as
// almanacs give it and where it stands now, from an engine object by member
// name (AlmanacDay, AlmanacPlace and their properties).
#pragma once

#include "automationobject.h"

#include <QList>
#include <QString>

#include <optional>

namespace noctalis {

// The body number of a target of one's own (the engine's fixed place).
constexpr int kFixedPlace = -1;

// What a row is about.
struct TonightObject {
    QString name;
    int body = kFixedPlace;  // the engine's body number (10 Sun, 11 Moon, 0 to 6 Mercury to Neptune)
    double raHours = 0;      // fixed place: right ascension of date, hours
    double decDeg = 0;       // fixed place: declination of date, degrees
};

// The observer, the day and the instant.
struct TonightSky {
    double latDeg = 0;      // degrees north
    double lngWestDeg = 0;  // degrees west, [0, 360)
    double dayStartUt = 0;  // local midnight of the local date, automation date, UT
    double nowUt = 0;       // now, automation date, UT
};

// One row: the engine's results for one object.
struct TonightRow {
    TonightObject object;
    int status = 0;                // 0 rises or sets, 1 always up, -1 never rises
    std::optional<double> riseUt;  // automation dates, UT; nothing: none in the day
    std::optional<double> riseAzDeg;
    std::optional<double> transitUt;
    std::optional<double> transitAltDeg;
    std::optional<double> setUt;
    std::optional<double> setAzDeg;
    double altDeg = 0;  // now
    double azDeg = 0;
    bool up = false;           // risen now
    double lastTransitUt = 0;  // upper transits around now
    double nextTransitUt = 0;
};

// ComputeTonight: one row per object, in the order given.
//
// Notes:
//  1. Sets the engine's lat and LNG, then per object PlanetNum (and RA and
//     Dec for a fixed place), AlmanacDay(dayStartUt) and AlmanacPlace(nowUt).
//  2. Throws automation::AutomationError when the engine fails (no engine).
QList<TonightRow> ComputeTonight(automation::Object &engine, const TonightSky &sky,
                                 const QList<TonightObject> &objects);

// The apparent right ascension of an object at a UT instant (its crossing),
// hours; a fixed place gives its own. Throws like ComputeTonight.
double RightAscensionAt(automation::Object &engine, const TonightSky &sky, const TonightObject &object, double utDate);

}  // namespace noctalis
