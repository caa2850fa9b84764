// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "clock.h"

#include "timezone.h"

#include <cmath>
#include <ctime>

namespace noctalis {

QDateTime wholeSecond(const QDateTime &reading)
{
    return reading.addMSecs(-reading.time().msec());
}

QDateTime SystemClock::localNow() const { return wholeSecond(localNowMs()); }

QDateTime SystemClock::localNowMs() const
{
    tzset();
    std::timespec now{};
    std::tm t{};
    if (std::timespec_get(&now, TIME_UTC) != TIME_UTC || localtime_r(&now.tv_sec, &t) == nullptr)
        return QDateTime::currentDateTimeUtc();
    // A leap second shows as the last second of its minute.
    return QDateTime(QDate(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday),
                     QTime(t.tm_hour, t.tm_min, t.tm_sec < 60 ? t.tm_sec : 59, int(now.tv_nsec / 1000000)),
                     Qt::UTC);
}

int SystemClock::zoneOffsetSeconds() const
{
    return int(std::lround(ephemkit::systemTimeZoneHours() * 3600));
}

} // namespace noctalis
