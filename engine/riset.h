// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Rising and setting of a fixed position, closed form (plain C++, no Qt).
//
// Which rise/set routine for what: riset, turned into UT by SiderealToUT,
// gives the engine object's RiseDate/SetDate of planets and fixed positions
// (the centre on the mathematical horizon, kGeometricHorizonDeg); the Sun
// and the Moon, which move too fast for one place, get theirs from the
// minute search (sunmoonriseset.h) on the same horizon. For almanac-grade
// times (upper limb, refraction 34', to 0.01 s) use AlmanacDay (almanac.h).
#pragma once

namespace ephemkit {

// What riset found.
enum RisetStatus : int {
    kRisesAndSets = 0,
    kNeverSets = 1,    // circumpolar: above the horizon all day
    kNeverRises = -1,  // below the horizon all day
};

// riset: local sidereal times and azimuths of rising and setting.
//
// Given:
//   ra    right ascension, radians
//   dec   declination, radians
//   lat   observer latitude, radians
//   dis   how far below the mathematical horizon the event is counted,
//         radians (0.0: the centre on the horizon, no refraction)
// Returned:
//   lstr, lsts  local sidereal time of rising and of setting, hours, [0, 24)
//   azr, azs    azimuth of rising and of setting, radians from north
//               through east, [0, 2 pi)
//   status      kRisesAndSets, kNeverSets or kNeverRises
// Notes:
//  1. cos H = (-sin dis - sin lat sin dec) / (cos lat cos dec); the
//     semi-diurnal arc H gives LST = ra -+ H; cos A = (sin dec + sin lat
//     sin dis) / (cos lat cos dis) gives the rising azimuth A (east of the
//     meridian) and the setting azimuth 2 pi - A.
//  2. A position that never rises or never sets (|cos H| > 1, or the pole
//     where cos lat cos dec is 0) gets status kNeverRises or kNeverSets and
//     leaves all four times and azimuths as they were.
//  3. Hours from radians with pi = 3.14159265358979, the value callers use
//     to convert into radians, so the round trip is exact.
// Reference: Smart, Textbook on Spherical Astronomy (1977), ch. II; Meeus,
//   Astronomical Algorithms 2nd ed., eq. 15.1.
void riset(double ra, double dec, double lat, double dis, double *lstr, double *lsts, double *azr, double *azs,
           int *status);

}  // namespace ephemkit
