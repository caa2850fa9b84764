// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "modastrosubs.h"

#include "astroconst.h"
#include "automationdate.h"
#include "continuoustime.h"

#include <cmath>
#include <cstdint>

namespace ephemkit {

namespace {

// Coefficients of the sidereal time polynomial, as the routine uses them
// (its epoch, century, rate and day come from astroconst.h).
constexpr double kLinearTerm = 8640184.812866;  // s per century
constexpr double kQuadraticTerm = 0.093104;     // s per century^2
constexpr double kCubicTerm = 6.2e-6;           // s per century^3, subtracted
constexpr double kConstantTerm = 24110.54841;   // s

// Seconds brought into [0, 86400] by whole days. The nearest whole number
// of days comes from adding and taking off 1.5 * 2^52, which rounds to an
// integer in two additions (|seconds| / 86400 stays far below 2^51); taking
// whole multiples of 86400 off is exact.
double lessWholeDays(double seconds)
{
    constexpr double kRoundToInteger = 0x1.8p52;
    const double days = (seconds * (1 / kSecondsPerDay) + kRoundToInteger) - kRoundToInteger;
    const double r = seconds - days * kSecondsPerDay;
    return r < 0 ? r + kSecondsPerDay : r;
}

}  // namespace

namespace detail {

double reduceFarSiderealHours(double hours)
{
    double l = hours;
    if (l > 24) {
        // Jump by whole steps, then finish step by step: the same double as
        // stepping all the way, since every partial result is exact.
        // Below 2^62 the conversion of the positive l / 24 to an integer is
        // its floor, without a library call.
        const double cycles = l / 24;
        const double steps = (cycles < 0x1p62 ? double(static_cast<std::int64_t>(cycles)) : std::floor(cycles)) - 1;
        if (steps > 0)
            l -= steps * 24;
        while (l > 24)
            l -= 24;
    }
    while (l < 0)
        l += 24;
    return l;
}

}  // namespace detail

namespace {

// The sidereal time at 0h UT of a civil day, seconds in [0, 86400]: the
// polynomial plus its constant term, less whole days. A whole day of 86400 s
// is a whole 24 h step of the hour value, which the reduction takes off in
// any case; taking it off here keeps the hour value below 48.1 h, where its
// reduction is mostly a single inline step, and the sum with the time of day exact to
// about 1e-11 s instead of 1e-9 s (1e-7 s in year 9999). Divisions by
// constants are multiplications by their reciprocals here: a division's
// latency is several multiplications', and what they change lies near
// 1e-16 of the value.
double siderealSecondsAtMidnight(std::int64_t day)
{
    const double jd0 = double(day) + automation::kJulianDayOfAutomationZero;
    const double t = (jd0 - kJ2000Jd) * (1 / kDaysPerJulianCentury);
    const double s = t * (kLinearTerm + t * (kQuadraticTerm - kCubicTerm * t));
    return lessWholeDays(s + kConstantTerm);
}

}  // namespace

void LocalMeanSiderealTime(double utDate, double lngWestDeg, double &lmstHours)
{
    const std::optional<automation::DayAndMs> split = automation::splitDayAndMs(utDate);
    if (!split) {
        lmstHours = std::nan("");
        return;
    }
    const double g0 = siderealSecondsAtMidnight(split->day);
    const double uts = double(split->msOfDay / 1000);  // whole seconds of the day

    const double l = ReduceSiderealHours((g0 + uts * kSiderealPerUtLmst) * (1.0 / 3600));

    double lmst = l - lngWestDeg * (1.0 / 15);
    while (lmst < 0)
        lmst += 24;
    lmstHours = lmst;
}

double localMeanSiderealTime(double utDate, double lngWestDeg)
{
    double lmst = 0;
    LocalMeanSiderealTime(utDate, lngWestDeg, lmst);
    return lmst;
}

double SiderealToUT(double lmstHours, double utDate, double lngWestDeg)
{
    if (!automation::isAutomationDate(utDate))
        return std::nan("");
    const double midnight = automation::midnightOf(std::int64_t(std::trunc(utDate)));
    const double lmst0 = localMeanSiderealTime(midnight, lngWestDeg);
    if (lmstHours == lmst0)
        return midnight;
    // The time of day is added on the continuous line of days (midnight is a
    // whole day, the same number there).
    const double sidereal = lmstHours > lmst0 ? lmstHours - lmst0 : lmstHours + 24 - lmst0;
    return automation::automationDateOf(midnight + sidereal * kUtPerSiderealHour / 24);
}

}  // namespace ephemkit
