// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Civil time zones: UT to civil time and back, daylight saving included, and
// which zone the observer's preferences name.

#include "civilzone.h"
#include "observerzone.h"
#include "clock.h"
#include "preferences.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

QDateTime utc(int y, int mo, int d, int h, int mi = 0) { return QDateTime(QDate(y, mo, d), QTime(h, mi), Qt::UTC); }

// Civil time and back across the switches of tzdata zones and for fixed
// offsets beyond the +-14 h that tzdata zones reach: a skipped civil time is
// taken with the offset before the switch, a repeated one at its first
// occurrence.
TEST(CivilZone, TurnsUtIntoCivilTimeAndBack)
{
    struct Case {
        const char *what;
        CivilZone zone;
        QDateTime civil;      // as typed
        QDateTime ut;         // the instant it means
        QDateTime civilOfUt;  // the civil time shown for that instant
    };
    const CivilZone berlin(QTimeZone("Europe/Berlin"));
    const CivilZone santiago(QTimeZone("America/Santiago"));
    const Case cases[] = {
        {"Berlin winter", berlin, utc(2026, 1, 15, 12), utc(2026, 1, 15, 11), utc(2026, 1, 15, 12)},
        {"Berlin summer", berlin, utc(2026, 7, 15, 12), utc(2026, 7, 15, 10), utc(2026, 7, 15, 12)},
        {"Berlin skipped hour", berlin, utc(2026, 3, 29, 2, 30), utc(2026, 3, 29, 1, 30), utc(2026, 3, 29, 3, 30)},
        {"Berlin repeated hour", berlin, utc(2026, 10, 25, 2, 30), utc(2026, 10, 25, 0, 30), utc(2026, 10, 25, 2, 30)},
        {"Santiago summer (south)", santiago, utc(2026, 1, 15, 12), utc(2026, 1, 15, 15), utc(2026, 1, 15, 12)},
        {"Santiago winter", santiago, utc(2026, 7, 15, 12), utc(2026, 7, 15, 16), utc(2026, 7, 15, 12)},
        {"fixed -24 h", CivilZone::fixedHours(-24), utc(2026, 1, 1, 0), utc(2026, 1, 2, 0), utc(2026, 1, 1, 0)},
        {"fixed +5:45", CivilZone::fixedHours(5.75), utc(2026, 1, 1, 0), utc(2025, 12, 31, 18, 15), utc(2026, 1, 1, 0)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.zone.toUtc(c.civil), c.ut);
        EXPECT_EQ(c.zone.toCivil(c.ut), c.civilOfUt);
    }
}

// The computer's zone with DetectTZ; else the named zone when tzdata knows
// it; else the fixed hours. A place's zone counts only when its offset or
// standard offset is the place's hours.
TEST(CivilZone, ObserverAndPlaceZones)
{
    ManualClock clock;
    clock.zone = QTimeZone("America/Santiago");
    const QDateTime july = utc(2026, 7, 15, 12);
    struct Case {
        const char *what;
        bool detect;
        const char *zoneId;
        double tz;
        int offsetInJulySeconds;
    };
    for (const Case &c : {Case{"the computer's", true, "Europe/Berlin", 3, -4 * 3600},
                          Case{"named", false, "Europe/Berlin", 1, 2 * 3600},
                          Case{"unknown name: the hours", false, "Nowhere/Atlantis", 5.75, 20700},
                          Case{"fixed", false, "", -10, -10 * 3600}}) {
        SCOPED_TRACE(c.what);
        Preferences p;
        p.DetectTZ = c.detect;
        p.ZoneId = QLatin1String(c.zoneId);
        p.TZ = c.tz;
        EXPECT_EQ(observerZone(p, clock).offsetSecondsAt(july), c.offsetInJulySeconds);
    }
    EXPECT_TRUE(placeZone(QStringLiteral("Europe/Berlin"), 1, july)) << "its standard offset";
    EXPECT_TRUE(placeZone(QStringLiteral("Europe/Berlin"), 2, july)) << "its offset now";
    EXPECT_FALSE(placeZone(QStringLiteral("Europe/Berlin"), 5, july)) << "hours typed for another zone";
    EXPECT_FALSE(placeZone(QString(), 1, july));
}

}  // namespace
