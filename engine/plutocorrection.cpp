// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "plutocorrection.h"

#include "astroconst.h"

#include <algorithm>

namespace ephemkit {

namespace {

constexpr double kFirstJde = 2409542.5;  // 1885-01-01, start of the fit
constexpr double kLastJde = 2488069.5;   // 2100-12-31, end of the fit

// DE431 - series, arcseconds: c0 + c1 T + c2 T^2 + c3 T^3, T in Julian
// centuries of TT from J2000.0 (scripts/data/fit-pluto-correction.py).
constexpr double kLonArcsec[] = {-0.3630, -0.3832, -1.3749, -1.8498};
constexpr double kLatArcsec[] = {0.0391, 0.4773, 0.0202, -0.5927};

double cubic(const double (&c)[4], double t) { return c[0] + t * (c[1] + t * (c[2] + t * c[3])); }

}  // namespace

PlutoCorrection plutoCorrection(double jde)
{
    const double t = (std::clamp(jde, kFirstJde, kLastJde) - kJ2000Jd) / kDaysPerJulianCentury;
    return {cubic(kLonArcsec, t) / 3600, cubic(kLatArcsec, t) / 3600};
}

}  // namespace ephemkit
