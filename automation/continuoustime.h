// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Automation dates as continuous time, without Qt. An automation date is
// not a plain number line before day 0: the integer part counts back while
// the fraction still runs forward from midnight, so -1.25 (1899-12-29 06:00)
// lies 0.75 days before day 0, not 1.25, and adding a span to it moves it
// backwards within its day. Whatever adds, subtracts or compares instants,
// or turns one into a Julian date, goes through continuousDays and comes
// back through automationDateOf.
#pragma once

#include "automationdate.h"

#include <cmath>
#include <cstdint>

namespace automation {

// continuousDays: an automation date on the continuous line of days.
//
// Given:   date  automation date
// Returned (function value):
//   days from 1899-12-30 00:00 as a plain real number: the same number from
//   day 0 on; before it the whole day plus the forward fraction (-1.25 gives
//   -0.75). NaN and the infinities pass through.
//
// Notes:
//  1. Exact from day 0 on. Before it the whole day and the fraction are
//     exact, their sum is rounded once (1e-12 day in the 1800s).
//  2. Automation dates between -1 and 0 name the same instants as those
//     between 0 and 1 (-0.5 and 0.5 are both 1899-12-30 12:00), and map
//     there.
inline double continuousDays(double date)
{
    if (!(date < 0))
        return date;
    const double whole = std::trunc(date);
    return whole + (whole - date);  // both terms exact
}

// automationDateOf: the automation date of an instant on the continuous line
// of days, the inverse of continuousDays.
//
// Given:   days  days from 1899-12-30 00:00, a plain real number
// Returned (function value):
//   automation date: the same number from day 0 on; before it the whole day
//   counted back from the midnight before the instant, minus the fraction of
//   the day after that midnight (-0.75 gives -1.25). NaN and the infinities
//   pass through.
//
// Notes:
//  1. An instant that rounds onto the next midnight is that midnight, so the
//     day is never off by one.
inline double automationDateOf(double days)
{
    if (!(days < 0) || std::isinf(days))
        return days;
    const double day = std::floor(days);
    const double fraction = days - day;  // exact, [0, 1]
    const double date = day - fraction;
    if (fraction == 0)
        return day;
    if (!(date > day - 1))  // the fraction rounded to a whole day
        return day + 1 == 0 ? 0.0 : day + 1;
    return date;
}

// julianDateOf: the Julian date of an automation date, same time scale.
inline double julianDateOf(double date) { return continuousDays(date) + kJulianDayOfAutomationZero; }

// civilDayNumber: the automation date of 0h of a date of the proleptic
// Gregorian calendar (1900-01-01 is 2, 1850-06-21 is -18089).
//
// Reference: H. Hinnant, "chrono-compatible low-level date algorithms",
//   days_from_civil, shifted from 1970-01-01 to 1899-12-30.
constexpr std::int64_t civilDayNumber(std::int64_t year, int month, int day)
{
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yoe = year - era * 400;
    const std::int64_t doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + 25569;
}

}  // namespace automation
