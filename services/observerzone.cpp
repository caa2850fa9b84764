// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "observerzone.h"

#include "clock.h"
#include "preferences.h"

#include <cmath>

namespace noctalis {

namespace {

bool isKnownZone(const QString &zoneId)
{
    return !zoneId.isEmpty() && QTimeZone::isTimeZoneIdAvailable(zoneId.toUtf8());
}

}  // namespace

std::optional<CivilZone> placeZone(const QString &zoneId, double hours, const QDateTime &utc)
{
    if (!isKnownZone(zoneId))
        return std::nullopt;
    const QTimeZone zone(zoneId.toUtf8());
    const int seconds = int(std::lround(hours * 3600));
    if (zone.offsetFromUtc(utc) != seconds && zone.standardTimeOffset(utc) != seconds)
        return std::nullopt;
    return CivilZone(zone);
}

CivilZone observerZone(const Preferences &prefs, const Clock &clock)
{
    if (prefs.DetectTZ)
        return CivilZone(clock.systemZone());
    if (isKnownZone(prefs.ZoneId))
        return CivilZone(QTimeZone(prefs.ZoneId.toUtf8()));
    return CivilZone::fixedHours(prefs.TZ);
}

bool followsZone(const Preferences &prefs) { return prefs.DetectTZ || isKnownZone(prefs.ZoneId); }

}  // namespace noctalis
