// Apparent places of the Sun and the Moon from the closed-form series of the
// handbook for calculators (plain C++, no Qt).
#pragma once

namespace ephemkit {

// Results of SunMoonPosition for one UT instant.
struct SunMoon {
    double moonRaHours = 0;       // apparent right ascension, hours, [0, 24)
    double moonDecDeg = 0;        // apparent declination, degrees (geocentric)
    double sunRaHours = 0;        // apparent right ascension, hours, [0, 24)
    double sunDecDeg = 0;         // apparent declination, degrees
    double moonIlluminated = 0;   // illuminated fraction, 0 to 1, a multiple of 0.001
    double moonDiameterDeg = 0;   // apparent diameter, degrees
    double moonDistanceKm = 0;    // distance Earth centre to Moon centre, km
};

// Time arguments of the series for one UT instant.
struct HandbookTime {
    double t = 0;       // centuries of 36525 days from 1900 January 0.5 (JD 2415020.0), with the UT hours
    double t2000 = 0;   // centuries from 2000 January 1.5 to 0h UT of the date
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

// SunMoonPosition: apparent geocentric right ascension and declination of
// the Moon and the Sun, the Moon's illuminated fraction, diameter, distance.
//
// Given:   utDate  automation date (days from 1899-12-30 0h), UT
// Returned (function value): the seven results of SunMoon
//
// Notes:
//  1. Frame: true equator and equinox of date (nutation applied to the
//     longitudes, the true obliquity used); geocentric, no refraction.
//  2. The series are evaluated on UT, not on dynamical time: the Moon is
//     then behind by its motion during Delta T (about 35" in 2000).
//  3. Sun: mean longitude and anomaly, Kepler's equation solved by Newton
//     steps to 1e-6 radian, the perturbations by Venus, Jupiter, the Moon and
//     the long-period term (arguments A to E), then nutation and the annual
//     aberration -0.00569 degrees. Accuracy about 0.003 degrees.
//  4. Moon: the Improved Lunar Ephemeris as truncated in the handbook, with
//     50 longitude, 45 latitude and 31 parallax terms; accuracy about 10" in
//     longitude and 3" in latitude. Terms whose argument contains the Sun's
//     anomaly M are multiplied by E^|k| (k the multiple of M).
//  5. Distance = 6378.14 km / sin(parallax); diameter = 0.5181 degrees *
//     384401 km / distance; phase angle i = 180 - psi - 0.1468 sin(psi)
//     (1 - 0.0549 sin M') / (1 - 0.0167 sin M) degrees with psi the
//     elongation, fraction (1 + cos i) / 2 rounded to 0.001.
//  6. Angles go through the literals 0.01745329252 and 57.29577951 and the
//     arcsine atan(x / (sqrt(1 - x^2) + 1e-20)), with x held in [-1, 1] so
//     that rounding just beyond 1 cannot give a NaN.
//
// Reference: J. Meeus, Astronomical Formulae for Calculators, 4th ed.
//   (Willmann-Bell 1988), ch. 15 (nutation), 18 (Sun), 30 (Moon),
//   31 (illuminated fraction). The table sources are in sunmoon.cpp.
SunMoon SunMoonPosition(double utDate);

} // namespace ephemkit
