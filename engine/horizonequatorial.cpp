// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "horizonequatorial.h"

#include "astronomy_funcs.h"
#include "hourangle.h"

#include <cmath>

namespace ephemkit {

namespace {

constexpr double kHalfPiArcSin = 1.570796326794895;  // pi/2 of ArcSin's clamp
constexpr double kHalfPi = 1.570796327;              // pi/2 of ArcCos and x == 1
constexpr double kTwoPi = 6.283185308;               // azimuth / hour-angle flip
constexpr double kDenominatorFloor = 1e-20;

}  // namespace

double ArcSin(double x)
{
    if (std::fabs(x) >= 1)
        return x > 0 ? kHalfPiArcSin : -kHalfPiArcSin;
    return std::atan(x / std::sqrt(1 - x * x));
}

double ArcCos(double x) { return kHalfPi - ArcSin(x); }

void HorizonEquatorial(double latDeg, double lmstHours, SkyPosition &pos, Conversion direction)
{
    const double phi = degreesToRadians(latDeg);
    const double sinPhi = std::sin(phi);
    const double cosPhi = std::cos(phi);

    double a = 0;
    double b = 0;
    if (direction == Conversion::HorizonToEquatorial) {
        a = degreesToRadians(pos.azDeg);
        b = degreesToRadians(pos.altDeg);
    } else {
        a = degreesToRadians(hoursToDegrees(HourAngle::between(lmstHours, pos.raHours).sinceTransit()));
        b = degreesToRadians(pos.decDeg);
    }

    const double x = std::sin(b) * sinPhi + std::cos(b) * cosPhi * std::cos(a);
    const double p = x == 1.0 ? kHalfPi : ArcSin(x);
    double d = std::cos(p) * cosPhi;
    if (d < kDenominatorFloor)
        d = kDenominatorFloor;
    const double c = (std::sin(b) - sinPhi * x) / d;
    double q = ArcCos(c);
    if (std::sin(a) > 0)
        q = kTwoPi - q;

    if (direction == Conversion::HorizonToEquatorial) {
        pos.decDeg = radiansToDegrees(p);
        double ra = HourAngle::fromHours(degreesToHours(radiansToDegrees(q))).rightAscension(lmstHours);
        while (ra < 0)
            ra += 24;
        while (ra > 24)
            ra -= 24;
        pos.raHours = ra;
    } else {
        pos.altDeg = radiansToDegrees(p);
        double az = radiansToDegrees(q);
        while (az > 360)
            az -= 360;
        pos.azDeg = az;
    }
}

}  // namespace ephemkit
