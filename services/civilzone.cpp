// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "civilzone.h"

#include <cmath>

namespace noctalis {

CivilZone CivilZone::fixedHours(double hours)
{
    CivilZone zone;
    zone.m_fixedSeconds = int(std::lround(hours * 3600));
    return zone;
}

CivilZone::CivilZone(const QTimeZone &zone) : m_zone(zone.isValid() ? zone : QTimeZone::utc()) {}

int CivilZone::offsetSecondsAt(const QDateTime &utc) const
{
    return m_fixedSeconds ? *m_fixedSeconds : m_zone.offsetFromUtc(utc);
}

QDateTime CivilZone::toCivil(const QDateTime &utc) const
{
    QDateTime civil = utc.toUTC().addSecs(offsetSecondsAt(utc));
    return civil;
}

QDateTime CivilZone::toUtc(const QDateTime &civil) const
{
    const QDateTime asUtc(civil.date(), civil.time(), Qt::UTC);
    if (m_fixedSeconds)
        return asUtc.addSecs(-*m_fixedSeconds);
    // The offset in force a day before and after brackets the answer: try
    // the earlier offset first (the first occurrence of a repeated hour,
    // the offset before a skipped one).
    const int before = m_zone.offsetFromUtc(asUtc.addDays(-1));
    const int after = m_zone.offsetFromUtc(asUtc.addDays(1));
    for (int offset : {before, after}) {
        const QDateTime utc = asUtc.addSecs(-offset);
        if (m_zone.offsetFromUtc(utc) == offset)
            return utc;
    }
    return asUtc.addSecs(-before);
}

}  // namespace noctalis
