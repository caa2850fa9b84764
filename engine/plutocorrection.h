// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Pluto's series held to JPL DE431 (plain C++, no Qt).
#pragma once

namespace ephemkit {

// PlutoCorrection: what to add to the heliocentric place of Pluto of the
// series of Meeus ch. 37 to bring it onto JPL DE431.
//
// Given:   jde     Julian ephemeris date, TT
// Returned:
//   dLonDeg  heliocentric ecliptic longitude, degrees (J2000.0 ecliptic)
//   dLatDeg  heliocentric ecliptic latitude, degrees (J2000.0 ecliptic)
//
// Notes:
//  1. The series is fitted to DE200 for 1885-2099; against DE431 its
//     longitude runs from about 1" behind in 1885 to 3.6" ahead in 2100.
//     A cubic in Julian centuries of TT from J2000.0, fitted by least
//     squares to DE431 - series every 10 days over 1885-2100, leaves at
//     most 0.63" in longitude and 0.16" in latitude.
//  2. Outside 1885 to 2100 the value at the nearer end of that span is
//     kept: the cubic is not carried where it was not fitted.
//  3. Reference: JPL DE431 through the Swiss Ephemeris file sepl_18.se1;
//     the fit is made by scripts/data/fit-pluto-correction.py.
struct PlutoCorrection {
    double dLonDeg = 0;
    double dLatDeg = 0;
};
PlutoCorrection plutoCorrection(double jde);

}  // namespace ephemkit
