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

// Adds whole steps of `step` while value < 0. Adding a whole multiple of the
// step at once gives the same double as adding it step by step, because every
// partial sum is smaller in magnitude than the start and exactly representable.
double raiseToNonNegative(double value, double step)
{
    if (value < 0) {
        value += std::ceil(-value / step) * step;
        while (value < 0)
            value += step;
    }
    return value;
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

// The sidereal time at 0h UT of a civil day, seconds (the polynomial raised
// to a value not below 0, plus its constant term).
double siderealSecondsAtMidnight(std::int64_t day)
{
    const double jd0 = double(day) + automation::kJulianDayOfAutomationZero;
    const double t = (jd0 - kJ2000Jd) / kDaysPerJulianCentury;
    const double s = kLinearTerm * t + kQuadraticTerm * t * t - kCubicTerm * t * t * t;
    return raiseToNonNegative(s, kSecondsPerDay) + kConstantTerm;
}

}  // namespace

void LocalMeanSiderealTime(double utDate, double lngWestDeg, double &lmstHours)
{
    if (!automation::isAutomationDate(utDate)) {
        lmstHours = std::nan("");
        return;
    }
    // The day's start is begun from the truncated date while its milliseconds
    // are rounded: only the last half millisecond of a day rounds into the
    // next, which then starts again from that day.
    const auto truncatedDay = static_cast<std::int64_t>(utDate);
    double g0 = siderealSecondsAtMidnight(truncatedDay);
    const automation::DayAndMs split = *automation::splitDayAndMs(utDate);
    if (split.day != truncatedDay) [[unlikely]]
        g0 = siderealSecondsAtMidnight(split.day);
    const double uts = double(split.msOfDay / 1000);  // whole seconds of the day

    const double l = ReduceSiderealHours((g0 + uts * kSiderealPerUtLmst) / 3600);

    double lmst = l - lngWestDeg / 15;
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
