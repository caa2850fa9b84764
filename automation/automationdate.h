// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The automation date without Qt: a double counting days from 1899-12-30
// 00:00 whose fraction is the time of day. Before day 0 the integer part
// counts back and the fraction still runs forward from midnight (-1.25 is
// 1899-12-29 06:00).
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

namespace automation {

constexpr std::int64_t kMsPerDay = 86400000;

// The Julian date of automation date 0 (1899-12-30 00:00).
constexpr double kJulianDayOfAutomationZero = 2415018.5;

// The earliest and latest automation dates that convert (years 100 and 9999).
constexpr double kMinAutomationDate = -657434.0;
constexpr double kMaxAutomationDate = 2958465.99999999;

// isAutomationDate: whether a number converts to a civil date and time.
//
// Given:   days  a number taken as an automation date
// Returned (function value):
//   true when days falls on a civil day from 0100-01-01 (day
//   kMinAutomationDate, whose times count back from it: -657434.5 is
//   0100-01-01 12:00) to 10000-01-01, which the civil calendar still holds
//   (up to kMaxAutomationDate + 1); false for anything else, NaN and the
//   infinities included.
constexpr bool isAutomationDate(double days)
{
    return days > kMinAutomationDate - 1.0 && days <= kMaxAutomationDate + 1.0;
}

// A date taken apart into its civil day (days from 1899-12-30) and the
// milliseconds of that day, the fraction rounded to the millisecond.
struct DayAndMs {
    std::int64_t day;
    std::int64_t msOfDay;
};

// splitDayAndMs: an automation date taken apart.
//
// Given:   days  automation date
// Returned (function value):
//   the civil day and the milliseconds of that day; nothing when days is no
//   automation date (isAutomationDate), so no number is ever cast out of the
//   range of the integers.
inline std::optional<DayAndMs> splitDayAndMs(double days)
{
    if (!isAutomationDate(days))
        return std::nullopt;
    // Truncation and rounding by conversion to integers, without library
    // calls: the day fits an integer exactly, and the milliseconds (0 to
    // kMsPerDay) less their whole part are exact, so ties go away from zero
    // as with std::llround.
    const std::int64_t day = static_cast<std::int64_t>(days);
    const double fraction = std::fabs(days - double(day));  // exact
    const double ms = fraction * double(kMsPerDay);
    DayAndMs r{day, static_cast<std::int64_t>(ms)};
    if (ms - double(r.msOfDay) >= 0.5)
        ++r.msOfDay;
    if (r.msOfDay >= kMsPerDay) {
        r.msOfDay -= kMsPerDay;
        r.day += 1;
    }
    return r;
}

// joinDayAndMs: the automation date of a civil day and a time of that day,
// the inverse of splitDayAndMs (before 1899-12-30 the fraction runs forward
// from the negative whole day: -1.25 is 1899-12-29 06:00).
inline double joinDayAndMs(std::int64_t day, std::int64_t msOfDay)
{
    const double fraction = double(msOfDay) / double(kMsPerDay);
    return day < 0 ? double(day) - fraction : double(day) + fraction;
}

// The automation date of 0h of a civil day.
inline double midnightOf(std::int64_t day) { return double(day); }

}  // namespace automation
