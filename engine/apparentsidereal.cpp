// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "apparentsidereal.h"

#include "automationdate.h"
#include "modastrosubs.h"

#include <libnova/nutation.h>

#include <cmath>

namespace ephemkit {

namespace {

constexpr double kJ2000Jd = 2451545.0;
constexpr double kDeg = M_PI / 180;

double wrapHours(double hours)
{
    const double h = std::fmod(hours, 24.0);
    return h < 0 ? h + 24 : h;
}

} // namespace

double EquationOfEquinoxesSeconds(double utDate)
{
    ln_nutation n{};
    ln_get_nutation(utDate + automation::kJulianDayOfAutomationZero, &n);
    const double trueObliquityRad = (n.ecliptic + n.obliquity) * kDeg;
    return n.longitude * 3600 * std::cos(trueObliquityRad) / 15;
}

double LocalApparentSiderealTime(double utDate, double lngWestDeg)
{
    return wrapHours(localMeanSiderealTime(utDate, lngWestDeg) +
                     EquationOfEquinoxesSeconds(utDate) / 3600);
}

double ApparentSiderealHours(double utDate, double lngWestDeg)
{
    const double d = utDate + automation::kJulianDayOfAutomationZero - kJ2000Jd;
    const double t = d / 36525;
    const double gmstDeg = 280.46061837 + 360.98564736629 * d + 0.000387933 * t * t -
                           t * t * t / 38710000;
    return wrapHours(gmstDeg / 15 - lngWestDeg / 15 + EquationOfEquinoxesSeconds(utDate) / 3600);
}

} // namespace ephemkit
