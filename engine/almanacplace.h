// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Places of a target for the almanac: apparent geocentric right ascension and
// declination, horizontal parallax and the altitude at which the target rises
// and sets, over a span of time (plain C++, no Qt). AlmanacDay and AlmanacAt
// (almanac.h) follow a target through them; the engine object's
// RiseDate/SetDate do not (sunmoonriseset.h, riset.h).
#pragma once

#include "bodies.h"
#include "planets.h"

#include <array>
#include <cstdint>
#include <memory>

namespace ephemkit {

// What the almanac follows: a body of the engine, or a fixed place.
struct AlmanacTarget {
    int body = kNoBody;  // 0 to 7 Mercury to Pluto, kSun, kMoon; kNoBody: the place below
    double raHours = 0;  // fixed place: right ascension, hours, equator and equinox of date
    double decDeg = 0;   // fixed place: declination, degrees
};

// True for the bodies the almanac knows (0 to 7, kSun, kMoon) and kNoBody.
bool isAlmanacTarget(int body);

// One place of a target.
struct AlmanacPlace {
    double raHours = 0;         // apparent geocentric right ascension, hours, [0, 24)
    double decDeg = 0;          // apparent geocentric declination, degrees
    double parallaxDeg = 0;     // equatorial horizontal parallax, degrees (the Moon; 0 otherwise)
    double standardAltDeg = 0;  // geocentric altitude of the centre at rising and setting, degrees
};

// StandardAltitudeDeg: altitude of the centre at an almanac's rising or setting.
//
// Given:
//   body         body number (kSun, kMoon, anything else)
//   parallaxDeg  the Moon's horizontal parallax, degrees
// Returned (function value):
//   degrees, geocentric, of the centre of the body when its apparent upper
//   limb (Sun and Moon) or its centre (planets, fixed places) is on the
//   horizon seen through the standard refraction
//
// Notes:
//  1. Sun -0 deg 50' (refraction 34', semi-diameter 16'); Moon 0.7275 pi -
//     34' (parallax less the semi-diameter 0.2725 pi, refraction 34');
//     anything else -34'. Meeus, Astronomical Algorithms 2nd ed. (1998),
//     ch. 15; Explanatory Supplement (1992) 9.31. The refraction and the
//     semi-diameters are astroconst.h's (kHorizonRefractionArcmin,
//     kSunSemiDiameterArcmin, kMoonRadiusEarthRadii).
double StandardAltitudeDeg(int body, double parallaxDeg);

// AlmanacTrack: the places of one target through time.
//
// Every instant here is UT in days from 1899-12-30 0h on the continuous line
// (automation::continuousDays of an automation date), so that spans can be
// added and compared before 1899-12-30 as after it.
//
// Notes:
//  1. Sun and Moon: SunMoonPosition taken at TT = UT + Delta T (its series
//     are series in dynamical time), whole seconds; the Moon's parallax is
//     asin(6378.14 km / distance). The Sun's parallax (8.8") is left in the
//     standard altitude.
//  2. Planets: nodes at 0h UT of whole days (PlanetDayNodes), the place
//     between them by cubic (four-node Lagrange) interpolation of right
//     ascension (unwrapped) and declination over the two nodes before and
//     the two after the instant: within 0.8" of PlanetPosition for Mercury,
//     0.01" for Venus to Neptune (1900-2050). A node costs about one
//     evaluation of the planet's series, the interpolation nothing. Nodes
//     are taken as the instants need them, so any instant may be asked for.
//  3. A fixed place is the same at every instant.
//  4. The nodes depend on the day alone, so a day's almanac and the place
//     of a moment share them, and the places are the same whether the nodes
//     come from a PlanetDayNodes kept between calls or a fresh one.
class AlmanacTrack {
public:
    // Places of target; nodes: where the planets' nodes are kept between
    // tracks, or null (the track keeps its own).
    explicit AlmanacTrack(const AlmanacTarget &target, PlanetDayNodes *nodes = nullptr);

    AlmanacPlace at(double utDays) const;

private:
    AlmanacTarget m_target;
    std::unique_ptr<PlanetDayNodes> m_ownNodes;
    PlanetDayNodes *m_nodes = nullptr;
    // The four nodes last interpolated between: RA (hours, unwrapped), Dec
    // (degrees) from the day m_windowDay on.
    mutable std::int64_t m_windowDay = 0;
    mutable bool m_haveWindow = false;
    mutable std::array<std::array<double, 2>, 4> m_window{};
};

}  // namespace ephemkit
