// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Rise and set of the Sun and the Moon by a one-minute search (plain C++).
//
// Which rise/set routine for what:
//  - these searches: the engine object's RiseDate/SetDate of the Sun and the
//    Moon, to the minute: the first whole minute at which the centre is no
//    longer on its starting side of the mathematical horizon
//    (kGeometricHorizonDeg: geocentric, no refraction, no semi-diameter);
//  - riset (riset.h) with SiderealToUT: the same RiseDate/SetDate for
//    planets and fixed places, closed form on the same horizon;
//  - AlmanacDay (almanac.h): almanac-grade times to 0.01 s (upper limb,
//    refraction, the Moon's parallax), the ones to show as "sunrise";
//  - transit.h: the meridian passages of NextTransit.
// The horizon, refraction and semi-diameters are those of astroconst.h.
#pragma once

namespace ephemkit {

// Rise and set of one UT day. Fields the search did not reach keep the
// values the caller put in (the engine presets 0).
struct RiseSet {
    double riseDate = 0;   // automation date UT; -1.0: no rise found in the day
    double setDate = 0;    // automation date UT; -1.0: no set found in the day
    double riseAzDeg = 0;  // degrees from north through east; -1 with a missing rise after a set
    double setAzDeg = 0;   // degrees from north through east
};

// SunRiseSet / MoonRiseSet: first rise and set of the UT day of utDate.
//
// Given:   utDate      any instant of the wanted UT day (automation date)
//          latDeg      observer latitude, degrees
//          lngWestDeg  longitude, degrees west
// Given and returned:  rs  the four results (see RiseSet)
// Notes:
//  1. t runs from 0h UT of the day in steps of 1/1440 day; at each step the
//     place comes from SunMoonPosition, the LMST from LocalMeanSiderealTime,
//     altitude and azimuth from HorizonEquatorial (geocentric, centre of the
//     disk, no refraction: the threshold is altitude 0 exactly).
//  2. Below the horizon at 0h: search the rise, then the set after it;
//     otherwise (altitude 0 counts as up) the set, then the rise. An event
//     is found at the first step whose altitude is no longer on the starting
//     side, so a time is at most one minute after the true crossing.
//  3. First event not found by the end of the day: its date -1.0 and no
//     second search. Second not found: a missing set gives setDate -1.0
//     (azimuth untouched); a missing rise gives riseDate and riseAzDeg -1.
//  4. Minutes at which the altitude cannot yet have reached 0 are passed
//     over unevaluated: from an altitude a the body needs at least |a| / r
//     minutes to reach the horizon, r being a proven bound of the altitude's
//     rate (see sunmoonriseset.cpp). Only whole minutes of the same grid are
//     evaluated, so every result is the very double of the minute-by-minute
//     search below; at latitude 40 about 30 positions are computed instead
//     of up to 1441.
//  5. A utDate that is no automation date (automation::isAutomationDate)
//     gives NaN in all four results and computes nothing.
//  6. The minutes run forward from 0h on the continuous line of days
//     (automation::automationDateOf), before 1899-12-30 as after it.
void SunRiseSet(double utDate, double latDeg, double lngWestDeg, RiseSet &rs);
void MoonRiseSet(double utDate, double latDeg, double lngWestDeg, RiseSet &rs);

// The same searches evaluating every minute of the day (up to 1441
// positions): the definition the two above must reproduce exactly.
void SunRiseSetEveryMinute(double utDate, double latDeg, double lngWestDeg, RiseSet &rs);
void MoonRiseSetEveryMinute(double utDate, double latDeg, double lngWestDeg, RiseSet &rs);

}  // namespace ephemkit
