// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Almanac rising, transit and setting, and the place of a target now,
// against PyEphem's own searches with the almanac's conventions
// (tests/data/almanac_reference.csv) and a published worked example.

#include "almanac.h"
#include "continuoustime.h"
#include "referencedata.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace {

constexpr double kSecond = 1.0 / 86400;

double field(const QStringList &row, int i) { return row[i].toDouble(); }
bool none(const QStringList &row, int i) { return row[i] == QLatin1String("-"); }

const char *className(int body)
{
    return body == ephemkit::kSun ? "Sun" : body == ephemkit::kMoon ? "Moon" : "planets";
}

}  // namespace

// Every day of the reference: the same status, the same events found, times
// within a bound (seconds, three times as much beyond 61 degrees) and azimuths and transit altitudes within 0.1
// degree. Most rows lie between 60 degrees north and south; the rest between
// 62 and 72, with days of midnight sun and polar night. Days of 1800-1899
// (the Sun and the Moon of 1850-06-21 at Greenwich among them) are reported
// on their own.
TEST(AlmanacDay, AgreesWithPyEphemAtAllLatitudes)
{
    struct Stats {
        testdata::ErrorStats time, angle;
        double boundSeconds;
    };
    std::map<std::string, Stats> stats;
    for (const char *era : {"", " 1800-1899"}) {
        stats[std::string("Sun") + era] = {{}, {}, 10};
        stats[std::string("Moon") + era] = {{}, {}, 10};
        stats[std::string("planets") + era] = {{}, {}, 5};
    }
    int noEventDays = 0;
    for (const QStringList &row : testdata::readCsv("almanac_reference.csv")) {
        const int body = row[0].toInt();
        const double start = field(row, 1);
        const double lat = field(row, 2);
        const ephemkit::AlmanacDayEvents d = ephemkit::AlmanacDay({body, 0, 0}, start, lat, field(row, 3));
        const std::string where = row.join(QLatin1Char(',')).toStdString();
        Stats &s = stats[std::string(className(body)) + (start < 0 ? " 1800-1899" : "")];
        ASSERT_EQ(d.status, row[4].toInt()) << where;
        noEventDays += d.status != ephemkit::kAlmanacRisesOrSets;

        const auto check = [&](bool found, double t, double angle, int column, const char *what) {
            ASSERT_EQ(found, !none(row, column)) << what << ": " << where;
            if (!found)
                return;
            // Before 1899-12-30 automation dates are no plain number line.
            const double dt =
                (automation::continuousDays(t) - automation::continuousDays(field(row, column))) / kSecond;
            // Near the circumpolar limit the altitude changes slowly and a
            // small difference in place moves the time a lot.
            const double bound = std::fabs(lat) > 61 ? 3 * s.boundSeconds : s.boundSeconds;
            EXPECT_LT(std::fabs(dt), bound) << what << ": " << where;
            s.time.add(dt);
            const double da = std::remainder(angle - field(row, column + 1), 360.0);
            EXPECT_LT(std::fabs(da), 0.1) << what << " angle: " << where;
            s.angle.add(da);
        };
        check(d.rise.found, d.rise.utDate, d.rise.azDeg, 5, "rise");
        check(d.transitFound, d.transitUtDate, d.transitAltDeg, 7, "transit");
        check(d.set.found, d.set.utDate, d.set.azDeg, 9, "set");
    }
    EXPECT_GT(noEventDays, 10) << "the reference holds days without rising or setting";
    EXPECT_GE(stats["Sun 1800-1899"].time.count(), 20);
    EXPECT_GE(stats["Moon 1800-1899"].time.count(), 20);
    EXPECT_GE(stats["planets 1800-1899"].time.count(), 30);
    for (const auto &[name, s] : stats) {
        testdata::report("almanac " + name + " times", s.time, 1, "s");
        testdata::report("almanac " + name + " azimuths and transit altitudes", s.angle, 1, "deg");
    }
}

// Meeus, Astronomical Algorithms 2nd ed., example 15.a: Venus at Boston
// (42 deg 20' N, 71 deg 05' W) on 1988 March 20: rising 12h25m, transit
// 19h41m, setting 2h55m UT.
TEST(AlmanacDay, VenusAtBostonAsPublished)
{
    const double day = 32222;  // 1988-03-20 0h UT
    const ephemkit::AlmanacDayEvents d = ephemkit::AlmanacDay({1, 0, 0}, day, 42 + 20.0 / 60, 71 + 5.0 / 60);
    ASSERT_EQ(d.status, ephemkit::kAlmanacRisesOrSets);
    ASSERT_TRUE(d.rise.found && d.transitFound && d.set.found);
    const double minute = 1.0 / 1440;
    EXPECT_NEAR(d.rise.utDate, day + (12 * 60 + 25) * minute, minute);
    EXPECT_NEAR(d.transitUtDate, day + (19 * 60 + 41) * minute, minute);
    EXPECT_NEAR(d.set.utDate, day + (2 * 60 + 55) * minute, minute);
}

