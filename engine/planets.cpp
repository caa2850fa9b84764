// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "planets.h"

#include "astroconst.h"
#include "astronomy_funcs.h"
#include "deltat.h"
#include "plutocorrection.h"

#include <libnova/earth.h>
#include <libnova/jupiter.h>
#include <libnova/mars.h>
#include <libnova/mercury.h>
#include <libnova/neptune.h>
#include <libnova/nutation.h>
#include <libnova/pluto.h>
#include <libnova/saturn.h>
#include <libnova/uranus.h>
#include <libnova/venus.h>

#include <cmath>

namespace ephemkit {

namespace {

constexpr double kLightDaysPerAu = 0.0057755183;

double jdUtOf(double mj) { return mj + kPlanetDayNumberEpochJd; }
double jdeOf(double mj) { return jdUtOf(mj) + deltaTSeconds(jdUtOf(mj)) / kSecondsPerDay; }

double wrapTwoPi(double a)
{
    a = std::fmod(a, k2Pi);
    return a < 0 ? a + k2Pi : a;
}

struct Vec3 {
    double x, y, z;
};

Vec3 fromSpherical(double lonRad, double latRad, double r)
{
    return {r * std::cos(latRad) * std::cos(lonRad), r * std::cos(latRad) * std::sin(lonRad), r * std::sin(latRad)};
}

double length(const Vec3 &v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

// Heliocentric ecliptic position of J2000 (libnova), AU.
bool helioJ2000(int body, double jde, Vec3 &v)
{
    ln_helio_posn p{};
    switch (body) {
    case 0: ln_get_mercury_helio_coords(jde, &p); break;
    case 1: ln_get_venus_helio_coords(jde, &p); break;
    case 2: ln_get_mars_helio_coords(jde, &p); break;
    case 3: ln_get_jupiter_helio_coords(jde, &p); break;
    case 4: ln_get_saturn_helio_coords(jde, &p); break;
    case 5: ln_get_uranus_helio_coords(jde, &p); break;
    case 6: ln_get_neptune_helio_coords(jde, &p); break;
    case 7: {
        ln_get_pluto_helio_coords(jde, &p);
        const PlutoCorrection toDe431 = plutoCorrection(jde);
        p.L += toDe431.dLonDeg;
        p.B += toDe431.dLatDeg;
        break;
    }
    case -1: ln_get_earth_helio_coords(jde, &p); break;
    default: return false;
    }
    v = fromSpherical(p.L * kDegToRad, p.B * kDegToRad, p.R);
    return true;
}

// Ecliptic coordinates of J2000 to the ecliptic and mean equinox of jde.
// Lieske et al. (1977) via Meeus, Astronomical Algorithms eq. 21.5-21.7.
void precessEclipticFromJ2000(double jde, double &lonRad, double &latRad)
{
    const double t = (jde - kJ2000Jd) / kDaysPerJulianCentury;
    const double eta = (47.0029 * t - 0.03302 * t * t + 0.000060 * t * t * t) * kArcsecToRad;
    const double bigPi = 174.876384 * kDegToRad - (869.8089 * t - 0.03536 * t * t) * kArcsecToRad;
    const double p = (5029.0966 * t + 1.11113 * t * t - 0.000006 * t * t * t) * kArcsecToRad;
    const double a = std::cos(eta) * std::cos(latRad) * std::sin(bigPi - lonRad) - std::sin(eta) * std::sin(latRad);
    const double b = std::cos(latRad) * std::cos(bigPi - lonRad);
    const double c = std::cos(eta) * std::sin(latRad) + std::sin(eta) * std::cos(latRad) * std::sin(bigPi - lonRad);
    lonRad = wrapTwoPi(p + bigPi - std::atan2(a, b));
    latRad = std::asin(std::max(-1.0, std::min(1.0, c)));
}

// Ecliptic longitude and latitude of date (radians) of a J2000 ecliptic
// vector, and its length.
void toSphericalOfDate(const Vec3 &v, double jde, double &lonRad, double &latRad, double &r)
{
    lonRad = std::atan2(v.y, v.x);
    latRad = std::atan2(v.z, std::hypot(v.x, v.y));
    precessEclipticFromJ2000(jde, lonRad, latRad);
    r = length(v);
}

double semidiameterArcsec(int body, double jd)
{
    switch (body) {
    case 0: return ln_get_mercury_sdiam(jd);
    case 1: return ln_get_venus_sdiam(jd);
    case 2: return ln_get_mars_sdiam(jd);
    case 3: return ln_get_jupiter_equ_sdiam(jd);
    case 4: return ln_get_saturn_equ_sdiam(jd);
    case 5: return ln_get_uranus_sdiam(jd);
    case 6: return ln_get_neptune_sdiam(jd);
    default: return ln_get_pluto_sdiam(jd);
    }
}

double magnitude(int body, double jd)
{
    switch (body) {
    case 0: return ln_get_mercury_magnitude(jd);
    case 1: return ln_get_venus_magnitude(jd);
    case 2: return ln_get_mars_magnitude(jd);
    case 3: return ln_get_jupiter_magnitude(jd);
    case 4: return ln_get_saturn_magnitude(jd);
    case 5: return ln_get_uranus_magnitude(jd);
    case 6: return ln_get_neptune_magnitude(jd);
    default: return ln_get_pluto_magnitude(jd);
    }
}

}  // namespace

namespace {

// The planet's place when its light left, heliocentric and from the Earth,
// light time iterated to 1e-9 day from tau0: planetAt(tau) is the planet's
// heliocentric place tau days before the instant.
struct LightTimePlace {
    Vec3 planet;
    Vec3 geo;
};

template <typename PlanetAt>
LightTimePlace placeAfterLightTime(const Vec3 &earth, double tau0, const PlanetAt &planetAt)
{
    LightTimePlace p{};
    double tau = tau0;
    for (int i = 0; i < 20; ++i) {
        p.planet = planetAt(tau);
        p.geo = {p.planet.x - earth.x, p.planet.y - earth.y, p.planet.z - earth.z};
        const double next = length(p.geo) * kLightDaysPerAu;
        const bool converged = std::fabs(next - tau) < 1e-9;
        tau = next;
        if (converged)
            break;
    }
    return p;
}

// plans with the Earth's heliocentric position at jde given.
void plansFrom(double mj, double jde, const Vec3 &earth, int body, double *lpd0, double *psi0, double *rp0,
               double *rho0, double *lam, double *bet, double *dia, double *mag)
{

    // Light time: the series at jde and at jde - tau0, tau0 that of the
    // geometric distance. The light time then moves by about 1e-6 day at
    // most, over which the planet keeps to the line between those two
    // places to 1e-12 AU, so the iteration to 1e-9 day runs on that line
    // instead of on the series.
    Vec3 atJde{};
    helioJ2000(body, jde, atJde);
    const double tau0 = length(Vec3{atJde.x - earth.x, atJde.y - earth.y, atJde.z - earth.z}) * kLightDaysPerAu;
    Vec3 atTau0{};
    helioJ2000(body, jde - tau0, atTau0);
    const Vec3 perDay{(atTau0.x - atJde.x) / tau0, (atTau0.y - atJde.y) / tau0, (atTau0.z - atJde.z) / tau0};
    const auto [planet, geo] = placeAfterLightTime(earth, tau0, [&](double tau) {
        return Vec3{atJde.x + perDay.x * tau, atJde.y + perDay.y * tau, atJde.z + perDay.z * tau};
    });

    double lon = 0;
    double lat = 0;
    double distance = 0;
    toSphericalOfDate(geo, jde, lon, lat, distance);
    if (lam)
        *lam = lon;
    if (bet)
        *bet = lat;
    if (rho0)
        *rho0 = distance;
    if (lpd0 || psi0 || rp0) {
        double hLon = 0;
        double hLat = 0;
        double hDistance = 0;
        toSphericalOfDate(planet, jde, hLon, hLat, hDistance);
        if (lpd0)
            *lpd0 = hLon;
        if (psi0)
            *psi0 = hLat;
        if (rp0)
            *rp0 = hDistance;
    }
    if (dia)
        *dia = 2 * semidiameterArcsec(body, jdUtOf(mj));
    if (mag)
        *mag = magnitude(body, jdUtOf(mj));
}

// The Sun's geometric longitude of date seen from the Earth at earth.
double sunLongitude(double jde, const Vec3 &earth)
{
    double lon = std::atan2(-earth.y, -earth.x);
    double lat = std::atan2(-earth.z, std::hypot(earth.x, earth.y));
    precessEclipticFromJ2000(jde, lon, lat);
    return lon;
}

// ab_ecl with the Sun's longitude given.
void aberration(double jde, double sun, double *lam, double *bet)
{
    const double t = (jde - kJ2000Jd) / kDaysPerJulianCentury;
    const double kappa = 20.49552 * kArcsecToRad;
    const double e = 0.016708634 - 0.000042037 * t - 0.0000001267 * t * t;
    const double perihelion = (102.93735 + 1.71946 * t + 0.00046 * t * t) * kDegToRad;
    const double l = *lam;
    const double b = *bet;
    const double dLon = (-kappa * std::cos(sun - l) + e * kappa * std::cos(perihelion - l)) / std::cos(b);
    const double dLat = -kappa * std::sin(b) * (std::sin(sun - l) - e * std::sin(perihelion - l));
    *lam = wrapTwoPi(l + dLon);
    *bet = b + dLat;
}

// The apparent place from the geometric geocentric ecliptic place of date
// (lam, bet, radians) and the Earth's heliocentric place: aberration,
// ecl_eq, nut_eq.
PlanetPlace apparentPlace(double mj, double jde, const Vec3 &earth, double lam, double bet)
{
    aberration(jde, sunLongitude(jde, earth), &lam, &bet);
    double ra = 0;
    double dec = 0;
    ecl_eq(mj, bet, lam, &ra, &dec);
    nut_eq(mj, &ra, &dec);
    return PlanetPlace{ra * 180 / kPiOfUnitHelpers / 15, dec * 57.29577951};
}

Vec3 earthAt(double jde)
{
    Vec3 earth{};
    helioJ2000(-1, jde, earth);
    return earth;
}

}  // namespace

bool plans(double mj, int body, double *lpd0, double *psi0, double *rp0, double *rho0, double *lam, double *bet,
           double *dia, double *mag)
{
    if (body < 0 || body > 7)
        return false;
    const double jde = jdeOf(mj);
    plansFrom(mj, jde, earthAt(jde), body, lpd0, psi0, rp0, rho0, lam, bet, dia, mag);
    return true;
}

void ab_ecl(double mj, double lsn, double *lam, double *bet)
{
    const double jde = jdeOf(mj);
    aberration(jde, lsn == 0.0 ? sunLongitude(jde, earthAt(jde)) : lsn, lam, bet);
}

void ecl_eq(double mj, double bet, double lam, double *ra, double *dec)
{
    ln_nutation n{};
    ln_get_nutation(jdUtOf(mj), &n);
    const double eps = n.ecliptic * kDegToRad;
    *ra = wrapTwoPi(std::atan2(std::sin(lam) * std::cos(eps) - std::tan(bet) * std::sin(eps), std::cos(lam)));
    *dec = std::asin(
        std::max(-1.0, std::min(1.0, std::sin(bet) * std::cos(eps) + std::cos(bet) * std::sin(eps) * std::sin(lam))));
}

void nut_eq(double mj, double *ra, double *dec)
{
    ln_nutation n{};
    ln_get_nutation(jdUtOf(mj), &n);
    const double eps0 = n.ecliptic * kDegToRad;
    const double eps = (n.ecliptic + n.obliquity) * kDegToRad;
    const double dPsi = n.longitude * kDegToRad;

    Vec3 v = fromSpherical(*ra, *dec, 1);
    // Mean equator to mean ecliptic of date.
    Vec3 e{v.x, v.y * std::cos(eps0) + v.z * std::sin(eps0), -v.y * std::sin(eps0) + v.z * std::cos(eps0)};
    // Nutation in longitude about the ecliptic pole.
    const Vec3 r{e.x * std::cos(dPsi) - e.y * std::sin(dPsi), e.x * std::sin(dPsi) + e.y * std::cos(dPsi), e.z};
    // True ecliptic to true equator.
    v = {r.x, r.y * std::cos(eps) - r.z * std::sin(eps), r.y * std::sin(eps) + r.z * std::cos(eps)};
    *ra = wrapTwoPi(std::atan2(v.y, v.x));
    *dec = std::asin(std::max(-1.0, std::min(1.0, v.z)));
}

std::optional<TheoryYears> PlanetTheoryYears(int body)
{
    switch (body) {
    case 0:
    case 1:
    case 2:
    case 5:
    case 6: return kVsop87Years;
    case 3:
    case 4: return kVsop87GiantYears;
    case 7: return kPlutoSeriesYears;
    default: return std::nullopt;
    }
}

bool PlanetTheoryHolds(int body, double utDate, double spanDays)
{
    const std::optional<TheoryYears> years = PlanetTheoryYears(body);
    if (!years)
        return false;
    const double start = automation::continuousDays(utDate);
    const double first = double(automation::civilDayNumber(years->first, 1, 1));
    const double end = double(automation::civilDayNumber(years->last + 1, 1, 1));
    return start >= first && start < end && start + spanDays <= end;
}

EarthPlaces::Place EarthPlaces::at(double jde)
{
    for (const Place &p : m_places) {
        if (p.jde == jde)
            return p;
    }
    Place &p = m_places[m_next];
    m_next = (m_next + 1) % m_places.size();
    const Vec3 earth = earthAt(jde);
    p = {jde, {earth.x, earth.y, earth.z}};
    return p;
}

std::optional<PlanetPlace> PlanetPosition(double utDate, int body)
{
    if (body < 0 || body > 7)
        return std::nullopt;
    const double mj = planetDayNumber(utDate);
    const double jde = jdeOf(mj);
    const Vec3 earth = earthAt(jde);
    double lpd0 = 0, psi0 = 0, rp0 = 0, rho0 = 0, lam = 0, bet = 0;
    plansFrom(mj, jde, earth, body, &lpd0, &psi0, &rp0, &rho0, &lam, &bet, nullptr, nullptr);
    return apparentPlace(mj, jde, earth, lam, bet);
}

PlanetDayNodes::Helio PlanetDayNodes::helio(int body, std::int64_t day)
{
    for (const Helio &h : m_helio) {
        if (h.body == body && h.day == day)
            return h;
    }
    Helio &h = m_helio[m_nextHelio];
    m_nextHelio = (m_nextHelio + 1) % m_helio.size();
    Vec3 v{};
    const double jde = jdeOf(double(day) - 1.625);
    helioJ2000(body, jde, v);
    h = {body, day, jde, {v.x, v.y, v.z}};
    return h;
}

PlanetPlace PlanetDayNodes::at(int body, std::int64_t day)
{
    for (const Node &n : m_nodes) {
        if (n.body == body && n.day == day)
            return n.place;
    }
    // The planet's series at the days around: day is the third of the four.
    const std::array<Helio, 4> h{helio(body, day - 2), helio(body, day - 1), helio(body, day), helio(body, day + 1)};
    const double mj = double(day) - 1.625;
    const double jde = h[2].jde;
    const EarthPlaces::Place e = m_earth.at(jde);
    const Vec3 earth{e.xyz[0], e.xyz[1], e.xyz[2]};
    // Lagrange weights over the nodes' instants, days from h[1].
    const auto planetAt = [&](double tau) {
        const double x = jde - tau - h[1].jde;
        double t[4];
        for (std::size_t i = 0; i < 4; ++i)
            t[i] = h[i].jde - h[1].jde;
        Vec3 p{0, 0, 0};
        for (std::size_t i = 0; i < 4; ++i) {
            double w = 1;
            for (std::size_t j = 0; j < 4; ++j) {
                if (j != i)
                    w *= (x - t[j]) / (t[i] - t[j]);
            }
            p = {p.x + w * h[i].xyz[0], p.y + w * h[i].xyz[1], p.z + w * h[i].xyz[2]};
        }
        return p;
    };
    // Light time iterated to 1e-9 day, as plans does it.
    const Vec3 atJde{h[2].xyz[0], h[2].xyz[1], h[2].xyz[2]};
    const double tau0 = length(Vec3{atJde.x - earth.x, atJde.y - earth.y, atJde.z - earth.z}) * kLightDaysPerAu;
    const Vec3 geo = placeAfterLightTime(earth, tau0, planetAt).geo;
    double lam = 0;
    double bet = 0;
    double distance = 0;
    toSphericalOfDate(geo, jde, lam, bet, distance);
    Node &n = m_nodes[m_nextNode];
    m_nextNode = (m_nextNode + 1) % m_nodes.size();
    n = {body, day, apparentPlace(mj, jde, earth, lam, bet)};
    return n.place;
}

}  // namespace ephemkit
