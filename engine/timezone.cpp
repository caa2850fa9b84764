// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "timezone.h"

#include <ctime>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace ephemkit {

double systemTimeZoneHours()
{
#if defined(_WIN32)
    TIME_ZONE_INFORMATION info;
    const DWORD state = GetTimeZoneInformation(&info);
    switch (state) {
    case TIME_ZONE_ID_UNKNOWN:
    case TIME_ZONE_ID_STANDARD: return -double(info.Bias + info.StandardBias) / 60;
    case TIME_ZONE_ID_DAYLIGHT: return -double(info.Bias + info.DaylightBias) / 60;
    default: return 0;
    }
#else
    tzset();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (now == std::time_t(-1) || localtime_r(&now, &local) == nullptr)
        return 0;
    return double(local.tm_gmtoff) / 3600;
#endif
}

}  // namespace ephemkit
