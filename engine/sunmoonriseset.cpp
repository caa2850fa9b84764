// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "sunmoonriseset.h"

#include "astroconst.h"
#include "continuoustime.h"
#include "horizonequatorial.h"
#include "modastrosubs.h"
#include "sunmoon.h"

#include <cmath>
#include <optional>

namespace ephemkit {

namespace {

constexpr int kStepsPerDay = 1440;

enum class Scan { EveryMinute, SkipFarFromHorizon };

// How fast the altitude of a body can change
// ------------------------------------------
// With hour angle H = LMST - RA, declination d and latitude p,
//   sin h = sin p sin d + cos p cos d cos H,
// and the standard relations of the astronomical triangle give
//   dh/dH = cos p sin A,   dh/dd = cos A'   (|cos A'| <= 1),
// so over any stretch of time
//   |delta h| <= |cos p| (|delta LMST| + |delta RA|) + |delta d|.
// On the grid one minute of UT is 60 * kSiderealPerUtLmst sidereal seconds, that is
// 0.2506845 degrees of LMST. A body moving on the sky at v degrees per minute
// with |d| <= dMax changes RA by at most v / cos dMax and d by at most v. So
// per minute
//   |delta h| <= |cos p| (0.2506845 + v / cos dMax) + v.
// Bounds of the series used here (with room to spare):
//   Sun:  v <= 1.02 degrees/day (perihelion 1.019), |d| <= 23.5 degrees;
//   Moon: v <= 16 degrees/day (perigee 15.4 in longitude, 1.2 in latitude),
//         |d| <= 29 degrees (23.45 + 5.15 and the nutation).
// The engine's Moon is geocentric, so parallax adds nothing. What the
// arithmetic adds is far below the margin: the next day's sidereal time at
// step 1440 differs from the day's own by 0.0003 s, the Sun's Kepler
// iteration stops within 1e-6 radian, rounding is 1e-13 degrees. The bound
// is used with a factor 1.2.
constexpr double kLmstDegPerMinute = 60 * kSiderealPerUtLmst / 240;
constexpr double kMargin = 1.2;

struct MotionBound {
    double degPerMinute;  // angular speed on the sky
    double maxDecDeg;     // largest |declination|
};
constexpr MotionBound kSunMotion{1.02 / 1440, 23.5};
constexpr MotionBound kMoonMotion{16.0 / 1440, 29.0};

double altitudeRateBound(Luminary body, double latDeg)
{
    const MotionBound m = body == Luminary::Sun ? kSunMotion : kMoonMotion;
    const double cosLat = std::fabs(std::cos(latDeg * kDegToRad));
    const double raRate = m.degPerMinute / std::cos(m.maxDecDeg * kDegToRad);
    return kMargin * (cosLat * (kLmstDegPerMinute + raRate) + m.degPerMinute);
}

// Steps ahead of the next minute that can be off the starting side of the
// horizon, seen from altitude altDeg: 1 + the whole minutes i >= 1 with
// |alt| - rate * i > 0, at least 1 (also for a NaN).
int stepsToNextCandidate(double altDeg, double ratePerMinute)
{
    const double minutes = std::ceil(std::fabs(altDeg) / ratePerMinute);
    if (!(minutes >= 2))
        return 1;
    return minutes < kStepsPerDay ? int(minutes) : kStepsPerDay;
}

struct Horizon {
    double altDeg;
    double azDeg;
};

Horizon horizonAt(Luminary body, double t, double latDeg, double lngWestDeg)
{
    const RaDec place = LuminaryPlace(body, SunMoonPosition(t));
    SkyPosition p;
    p.raHours = place.raHours;
    p.decDeg = place.decDeg;
    HorizonEquatorial(latDeg, localMeanSiderealTime(t, lngWestDeg), p, Conversion::EquatorialToHorizon);
    return {p.altDeg, p.azDeg};
}

void search(Luminary body, Scan scan, double utDate, double latDeg, double lngWestDeg, RiseSet &rs)
{
    const std::optional<automation::DayAndMs> split = automation::splitDayAndMs(utDate);
    if (!split) {
        const double nan = std::nan("");
        rs = RiseSet{nan, nan, nan, nan};
        return;
    }
    // Minutes of the day counted on the continuous line of days, so that
    // they run forward before 1899-12-30 too.
    const double t0Days = double(split->day);
    const double t0 = automation::midnightOf(split->day);
    const double rate = altitudeRateBound(body, latDeg);
    int step = 0;
    auto instant = [&] { return automation::automationDateOf(t0Days + double(step) / kStepsPerDay); };
    Horizon h = horizonAt(body, t0, latDeg, lngWestDeg);

    // Advances while the altitude stays on the starting side; true when it
    // left it. Skipped minutes are provably still on the starting side.
    auto run = [&](bool rising) {
        auto onStartSide = [&] { return rising ? h.altDeg < kGeometricHorizonDeg : h.altDeg > kGeometricHorizonDeg; };
        while (onStartSide() && step < kStepsPerDay) {
            const int ahead = scan == Scan::EveryMinute ? 1 : stepsToNextCandidate(h.altDeg, rate);
            step = step + ahead < kStepsPerDay ? step + ahead : kStepsPerDay;
            h = horizonAt(body, instant(), latDeg, lngWestDeg);
        }
        return !onStartSide();
    };

    auto record = [&](bool rising) {
        (rising ? rs.riseDate : rs.setDate) = instant();
        (rising ? rs.riseAzDeg : rs.setAzDeg) = h.azDeg;
    };

    // Below the horizon at 0h: rise first; up (altitude 0 included): set first.
    const bool riseFirst = h.altDeg < kGeometricHorizonDeg;
    if (!run(riseFirst)) {
        (riseFirst ? rs.riseDate : rs.setDate) = -1.0;  // no second search
        return;
    }
    record(riseFirst);
    if (!run(!riseFirst)) {
        if (riseFirst) {
            rs.setDate = -1.0;  // azimuth untouched
        } else {
            rs.riseDate = -1.0;
            rs.riseAzDeg = -1.0;
        }
        return;
    }
    record(!riseFirst);
}

}  // namespace

void SunRiseSet(double utDate, double latDeg, double lngWestDeg, RiseSet &rs)
{
    search(Luminary::Sun, Scan::SkipFarFromHorizon, utDate, latDeg, lngWestDeg, rs);
}

void MoonRiseSet(double utDate, double latDeg, double lngWestDeg, RiseSet &rs)
{
    search(Luminary::Moon, Scan::SkipFarFromHorizon, utDate, latDeg, lngWestDeg, rs);
}

void SunRiseSetEveryMinute(double utDate, double latDeg, double lngWestDeg, RiseSet &rs)
{
    search(Luminary::Sun, Scan::EveryMinute, utDate, latDeg, lngWestDeg, rs);
}

void MoonRiseSetEveryMinute(double utDate, double latDeg, double lngWestDeg, RiseSet &rs)
{
    search(Luminary::Moon, Scan::EveryMinute, utDate, latDeg, lngWestDeg, rs);
}

}  // namespace ephemkit
