// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// TT - UT of the planet layer (plain C++, no Qt).
#pragma once

namespace ephemkit {

// deltaTSeconds: TT - UT, seconds, for a UT Julian date.
//
// Given:   jdUt  Julian date, UT
// Returned (function value): TT - UT1, seconds
// Notes:
//  1. Before 1800: libnova's table (ln_get_dynamical_time_diff).
//  2. 1800 to 1973: the polynomials of Espenak and Meeus (NASA Five
//     Millennium Canon of Solar Eclipses, 2006); during 1973 they are
//     carried linearly into the first observed value.
//  3. 1974 January 1 to 2026 October 1: the observed values of the IERS
//     (USNO deltat.data) on January 1 of each year and on 2026 October 1,
//     interpolated linearly in time; within 0.1 s of the monthly values.
//  4. Afterwards the prediction 69.2065 + 0.276 t + 0.00042 t^2 seconds, t
//     in Julian years from 2026 October 1: the rate of the USNO prediction
//     for 2026-2033 and a long-term curvature that gives 90 s in 2095
//     (sources and values in deltat.cpp). About 71 s in 2033, 76 s in 2050,
//     92 s in 2100; the real value may stray by several seconds within
//     decades.
double deltaTSeconds(double jdUt);

}  // namespace ephemkit
