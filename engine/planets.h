// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The planet layer of the engine: apparent places of Mercury to Pluto built
// on libnova, with the calls, order and units the engine has always used
// (plans, ab_ecl, ecl_eq, nut_eq). Plain C++, no Qt.
//
// Day number mj: days from 1899 December 31, 15:00 UT (JD 2415020.125), so
// that mj = automation date - 1.625 names the same instant. All angles are
// radians in and out.
//
// libnova keeps per-body caches in globals: call from one thread at a time
// (the engine object is used from its creating thread only).
#pragma once

#include "continuoustime.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>

namespace ephemkit {

// JD (UT) of day number 0.
inline constexpr double kPlanetDayNumberEpochJd = 2415020.125;

// Automation date to the planet layer's day number: the date on the
// continuous line of days (automation::continuousDays) less 1.625.
inline double planetDayNumber(double utDate) { return automation::continuousDays(utDate) - 1.625; }

// The years over which a planet's theory holds, UT, whole years of the
// proleptic Gregorian calendar, both included.
struct TheoryYears {
    int first;
    int last;
};

// VSOP87 (Bretagnon and Francou, A&A 202 (1988) 309): better than 1" over
// 4000 years for Mercury, Venus, the Earth and Mars, 2000 years for Jupiter
// and Saturn and 6000 years for Uranus and Neptune, spans centred on J2000.
// Every geocentric place needs the Earth, so its span bounds Uranus and
// Neptune too.
inline constexpr TheoryYears kVsop87Years{0, 3999};          // Mercury to Mars, Uranus, Neptune
inline constexpr TheoryYears kVsop87GiantYears{1000, 2999};  // Jupiter, Saturn
// Pluto: the series of Meeus, Astronomical Algorithms 2nd ed. (1998) ch. 37,
// "valid only for the years 1885 to 2099" (fitted to DE200 over them).
inline constexpr TheoryYears kPlutoSeriesYears{1885, 2099};

// PlanetTheoryYears: the years the theory of a body holds.
//
// Given:   body  0 to 7 as for plans
// Returned (function value): the years; nothing for a body outside 0 to 7
std::optional<TheoryYears> PlanetTheoryYears(int body);

// PlanetTheoryHolds: whether a body's theory holds over a span of time.
//
// Given:   body      0 to 7 as for plans
//          utDate    automation date, UT, the start of the span
//          spanDays  length of the span, days, 0 or more (0: the instant)
// Returned (function value): true when the span starts at or after 0h UT of
//   January 1 of the first year and neither starts nor ends after 0h UT of
//   January 1 of the year after the last; false for a body outside 0 to 7
//   and for NaN.
bool PlanetTheoryHolds(int body, double utDate, double spanDays);

// plans: geometric place of a planet seen from the Earth's centre.
//
// Given:
//   mj      day number (UT)
//   body    0 Mercury, 1 Venus, 2 Mars, 3 Jupiter, 4 Saturn, 5 Uranus,
//           6 Neptune, 7 Pluto
// Returned (each pointer may be null to skip that output):
//   lpd0    heliocentric ecliptic longitude, radians, ecliptic and equinox of date
//   psi0    heliocentric ecliptic latitude, radians
//   rp0     distance from the Sun, AU
//   rho0    distance from the Earth, AU
//   lam     geocentric ecliptic longitude, radians, [0, 2 pi), ecliptic and
//           mean equinox of date, corrected for light time
//   bet     geocentric ecliptic latitude, radians
//   dia     apparent diameter, arcseconds (libnova semidiameters)
//   mag     visual magnitude (libnova)
// Returned (function value): false for a body number outside 0 to 7 (no
//   output written).
// Notes:
//  1. libnova: VSOP87 (Bretagnon and Francou 1988) for Mercury to Neptune
//     and the Earth, the theory of Meeus ch. 37 for Pluto, corrected onto
//     JPL DE431 (plutocorrection.h); both give heliocentric positions on
//     the ecliptic and equinox of J2000, which are precessed here to the
//     date (Lieske 1977 ecliptic precession).
//  2. Light time: the planet is taken at t - tau with tau = 0.0057755183 *
//     distance (days per AU), iterated to 1e-9 day; the Earth at t. The
//     series are evaluated twice, at t and at t - tau0 (tau0 from the
//     geometric distance); the iteration runs on the line between those
//     places (1e-12 AU from the series over the light time's last 1e-6
//     day). Time argument TT = UT + deltaTSeconds (deltat.h).
//  3. No aberration and no nutation: see ab_ecl and nut_eq.
bool plans(double mj, int body, double *lpd0, double *psi0, double *rp0, double *rho0, double *lam, double *bet,
           double *dia, double *mag);

// ab_ecl: annual aberration applied in place to ecliptic coordinates.
//
// Given:   mj   day number (UT)
//          lsn  the Sun's true geocentric longitude, radians; 0.0 asks
//               ab_ecl to take it from libnova's Earth (what the engine does)
// Given and returned:  lam, bet  ecliptic longitude and latitude, radians
// Notes:
//  1. Meeus, Astronomical Algorithms 2nd ed., eq. 23.2, with the constant of
//     aberration 20.49552" and the e-terms of the Earth's orbit.
//  2. libnova's own ecliptic aberration (ln_get_ecl_aber of libnova 0.15)
//     takes the Sun's latitude where its longitude belongs, so it is not
//     used.
void ab_ecl(double mj, double lsn, double *lam, double *bet);

// ecl_eq: ecliptic to equatorial coordinates with the mean obliquity of date.
//
// Given:   mj  day number (UT); bet, lam  ecliptic latitude and longitude, radians
// Returned: ra  right ascension, radians, [0, 2 pi); dec  declination, radians
// Notes:
//  1. Mean obliquity of libnova (Meeus eq. 22.2, IAU 1976).
void ecl_eq(double mj, double bet, double lam, double *ra, double *dec);

// nut_eq: nutation applied in place to equatorial coordinates.
//
// Given:   mj  day number (UT)
// Given and returned:  ra, dec  radians (mean equator and equinox of date in,
//                      true equator and equinox of date out)
// Notes:
//  1. libnova's IAU 1980 nutation (63 terms), applied as an exact rotation
//     (mean equator to ecliptic, + delta psi, back with the true obliquity),
//     so it stays valid near the poles.
void nut_eq(double mj, double *ra, double *dec);

// The apparent place of a planet.
struct PlanetPlace {
    double raHours = 0;  // right ascension, hours, [0, 24)
    double decDeg = 0;   // declination, degrees
};

// EarthPlaces: the Earth's heliocentric places at the last few instants
// asked for, so that the places of several planets at one instant evaluate
// the Earth's series (the longest of them) once. Used from one thread.
class EarthPlaces {
public:
    struct Place {
        double jde = std::numeric_limits<double>::quiet_NaN();  // TT, Julian date; NaN: none yet
        std::array<double, 3> xyz{};                            // ecliptic and equinox of J2000, AU
    };
    // The place at jde: kept, or computed and kept in place of the oldest.
    Place at(double jde);

private:
    std::array<Place, 16> m_places{};
    std::size_t m_next = 0;
};

// PlanetDayNodes: apparent places of the planets at 0h UT of whole days,
// kept between calls: the interpolation nodes of the almanac
// (almanacplace.h), shared by every span of time that needs the same days.
// Used from one thread.
//
// Notes:
//  1. A node is PlanetPosition's place of that instant except for how the
//     planet is found at t - tau (light time): its heliocentric place is
//     interpolated (four-point Lagrange in TT) between the series evaluated
//     at 0h UT of the days k - 2 to k + 1, so that one evaluation of the
//     planet's series serves four nodes (PlanetPosition takes two per
//     place). Mercury's node keeps within 0.01" of PlanetPosition, the
//     other planets' within 0.001" (tests/engine).
//  2. The Earth's places go through the EarthPlaces kept here.
//  3. Each node comes from its day alone: the same place whichever spans
//     asked before and whatever is kept (but for libnova's nutation, which
//     libnova keeps for 0.1 day: its last digits follow the order of calls).
class PlanetDayNodes {
public:
    // The place of body (0 to 7 as for plans) at 0h UT of the day on the
    // continuous line of days (automation::continuousDays), kept or computed.
    PlanetPlace at(int body, std::int64_t day);

private:
    struct Helio {
        int body = -1;  // -1: none yet
        std::int64_t day = 0;
        double jde = 0;               // TT, Julian date
        std::array<double, 3> xyz{};  // heliocentric, ecliptic and equinox of J2000, AU
    };
    struct Node {
        int body = -1;  // -1: none yet
        std::int64_t day = 0;
        PlanetPlace place;
    };
    Helio helio(int body, std::int64_t day);

    std::array<Helio, 32> m_helio{};
    std::size_t m_nextHelio = 0;
    std::array<Node, 32> m_nodes{};
    std::size_t m_nextNode = 0;
    EarthPlaces m_earth;
};

// PlanetPosition: apparent geocentric right ascension and declination.
//
// Given:   utDate  automation date, UT; body  0 to 7 as for plans
// Returned (function value): the place; nothing for a body outside 0 to 7
// Notes:
//  1. plans, ab_ecl (second argument 0.0), ecl_eq, nut_eq in this order with
//     mj = automation date - 1.625; then hours = radians * 180 /
//     3.14159265358979 / 15, degrees = radians * 57.29577951.
//  2. Frame: true equator and equinox of date; geocentric; no refraction.
//  3. Accuracy: within 3" of JPL DE431 over 1800-2100 (tests/data).
//  4. Outside the years of the body's theory (PlanetTheoryYears) the place
//     is computed all the same and means little: callers refuse such dates
//     (PlanetTheoryHolds).
// Reference: see plans, ab_ecl, ecl_eq and nut_eq.
std::optional<PlanetPlace> PlanetPosition(double utDate, int body);

}  // namespace ephemkit