// The place now agrees with the day: risen between rising and setting, the
// transits around the instant are those of the day, one sidereal day apart
// for a fixed place, and the altitude at the transit is the day's.
TEST(AlmanacAt, TransitsAroundTheInstantAndRisenBetweenRiseAndSet)
{
    const double day = 45600;  // 2024-11-05 0h UT
    for (int body : {ephemkit::kSun, ephemkit::kMoon, 3, ephemkit::kNoBody}) {
        const ephemkit::AlmanacTarget target{body, 5.9195, 7.4071};  // fixed: Betelgeuse
        const ephemkit::AlmanacDayEvents d = ephemkit::AlmanacDay(target, day, 52, 0);
        ASSERT_TRUE(d.rise.found && d.set.found && d.transitFound) << body;
        for (double t = day + 0.01; t < day + 1; t += 0.05) {
            const ephemkit::AlmanacNow n = ephemkit::AlmanacAt(target, t, 52, 0);
            const bool risen = d.rise.utDate < d.set.utDate ? t > d.rise.utDate && t < d.set.utDate
                                                            : t > d.rise.utDate || t < d.set.utDate;
            EXPECT_EQ(n.up, risen) << body << " at " << t;
            EXPECT_LE(n.lastTransitUtDate, t);
            EXPECT_GT(n.nextTransitUtDate, t);
            const double transit = t < d.transitUtDate ? n.nextTransitUtDate : n.lastTransitUtDate;
            EXPECT_NEAR(transit, d.transitUtDate, kSecond) << body << " at " << t;
            if (body == ephemkit::kNoBody) {
                EXPECT_NEAR(n.nextTransitUtDate - n.lastTransitUtDate, 0.9972695664, kSecond);
            }
        }
        EXPECT_NEAR(ephemkit::AlmanacAt(target, d.transitUtDate, 52, 0).altDeg, d.transitAltDeg, 1e-6);
    }
}

// Nodes kept between calls give every target the day and the place it has
// when computed alone, whatever was asked before: here the planets of a
// refresh in turn, the place now before and after the day, and days either
// side of a whole day at 0h UT, a day apart. (Within 0.01 s and 1e-6 degree:
// libnova keeps its nutation for 0.1 day, so the order of calls may move
// the last digits.)
TEST(AlmanacDay, NodesKeptBetweenCallsGiveTheSameRows)
{
    const double tolerance = 0.01 * kSecond;
    for (const double day : {2.0 - 1.0 / 24, 36526.0, 45600 - 1.0 / 24, 45601 + 5.0 / 24}) {
        ephemkit::PlanetDayNodes kept;
        for (int body = 0; body < 8; ++body) {
            const ephemkit::AlmanacTarget target{body, 0, 0};
            const double now = day + 0.3 + 0.1 * body;
            const ephemkit::AlmanacNow before = ephemkit::AlmanacAt(target, now, 52, 0.1, &kept);
            const ephemkit::AlmanacDayEvents d = ephemkit::AlmanacDay(target, day, 52, 0.1, &kept);
            const ephemkit::AlmanacNow after = ephemkit::AlmanacAt(target, now + 1, 52, 0.1, &kept);
            const ephemkit::AlmanacDayEvents alone = ephemkit::AlmanacDay(target, day, 52, 0.1);
            ASSERT_EQ(d.status, alone.status) << body << " " << day;
            ASSERT_EQ(d.rise.found, alone.rise.found) << body << " " << day;
            ASSERT_EQ(d.set.found, alone.set.found) << body << " " << day;
            ASSERT_EQ(d.transitFound, alone.transitFound) << body << " " << day;
            EXPECT_NEAR(d.rise.utDate, alone.rise.utDate, tolerance) << body << " " << day;
            EXPECT_NEAR(d.rise.azDeg, alone.rise.azDeg, 1e-6) << body << " " << day;
            EXPECT_NEAR(d.set.utDate, alone.set.utDate, tolerance) << body << " " << day;
            EXPECT_NEAR(d.set.azDeg, alone.set.azDeg, 1e-6) << body << " " << day;
            EXPECT_NEAR(d.transitUtDate, alone.transitUtDate, tolerance) << body << " " << day;
            EXPECT_NEAR(d.transitAltDeg, alone.transitAltDeg, 1e-6) << body << " " << day;
            for (const auto &[shared, t] : {std::pair{before, now}, std::pair{after, now + 1}}) {
                const ephemkit::AlmanacNow n = ephemkit::AlmanacAt(target, t, 52, 0.1);
                EXPECT_NEAR(shared.raHours, n.raHours, 1e-6 / 15) << body << " " << t;
                EXPECT_NEAR(shared.decDeg, n.decDeg, 1e-6) << body << " " << t;
                EXPECT_NEAR(shared.altDeg, n.altDeg, 1e-6) << body << " " << t;
                EXPECT_NEAR(shared.azDeg, n.azDeg, 1e-6) << body << " " << t;
                EXPECT_EQ(shared.up, n.up) << body << " " << t;
                EXPECT_NEAR(shared.lastTransitUtDate, n.lastTransitUtDate, tolerance) << body << " " << t;
                EXPECT_NEAR(shared.nextTransitUtDate, n.nextTransitUtDate, tolerance) << body << " " << t;
            }
        }
    }
}
