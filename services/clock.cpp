#include "clock.h"

#include "timezone.h"

#include <cmath>
#include <ctime>

namespace noctalis {

namespace {

bool localTm(std::tm &local)
{
    tzset();
    const std::time_t now = std::time(nullptr);
    return now != std::time_t(-1) && localtime_r(&now, &local) != nullptr;
}

} // namespace

QDateTime SystemClock::localNow() const
{
    std::tm t{};
    if (!localTm(t))
        return QDateTime::currentDateTimeUtc();
    return QDateTime(QDate(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday),
                     QTime(t.tm_hour, t.tm_min, t.tm_sec < 60 ? t.tm_sec : 59), Qt::UTC);
}

int SystemClock::zoneOffsetSeconds() const
{
    return int(std::lround(ephemkit::systemTimeZoneHours() * 3600));
}

} // namespace noctalis
