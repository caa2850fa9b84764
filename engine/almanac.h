// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Rising, meridian transit and setting as almanacs give them, and where a
// target stands now (plain C++, no Qt).
//
// Which rise/set routine for what: AlmanacDay for almanac-grade times (the
// upper limb of the Sun and the Moon, standard refraction, the Moon's
// parallax, to 0.01 s; the times to print for an observer, comparable with
// published almanacs). The engine object's RiseDate/SetDate keep their own definition,
// the centre on the mathematical horizon to the minute: the minute search
// (sunmoonriseset.h) for the Sun and the Moon, riset (riset.h) for the rest;
// NextTransit uses transit.h. Refraction and semi-diameters: astroconst.h.
#pragma once

#include "almanacplace.h"

namespace ephemkit {

// What a target does in a span of one day.
enum AlmanacStatus : int {
    kAlmanacRisesOrSets = 0,  // at least one rising or setting in the day
    kAlmanacAlwaysUp = 1,     // above its rising altitude the whole day
    kAlmanacNeverRises = -1,  // below its rising altitude the whole day
};

// A rising or setting.
struct AlmanacEvent {
    bool found = false;  // false: none in the day (the fields below mean nothing)
    double utDate = 0;   // automation date, UT
    double azDeg = 0;    // azimuth, degrees from north through east, [0, 360)
};

// The almanac of one target for one day.
struct AlmanacDayEvents {
    int status = kAlmanacRisesOrSets;
    AlmanacEvent rise;          // the first rising in the day
    AlmanacEvent set;           // the first setting in the day
    bool transitFound = false;  // an upper transit in the day
    double transitUtDate = 0;   // the first upper transit, automation date, UT
    double transitAltDeg = 0;   // altitude then, degrees (see AlmanacNow::altDeg)
};

// AlmanacDay: rising, upper transit and setting of a target in one day.
//
// Given:
//   target       the body or fixed place
//   startUtDate  start of the day, automation date, UT (local midnight for a
//                local date); the day is [start, start + 1)
//   latDeg       observer latitude, degrees, north positive
//   lngWestDeg   observer longitude, degrees west
//   nodes        the planets' nodes kept between calls (PlanetDayNodes), or
//                null (the same results either way)
// Returned (function value): the day's events; status kAlmanacAlwaysUp or
//   kAlmanacNeverRises when there is no rising and no setting in the day,
//   never a time
//
// Notes:
//  1. Rising and setting: the geocentric altitude of the centre crosses the
//     target's standard altitude (StandardAltitudeDeg: the upper limb of the
//     Sun and the Moon, the Moon's parallax included, the centre of anything
//     else; standard refraction 34'). Azimuths at those instants.
//  2. Hour angle from the local apparent sidereal time (ApparentSiderealHours)
//     and the apparent right ascension of date.
//  3. The altitude is sampled every hour and at the upper and lower transits
//     (the extremes of the altitude), so no rising or setting between two
//     samples goes unseen; each crossing is then narrowed by regula falsi
//     (Illinois) to 0.01 s of the model. Accuracy against PyEphem: see
//     tests/data/almanac_reference.csv and its test.
//  4. The transit altitude is topocentric for the Moon (parallax in
//     altitude), geocentric otherwise, without refraction.
//  5. An event within a few seconds of the ends of the day may fall on
//     either side, as in any almanac.
//  6. Dates before 1899-12-30 are the instants they name: the search runs on
//     automation::continuousDays and its results come back through
//     automation::automationDateOf (as for AlmanacAt).
//
// Reference: J. Meeus, Astronomical Algorithms 2nd ed. (1998), ch. 13 and 15;
//   Explanatory Supplement to the Astronomical Almanac (1992), 9.31 and 9.33.
AlmanacDayEvents AlmanacDay(const AlmanacTarget &target, double startUtDate, double latDeg, double lngWestDeg,
                            PlanetDayNodes *nodes = nullptr);

// Where a target stands at one instant, and its meridian transits around it.
struct AlmanacNow {
    double raHours = 0;            // apparent geocentric right ascension, hours, [0, 24)
    double decDeg = 0;             // apparent geocentric declination, degrees
    double altDeg = 0;             // altitude of the centre, degrees: topocentric for the
                                   // Moon, no refraction
    double azDeg = 0;              // azimuth, degrees from north through east, [0, 360)
    bool up = false;               // risen: above its standard altitude (as AlmanacDay counts)
    double lastTransitUtDate = 0;  // the latest upper transit at or before the instant
    double nextTransitUtDate = 0;  // the first upper transit after the instant
};

// AlmanacAt: the place of a target at a UT instant and its upper transits
// just before and after it.
//
// Given:
//   target, latDeg, lngWestDeg, nodes  as for AlmanacDay
//   utDate                      automation date, UT
// Returned (function value): see AlmanacNow
//
// Notes:
//  1. The transits are found from the hour angle at utDate by Newton steps
//     on the hour angle, to 0.01 s of the model; for the Moon they lie about
//     24 h 50 min apart, for fixed places one sidereal day.
//  2. Topocentric altitude of the Moon: h - p cos h, p its horizontal
//     parallax (Meeus ch. 40, to about 1").
AlmanacNow AlmanacAt(const AlmanacTarget &target, double utDate, double latDeg, double lngWestDeg,
                     PlanetDayNodes *nodes = nullptr);

}  // namespace ephemkit
