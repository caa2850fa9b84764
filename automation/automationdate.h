// The automation date without Qt: a double counting days from 1899-12-30
// 00:00 whose fraction is the time of day. Before day 0 the integer part
// counts back and the fraction still runs forward from midnight (-1.25 is
// 1899-12-29 06:00).
#pragma once

#include <cmath>
#include <cstdint>

namespace automation {

constexpr std::int64_t kMsPerDay = 86400000;

// A date taken apart into its civil day (days from 1899-12-30) and the
// milliseconds of that day, the fraction rounded to the millisecond.
struct DayAndMs {
    std::int64_t day;
    std::int64_t msOfDay;
};

inline DayAndMs splitDayAndMs(double days)
{
    const double whole = std::trunc(days);
    const double fraction = std::fabs(days - whole);  // exact
    DayAndMs r{static_cast<std::int64_t>(whole),
               static_cast<std::int64_t>(std::llround(fraction * double(kMsPerDay)))};
    if (r.msOfDay >= kMsPerDay) {
        r.msOfDay -= kMsPerDay;
        r.day += 1;
    }
    return r;
}

// The automation date of 0h of a civil day.
inline double midnightOf(std::int64_t day) { return double(day); }

} // namespace automation
