// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "transit.h"

#include "astroconst.h"
#include "continuoustime.h"
#include "modastrosubs.h"
#include "sunmoon.h"

namespace ephemkit {

namespace {

constexpr int kMaxSteps = 1000;

void place(Luminary body, double utDate, double &raHours, double &decDeg)
{
    const RaDec p = LuminaryPlace(body, SunMoonPosition(utDate));
    raHours = p.raHours;
    decDeg = p.decDeg;
}

TransitFound bodyTransit(Luminary body, double start, double lngWestDeg)
{
    const double lng = double(float(lngWestDeg));
    // Steps are taken on the continuous line of days; LMST and places are
    // read at the automation date of each step.
    double days = automation::continuousDays(start);
    double t = start;
    double lmst = localMeanSiderealTime(t, lng);
    double ra = 0;
    double dec = 0;
    place(body, t, ra, dec);
    for (int i = 0; ra < lmst && i < kMaxSteps; ++i) {
        const double next = days + (24 - lmst) * kSunMoonTransitDayAdvance / 24;
        if (next == days)
            break;
        days = next;
        t = automation::automationDateOf(days);
        lmst = localMeanSiderealTime(t, lng);
        place(body, t, ra, dec);
    }
    for (int i = 0; ra > lmst && i < kMaxSteps; ++i) {
        const double next = days + (ra - lmst) / 24;
        if (next == days)
            break;
        days = next;
        t = automation::automationDateOf(days);
        place(body, t, ra, dec);
        lmst = localMeanSiderealTime(t, lng);
    }
    return {t, ra, dec};
}

}  // namespace

double DaysToTransit(double lmstHours, double raHours, bool lower)
{
    double target = raHours;
    if (lower) {
        target = raHours + 12;
        if (target > 24)
            target -= 24;
    }
    double d = (target - lmstHours) * kUtDaysPerSiderealDay / 24;
    if (d < 0)
        d += kUtDaysPerSiderealDay;
    return d;
}

double TransitElevation(double decDeg, double latDeg) { return decDeg + 90 - latDeg; }

TransitFound SunTransit(double startUtDate, double lngWestDeg)
{
    return bodyTransit(Luminary::Sun, startUtDate, lngWestDeg);
}

TransitFound MoonTransit(double startUtDate, double lngWestDeg)
{
    return bodyTransit(Luminary::Moon, startUtDate, lngWestDeg);
}

}  // namespace ephemkit
