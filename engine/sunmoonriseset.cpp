#include "sunmoonriseset.h"

#include "automationdate.h"
#include "horizonequatorial.h"
#include "modastrosubs.h"
#include "sunmoon.h"

#include <cmath>
#include <optional>

namespace ephemkit {

namespace {

constexpr int kStepsPerDay = 1440;

enum class Body { Sun, Moon };

struct Horizon {
    double altDeg;
    double azDeg;
};

Horizon horizonAt(Body body, double t, double latDeg, double lngWestDeg)
{
    const SunMoon r = SunMoonPosition(t);
    SkyPosition p;
    p.raHours = body == Body::Sun ? r.sunRaHours : r.moonRaHours;
    p.decDeg = body == Body::Sun ? r.sunDecDeg : r.moonDecDeg;
    HorizonEquatorial(latDeg, localMeanSiderealTime(t, lngWestDeg), p,
                      Conversion::EquatorialToHorizon);
    return {p.altDeg, p.azDeg};
}

void search(Body body, double utDate, double latDeg, double lngWestDeg, RiseSet &rs)
{
    const std::optional<automation::DayAndMs> split = automation::splitDayAndMs(utDate);
    if (!split) {
        const double nan = std::nan("");
        rs = RiseSet{nan, nan, nan, nan};
        return;
    }
    const double t0 = automation::midnightOf(split->day);
    int step = 0;
    auto instant = [&] { return t0 + double(step) / kStepsPerDay; };
    Horizon h = horizonAt(body, t0, latDeg, lngWestDeg);

    // Advances while the altitude stays on the starting side; true when it left it.
    auto run = [&](bool rising) {
        auto onStartSide = [&] { return rising ? h.altDeg < 0 : h.altDeg > 0; };
        while (onStartSide() && step < kStepsPerDay) {
            ++step;
            h = horizonAt(body, instant(), latDeg, lngWestDeg);
        }
        return !onStartSide();
    };

    auto record = [&](bool rising) {
        (rising ? rs.riseDate : rs.setDate) = instant();
        (rising ? rs.riseAzDeg : rs.setAzDeg) = h.azDeg;
    };

    // Below the horizon at 0h: rise first; up (altitude 0 included): set first.
    const bool riseFirst = h.altDeg < 0;
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

} // namespace

void SunRiseSet(double utDate, double latDeg, double lngWestDeg, RiseSet &rs)
{
    search(Body::Sun, utDate, latDeg, lngWestDeg, rs);
}

void MoonRiseSet(double utDate, double latDeg, double lngWestDeg, RiseSet &rs)
{
    search(Body::Moon, utDate, latDeg, lngWestDeg, rs);
}

} // namespace ephemkit
