// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "alarmdue.h"

namespace noctalis {

bool AlarmDue(double siderealTimeDays, double durationDays, double lmstDays)
{
    const double endDays = siderealTimeDays + durationDays;
    if (endDays > 1)
        return lmstDays >= siderealTimeDays || lmstDays < endDays - 1;
    return lmstDays >= siderealTimeDays && lmstDays < endDays;
}

bool IsWaveFile(const QString &soundParam) { return soundParam.toUpper().contains(QLatin1String(".WAV")); }

}  // namespace noctalis
