// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "clock.h"

#include "civilzone.h"

namespace noctalis {

QDateTime wholeSecond(const QDateTime &reading) { return reading.addMSecs(-reading.time().msec()); }

QDateTime Clock::localNow() const { return CivilZone(systemZone()).toCivil(utcNow()); }

int Clock::zoneOffsetSeconds() const { return CivilZone(systemZone()).offsetSecondsAt(utcNowMs()); }

QDateTime SystemClock::utcNowMs() const { return QDateTime::currentDateTimeUtc(); }

QTimeZone SystemClock::systemZone() const
{
    const QTimeZone zone = QTimeZone::systemTimeZone();
    return zone.isValid() ? zone : QTimeZone::utc();
}

}  // namespace noctalis
