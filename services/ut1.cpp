// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "ut1.h"

#include "automationdate.h"
#include "backgroundstep.h"
#include "settingvalues.h"

#include <algorithm>
#include <cmath>

namespace noctalis {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

}  // namespace

int msecsToNextSiderealSecond(double hours)
{
    const double seconds = hours * 3600;
    const double toNext = std::floor(seconds) + 1 - seconds;  // (0, 1] sidereal seconds
    return std::max(1, int(std::ceil(toNext / kSiderealSecondsPerUtSecond * 1000)));
}

bool isValidDut1(double seconds) { return std::fabs(seconds) < kDut1LimitSeconds; }

double readDut1Setting(const SettingsStore &store)
{
    const double seconds = readNumberSetting(store, QStringLiteral("DUT1"), QStringLiteral("0"));
    if (isValidDut1(seconds))
        return seconds;
    qCInfo(lcSettings) << "DUT1 of" << seconds << "s is outside -0.9 to 0.9 s: read as 0";
    return 0;
}

Ut1Reading::Ut1Reading(double utDate, double dut1Seconds) : engineUtDate(utDate)
{
    const std::optional<automation::DayAndMs> split = automation::splitDayAndMs(utDate);
    if (!split || (dut1Seconds == 0 && split->msOfDay % 1000 == 0))
        return;
    const double seconds = double(split->msOfDay) / 1000 + dut1Seconds;  // of the day, may leave it
    const double whole = std::floor(seconds);
    remainderSeconds = seconds - whole;
    std::int64_t day = split->day;
    auto wholeSeconds = static_cast<std::int64_t>(whole);
    if (wholeSeconds < 0) {
        wholeSeconds += kSecondsPerDay;
        --day;
    } else if (wholeSeconds >= kSecondsPerDay) {
        wholeSeconds -= kSecondsPerDay;
        ++day;
    }
    engineUtDate = automation::joinDayAndMs(day, wholeSeconds * 1000);
}

double Ut1Reading::sidereal(double hours) const
{
    if (remainderSeconds == 0)
        return hours;
    const double moved = hours + remainderSeconds * kSiderealSecondsPerUtSecond / 3600;
    return moved >= 24 ? moved - 24 : moved;
}

}  // namespace noctalis
