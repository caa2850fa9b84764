// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Apparent places of the Sun and the Moon from the closed-form series of the
// handbook for calculators (plain C++, no Qt).
#pragma once

namespace ephemkit {

// Results of SunMoonPosition for one UT instant.
struct SunMoon {
    double moonRaHours = 0;      // apparent right ascension, hours, [0, 24)
    double moonDecDeg = 0;       // apparent declination, degrees (geocentric)
    double sunRaHours = 0;       // apparent right ascension, hours, [0, 24)
    double sunDecDeg = 0;        // apparent declination, degrees
    double moonIlluminated = 0;  // illuminated fraction, 0 to 1, a multiple of 0.001
    double moonDiameterDeg = 0;  // apparent diameter, degrees
    double moonDistanceKm = 0;   // distance Earth centre to Moon centre, km
};

// Time arguments of the series for one UT instant.
struct HandbookTime {
    double t = 0;      // centuries of 36525 days from 1900 January 0.5 (JD 2415020.0), with the UT hours
    double t2000 = 0;  // centuries from 2000 January 1.5 to 0h UT of the date
};

// handbookTime: the two time arguments of SunMoonPosition.
//
// Given:   utDate  automation date, UT (the clock fields are whole seconds)
// Returned (function value): T and T2 of the series
// Notes:
//  1. Day count from 1900 January 0.5 at 0h UT of the date, by the calendar
//     formula floor(365.25 y) + floor(30.6001 (m + 1)) + day + B - 694025
//     - 0.5 with January and February as months 13 and 14 of the year before
//     and the Gregorian term B = 2 - a + floor(a / 4), a = floor(y / 100).
//  2. T = day count / 36525 + UT hours / 876600; T2 = day count / 36525 - 1.
//     1899 December 31, 12:00 UT gives T = 0 exactly.
//  3. A utDate that is no automation date (automation::isAutomationDate)
//     gives NaN for both.
HandbookTime handbookTime(double utDate);

// handbookNutation: nutation in longitude and in obliquity.
//
// Given:   t  centuries from 1900 January 0.5 (HandbookTime::t)
// Returned:
//   dPsiDeg  nutation in longitude, degrees
//   dEpsDeg  nutation in obliquity, degrees
// Notes:
//  1. 13 sine terms in longitude, the first -(17.2327 + 0.01737 T)" sin(Omega),
//     and 9 cosine terms in obliquity, the first (9.21 + 0.00091 T)" cos(Omega);
//     arguments from the mean longitudes of Sun and Moon, their anomalies and
//     the Moon's node (279.6967, 270.4342, 358.4758, 296.1046, 259.1833
//     degrees at the epoch). Accuracy about 0.5" against the IAU 1980 theory.
// Reference: J. Meeus, Astronomical Formulae for Calculators, 4th ed.
//   (Willmann-Bell 1988), ch. 15.
void handbookNutation(double t, double &dPsiDeg, double &dEpsDeg);

// handbookObliquity: true obliquity of the ecliptic.
//
// Given:   t2000    centuries from 2000 January 1.5 to 0h UT of the date
//                   (HandbookTime::t2000)
//          dEpsDeg  nutation in obliquity, degrees (handbookNutation)
// Returned (function value): true obliquity of date, degrees
// Notes:
//  1. Mean obliquity 23.43929167 - (46.815 T2 + 0.0006 T2^2 - 0.00181 T2^3)"
//     (IAU 1976, Lieske et al.), plus dEpsDeg. T2 is taken at 0h UT: within
//     a day the mean obliquity changes by about 1e-6".
// Reference: J. Meeus, Astronomical Formulae for Calculators, 4th ed.
//   (Willmann-Bell 1988), ch. 15; Explanatory Supplement (1992) 3.222.
double handbookObliquity(double t2000, double dEpsDeg);

// handbookSunLongitude: apparent geocentric ecliptic longitude of the Sun.
//
// Given:   t        centuries from 1900 January 0.5 (HandbookTime::t)
//          dPsiDeg  nutation in longitude, degrees (handbookNutation)
// Returned (function value): longitude, degrees, [0, 360); ecliptic and true
//   equinox of date. The Sun's latitude is taken as 0.
// Notes:
//  1. Mean longitude 279.69668 + 36000.76892 T + 0.0003025 T^2 and mean
//     anomaly 358.47583 + 35999.04975 T - 0.000150 T^2 - 0.0000033 T^3
//     degrees (rates as revolutions per century times 360); eccentricity
//     0.01675104 - 0.0000418 T - 0.000000126 T^2.
//  2. Kepler's equation E - e sin E = M solved from E = M by Newton steps
//     until |E - e sin E - M| < 1e-6 radian (M reduced into [0, 2 pi) with
//     2 pi = 6.283185308); true anomaly v = 2 atan(sqrt((1 + e) / (1 - e))
//     tan(E / 2)).
//  3. Perturbations by Venus (A, B), Jupiter (C), the Moon (D) and the
//     long-period inequality (E): 0.00134 cos A + 0.00154 cos B + 0.00200
//     cos C + 0.00179 sin D + 0.00178 sin E degrees.
//  4. Apparent: + dPsiDeg and the annual aberration -0.00569 degrees
//     (20.5"). Accuracy about 0.003 degrees over 1900-2100.
// Reference: J. Meeus, Astronomical Formulae for Calculators, 4th ed.
//   (Willmann-Bell 1988), ch. 18.
double handbookSunLongitude(double t, double dPsiDeg);

// Mean elements of the lunar theory for one instant, degrees, with the
// handbook's additive periodic corrections applied (all but omegaDeg).
struct LunarElements {
    double lpDeg = 0;     // L', the Moon's mean longitude
    double mDeg = 0;      // M, the Sun's mean anomaly
    double mpDeg = 0;     // M', the Moon's mean anomaly
    double dDeg = 0;      // D, the Moon's mean elongation from the Sun
    double fDeg = 0;      // F, the Moon's mean argument of latitude
    double omegaDeg = 0;  // Omega, longitude of the Moon's mean ascending node (uncorrected)
    double e = 1;         // eccentricity factor of the Earth's orbit for terms in M
};

// handbookLunarElements: the mean elements of the lunar theory.
//
// Given:   t  centuries from 1900 January 0.5 (HandbookTime::t)
// Returned (function value): the elements, degrees, not reduced to [0, 360)
// Notes:
//  1. Epoch values 270.434164, 358.475833, 296.104608, 350.737486,
//     11.250889 and 259.183275 degrees; rates from the sidereal,
//     anomalistic, synodic, draconic and nodal periods 27.32158213,
//     365.2596407, 27.55455094, 29.53058868, 27.21222039 and 6798.363307
//     days, with quadratic and cubic terms.
//  2. Additive corrections: 0.000233 sin(51.2 + 20.2 T) and its companions
//     in M, M' and D; 0.003964 sin(346.56 + 132.87 T - 0.0091731 T^2) in L',
//     M', D and F; the terms in sin(Omega) and, in F, -0.004328
//     sin(Omega + 275.05 - 2.3 T).
//  3. E = 1 - 0.002495 T - 0.00000752 T^2.
// Reference: J. Meeus, Astronomical Formulae for Calculators, 4th ed.
//   (Willmann-Bell 1988), ch. 30.
LunarElements handbookLunarElements(double t);

// The Moon's apparent ecliptic place and its horizontal parallax.
struct MoonEcliptic {
    double longitudeDeg = 0;  // ecliptic longitude, degrees, [0, 360), true equinox of date
    double latitudeDeg = 0;   // ecliptic latitude, degrees
    double parallaxDeg = 0;   // equatorial horizontal parallax, degrees
};

// handbookMoon: the Moon's apparent geocentric ecliptic place and parallax.
//
// Given:   elements  handbookLunarElements(t)
//          t         centuries from 1900 January 0.5 (HandbookTime::t)
//          dPsiDeg   nutation in longitude, degrees (handbookNutation)
// Returned (function value): longitude (with nutation), latitude, parallax
// Notes:
//  1. The Improved Lunar Ephemeris as truncated in the handbook: 50 sine
//     terms in longitude, 45 in latitude and 31 cosine terms plus
//     0.950724 degrees in parallax, each a multiple of D, M, M' and F; a
//     term whose argument holds k times M is multiplied by E^|k|.
//  2. The latitude is scaled by 1 - 0.0004664 cos(Omega) - 0.0000754
//     cos(Omega + 275.05 - 2.3 T).
//  3. Evaluated on UT, not dynamical time: the Moon is then behind by its
//     motion during Delta T (about 35" in 2000). Accuracy about 10" in
//     longitude and 3" in latitude against the full theory.
// Reference: J. Meeus, Astronomical Formulae for Calculators, 4th ed.
//   (Willmann-Bell 1988), ch. 30. The table sources are in sunmoon.cpp.
MoonEcliptic handbookMoon(const LunarElements &elements, double t, double dPsiDeg);

// moonDistanceKm: distance between the centres of the Earth and the Moon.
//
// Given:   parallaxDeg  equatorial horizontal parallax, degrees
// Returned (function value): km, 6378.14 / sin(parallax)
// Reference: J. Meeus, Astronomical Formulae for Calculators, ch. 30.
double moonDistanceKm(double parallaxDeg);

// moonDiameterDeg: apparent diameter of the Moon seen from the Earth's centre.
//
// Given:   distanceKm  distance of the Moon, km
// Returned (function value): degrees, 0.5181 * 384401 / distance
// Reference: J. Meeus, Astronomical Formulae for Calculators, ch. 30.
double moonDiameterDeg(double distanceKm);

// handbookIlluminatedFraction: the illuminated fraction of the Moon's disk.
//
// Given:   moon             handbookMoon
//          sunLongitudeDeg  handbookSunLongitude, degrees
//          elements         handbookLunarElements (M and M' are used)
// Returned (function value): fraction, 0 to 1, a multiple of 0.001
// Notes:
//  1. Elongation psi from cos psi = cos(beta) cos(lambda - lambda_sun);
//     phase angle i = 180 - psi - 0.1468 sin(psi) (1 - 0.0549 sin M') /
//     (1 - 0.0167 sin M) degrees; fraction (1 + cos i) / 2, rounded as
//     floor(fraction * 1000 + 0.5) / 1000.
// Reference: J. Meeus, Astronomical Formulae for Calculators, 4th ed.
//   (Willmann-Bell 1988), ch. 31.
double handbookIlluminatedFraction(const MoonEcliptic &moon, double sunLongitudeDeg, const LunarElements &elements);

// handbookEclipticToEquatorial: ecliptic to equatorial coordinates.
//
// Given:   lambdaDeg, betaDeg  ecliptic longitude and latitude, degrees
//          epsDeg              obliquity of the ecliptic, degrees
// Returned:
//   raHours  right ascension, hours, [0, 24)
//   decDeg   declination, degrees
// Notes:
//  1. The frame is that of the obliquity given: the true equator and
//     equinox of date with handbookObliquity.
//  2. Angles go through the literals 0.01745329252 and 57.29577951 and the
//     declination through atan(x / (sqrt(1 - x^2) + 1e-20)), x held in
//     [-1, 1] so that rounding just beyond 1 cannot give a NaN.
// Reference: J. Meeus, Astronomical Formulae for Calculators, ch. 8.
void handbookEclipticToEquatorial(double lambdaDeg, double betaDeg, double epsDeg, double &raHours, double &decDeg);

// SunMoonPosition: apparent geocentric right ascension and declination of
// the Moon and the Sun, the Moon's illuminated fraction, diameter, distance.
//
// Given:   utDate  automation date (days from 1899-12-30 0h), UT
// Returned (function value): the seven results of SunMoon
//
// Notes:
//  1. Frame: true equator and equinox of date; geocentric, no refraction.
//  2. The composition of the routines above: handbookTime, handbookNutation,
//     handbookObliquity, handbookSunLongitude, handbookLunarElements,
//     handbookMoon, handbookEclipticToEquatorial, moonDistanceKm,
//     moonDiameterDeg, handbookIlluminatedFraction. See each for its
//     accuracy and source.
//  3. A utDate that is no automation date gives NaN in every result.
//
// Reference: J. Meeus, Astronomical Formulae for Calculators, 4th ed.
//   (Willmann-Bell 1988), ch. 15 (nutation), 18 (Sun), 30 (Moon),
//   31 (illuminated fraction).
SunMoon SunMoonPosition(double utDate);

// The two bodies of SunMoonPosition.
enum class Luminary { Sun, Moon };

// An apparent geocentric place.
struct RaDec {
    double raHours = 0;  // right ascension, hours, [0, 24)
    double decDeg = 0;   // declination, degrees
};

// LuminaryPlace: the Sun's or the Moon's place out of one SunMoon result.
// The rise/set searches, the transit searches and the engine object's
// position update all take the body's place through it.
inline RaDec LuminaryPlace(Luminary body, const SunMoon &r)
{
    return body == Luminary::Sun ? RaDec{r.sunRaHours, r.sunDecDeg} : RaDec{r.moonRaHours, r.moonDecDeg};
}

}  // namespace ephemkit
