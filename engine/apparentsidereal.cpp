// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "apparentsidereal.h"

#include "astroconst.h"
#include "astronomy_funcs.h"
#include "continuoustime.h"
#include "modastrosubs.h"

#include <libnova/nutation.h>

#include <cmath>

namespace ephemkit {

namespace {

// The equation of the equinoxes, seconds of time, at a UT Julian date.
double equationOfEquinoxesAtJd(double jdUt)
{
    ln_nutation n{};
    ln_get_nutation(jdUt, &n);
    const double trueObliquityRad = (n.ecliptic + n.obliquity) * kDegToRad;
    return n.longitude * 3600 * std::cos(trueObliquityRad) / 15;
}

}  // namespace

double EquationOfEquinoxesSeconds(double utDate) { return equationOfEquinoxesAtJd(automation::julianDateOf(utDate)); }

double LocalApparentSiderealTime(double utDate, double lngWestDeg)
{
    return wrapHours24(localMeanSiderealTime(utDate, lngWestDeg) + EquationOfEquinoxesSeconds(utDate) / 3600);
}

double ApparentSiderealHours(double utDays, double lngWestDeg)
{
    const double jdUt = utDays + automation::kJulianDayOfAutomationZero;
    const double d = jdUt - kJ2000Jd;
    const double t = d / kDaysPerJulianCentury;
    const double gmstDeg = 280.46061837 + 360.98564736629 * d + 0.000387933 * t * t - t * t * t / 38710000;
    return wrapHours24(gmstDeg / 15 - lngWestDeg / 15 + equationOfEquinoxesAtJd(jdUt) / 3600);
}

}  // namespace ephemkit
