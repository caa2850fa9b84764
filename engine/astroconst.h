// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The engine's constants, each defined once (plain C++, no Qt).
//
// Every routine of the engine, and every layer above it that needs one of
// these numbers, takes it from here. Three kinds live here:
//
//  - the constants of mathematics and of time (pi, Julian epochs and
//    spans), written as ERFA writes them (erfam.h);
//  - the defined literals: numbers whose exact value is part of what a
//    routine returns (the LMST rate 1.002737908, the sidereal-to-UT ratio
//    0.997269567, pi to 14 decimals in the unit helpers). They are not the
//    best values known and must not be "improved": results would change;
//  - the horizon of rising and setting (refraction, semi-diameters).
//
// Literals that belong to one formula only (the coefficients of a series,
// the pi/2 and 2 pi approximations of HorizonEquatorial and of the Sun and
// Moon series) stay beside that formula, written exactly as it uses them.
#pragma once

#include <numbers>

namespace ephemkit {

// ---------------------------------------------------------------------------
// Mathematics
// ---------------------------------------------------------------------------

// Pi (ERFA_DPI).
inline constexpr double kPi = std::numbers::pi;

// 2 pi (ERFA_D2PI).
inline constexpr double k2Pi = 2 * kPi;

// Degrees to radians (ERFA_DD2R): pi / 180.
inline constexpr double kDegToRad = kPi / 180;

// Radians to degrees (ERFA_DR2D): 180 / pi.
inline constexpr double kRadToDeg = 180 / kPi;

// Arc-seconds to radians (ERFA_DAS2R): pi / (180 * 3600).
inline constexpr double kArcsecToRad = kPi / (180.0 * 3600.0);

// Pi as the engine's unit helpers (astronomy_funcs.h), the closed-form
// riset and the planet layer's hours use it: 3.14159265358979, 14 decimals.
// A defined literal: degrees to radians through it is the double
// 0.017453292519943278, radians to degrees 57.29577951308238, and the
// conversions of every caller agree to the last bit.
inline constexpr double kPiOfUnitHelpers = 3.14159265358979;

// ---------------------------------------------------------------------------
// Time
// ---------------------------------------------------------------------------

// Seconds per day (ERFA_DAYSEC).
inline constexpr double kSecondsPerDay = 86400.0;

// Reference epoch J2000.0, Julian Date (ERFA_DJ00): 2000 January 1.5.
inline constexpr double kJ2000Jd = 2451545.0;

// Days per Julian century (ERFA_DJC).
inline constexpr double kDaysPerJulianCentury = 36525.0;

// Days per Julian year (ERFA_DJY).
inline constexpr double kDaysPerJulianYear = 365.25;

// ---------------------------------------------------------------------------
// Sidereal rates
// ---------------------------------------------------------------------------

// Sidereal seconds per UT second of LocalMeanSiderealTime: 1.002737908.
// A defined literal, used exactly so, not the IAU 1982 value 1.00273790935
// below: every LMST the engine returns, and so every sidereal second the
// clock shows, is counted with it.
inline constexpr double kSiderealPerUtLmst = 1.002737908;

// UT hours per sidereal hour of SiderealToUT (and the sidereal calculator's
// LMST2UT, which must give the same instants): 0.997269567. A defined
// literal, used exactly so.
inline constexpr double kUtPerSiderealHour = 0.997269567;

// Solar (UT) days per sidereal day, the length of one turn of a fixed
// position, in DaysToTransit: 0.9972695677. A defined literal.
inline constexpr double kUtDaysPerSiderealDay = 0.9972695677;

// Half of a sidereal day in UT days: the step from an upper transit of a
// circumpolar target to its lower transit (NextTransit): 0.498639756. A
// defined literal.
inline constexpr double kHalfSiderealDayUt = 0.498639756;

// Day-advance factor of the Sun and Moon transit searches (SunTransit,
// MoonTransit): (24 h - LMST) times it is the UT to just past the next 0h
// of sidereal time: 0.997279513. A defined literal.
inline constexpr double kSunMoonTransitDayAdvance = 0.997279513;

// Ratio of mean sidereal to UT1 time, IAU 1982 (Aoki et al., A&A 105
// (1982) 359; Explanatory Supplement (1992) 2.24): 1.00273790935. The
// almanac's searches, which follow the hour angle to 0.01 s, use it.
inline constexpr double kSiderealPerUtIau1982 = 1.00273790935;

// ---------------------------------------------------------------------------
// The horizon of rising and setting
// ---------------------------------------------------------------------------

// Altitude of the centre at the rising and setting of RiseDate/SetDate
// (the minute search and the closed-form riset): the mathematical horizon,
// geocentric, no refraction, no semi-diameter.
inline constexpr double kGeometricHorizonDeg = 0.0;

// Standard refraction at the horizon, arc-minutes (Explanatory Supplement
// (1992) 9.31; Meeus, Astronomical Algorithms 2nd ed., ch. 15): 34'.
inline constexpr double kHorizonRefractionArcmin = 34.0;

// The Sun's mean semi-diameter, arc-minutes, as almanacs take it for
// sunrise and sunset (Explanatory Supplement (1992) 9.31): 16'.
inline constexpr double kSunSemiDiameterArcmin = 16.0;

// The Moon's radius in Earth equatorial radii (k = 0.2725, Explanatory
// Supplement (1992) 9.33; Meeus ch. 15): its semi-diameter is k times its
// horizontal parallax.
inline constexpr double kMoonRadiusEarthRadii = 0.2725;

// The Earth's equatorial radius, km, of the Moon's series (Astronomical
// Formulae for Calculators): 6378.14.
inline constexpr double kEarthEquatorialRadiusKm = 6378.14;

}  // namespace ephemkit
