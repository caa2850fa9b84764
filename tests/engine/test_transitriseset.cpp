// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Transits and rise/set: closed-form transit arithmetic, the Sun and Moon
// transit searches, and the one-minute rise/set search against an
// independent search.

#include "continuoustime.h"
#include "horizonequatorial.h"
#include "modastrosubs.h"
#include "referencedata.h"
#include "sunmoon.h"
#include "sunmoonriseset.h"
#include "transit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

constexpr double kMinute = 1.0 / 1440;

double hourAngleHours(double utDate, double lngWestDeg, double raHours)
{
    return std::remainder(ephemkit::localMeanSiderealTime(utDate, lngWestDeg) - raHours, 24.0);
}

}  // namespace

TEST(DaysToTransit, TargetEqualToLmstIsNowAndJustBelowIsOneSiderealDayLater)
{
    EXPECT_EQ(ephemkit::DaysToTransit(5.0, 5.0, false), 0.0);
    const double d = ephemkit::DaysToTransit(5.0, 5.0 - 1e-6, false);
    EXPECT_NEAR(d, 0.9972695677 - 1e-6 * 0.9972695677 / 24, 1e-15);
    EXPECT_LT(d, 0.9972695677);
    EXPECT_NEAR(ephemkit::DaysToTransit(5.0, 11.0, false), 6 * 0.9972695677 / 24, 1e-15);
}

TEST(DaysToTransit, LowerTransitTargetsTheOppositeHourCircle)
{
    // RA 18 h: the lower transit is at LMST 6 h.
    EXPECT_EQ(ephemkit::DaysToTransit(6.0, 18.0, true), 0.0);
    // RA 12 h: target 24 stays 24 (reduced only when above 24).
    EXPECT_NEAR(ephemkit::DaysToTransit(23.0, 12.0, true), 0.9972695677 / 24, 1e-15);
    EXPECT_NEAR(ephemkit::DaysToTransit(2.0, 3.0, true), 13 * 0.9972695677 / 24, 1e-15);
}

TEST(TransitElevation, CountsFromTheSouthPointOverTheZenith)
{
    EXPECT_EQ(ephemkit::TransitElevation(45, 50), 85.0);
    EXPECT_EQ(ephemkit::TransitElevation(-45, 50), -5.0);
    EXPECT_EQ(ephemkit::TransitElevation(70, -30), 190.0);
}

TEST(SunMoonTransit, EndsOnTheMeridianWithinTheLmstResolution)
{
    for (double start : {36526.3, 40000.9, 45371.0 + 13.0 / 24, 51000.55}) {
        for (double lng : {0.0, 75.0, 285.5}) {
            const ephemkit::TransitFound sun = ephemkit::SunTransit(start, lng);
            EXPECT_GE(sun.utDate, start);
            EXPECT_LT(sun.utDate - start, 1.01);
            // Just past the meridian: the last step may overshoot by a few
            // seconds (the Sun's RA rate is not constant).
            const double sunH = hourAngleHours(sun.utDate, double(float(lng)), sun.raHours);
            EXPECT_GE(sunH, 0.0);
            EXPECT_LT(sunH, 20.0 / 3600);
            const ephemkit::SunMoon at = ephemkit::SunMoonPosition(sun.utDate);
            EXPECT_EQ(sun.raHours, at.sunRaHours);
            EXPECT_EQ(sun.decDeg, at.sunDecDeg);

            const ephemkit::TransitFound moon = ephemkit::MoonTransit(start, lng);
            EXPECT_GE(moon.utDate, start);
            EXPECT_LT(moon.utDate - start, 1.1);
            const double moonH = hourAngleHours(moon.utDate, double(float(lng)), moon.raHours);
            EXPECT_GE(moonH, 0.0);
            EXPECT_LT(moonH, 20.0 / 3600);
        }
    }
}

TEST(SunMoonTransit, SunCrossesNearNoonOfTheEquationOfTime)
{
    // 2024-11-03: the equation of time is +16.4 min, so the Sun crosses the
    // Greenwich meridian at 11:43:36 UT.
    const ephemkit::TransitFound sun = ephemkit::SunTransit(45599.0, 0.0);
    EXPECT_NEAR(sun.utDate, 45599.0 + (11 + 43.6 / 60) / 24, 20.0 / 86400);
}

TEST(SunMoonRiseSet, PolarSummerFindsNoSetAndLeavesTheRest)
{
    // Latitude 80 N on 2024-06-21: the Sun never sets.
    ephemkit::RiseSet rs;
    ephemkit::SunRiseSet(45464.4, 80, 0, rs);
    EXPECT_EQ(rs.setDate, -1.0);
    EXPECT_EQ(rs.riseDate, 0.0);
    EXPECT_EQ(rs.riseAzDeg, 0.0);
    EXPECT_EQ(rs.setAzDeg, 0.0);
    // Polar night at 80 S the same day: no rise, the set is not searched.
    ephemkit::RiseSet night;
    ephemkit::SunRiseSet(45464.4, -80, 0, night);
    EXPECT_EQ(night.riseDate, -1.0);
    EXPECT_EQ(night.setDate, 0.0);
}

TEST(SunMoonRiseSet, EventsAreWholeMinutesOfTheDayWithTheAltitudeJustCrossed)
{
    ephemkit::RiseSet rs;
    const double day = 45371;                     // 2024-03-20
    ephemkit::SunRiseSet(day + 0.7, 40, 75, rs);  // New York: rise ~11 UT, set ~23 UT
    ASSERT_GT(rs.riseDate, day);
    ASSERT_GT(rs.setDate, rs.riseDate);
    for (double when : {rs.riseDate, rs.setDate}) {
        const double minutes = (when - day) * 1440;
        EXPECT_NEAR(minutes, std::round(minutes), 1e-6);
    }
    // One minute earlier the Sun was still on the other side.
    auto altitude = [](double t) {
        const ephemkit::SunMoon r = ephemkit::SunMoonPosition(t);
        ephemkit::SkyPosition p;
        p.raHours = r.sunRaHours;
        p.decDeg = r.sunDecDeg;
        ephemkit::HorizonEquatorial(40, ephemkit::localMeanSiderealTime(t, 75), p,
                                    ephemkit::Conversion::EquatorialToHorizon);
        return p.altDeg;
    };
    EXPECT_GE(altitude(rs.riseDate), 0.0);
    EXPECT_LT(altitude(rs.riseDate - kMinute), 0.0);
    EXPECT_LE(altitude(rs.setDate), 0.0);
    EXPECT_GT(altitude(rs.setDate - kMinute), 0.0);
    EXPECT_NEAR(rs.riseAzDeg, 90, 1.5);  // equinox: due east and west
    EXPECT_NEAR(rs.setAzDeg, 270, 1.5);
}

TEST(SunMoonRiseSet, AgreeWithAnIndependentSearchWithinTwoMinutes)
{
    const auto rows = testdata::readCsv("riseset_reference.csv");
    ASSERT_GE(rows.size(), 100u);
    testdata::ErrorStats sun;
    testdata::ErrorStats moon;
    for (const QStringList &row : rows) {
        const bool isSun = row[0] == QLatin1String("sun");
        const double day = row[1].toDouble();
        const double lat = row[2].toDouble();
        const double lng = row[3].toDouble();
        const bool noRise = row[4] == QLatin1String("-1");
        const bool noSet = row[5] == QLatin1String("-1");
        // Noon of the day, on the continuous line of days (rows of 1800-1899
        // have negative automation dates).
        const double noon = automation::automationDateOf(automation::continuousDays(day) + 0.5);
        ephemkit::RiseSet rs;
        if (isSun)
            ephemkit::SunRiseSet(noon, lat, lng, rs);
        else
            ephemkit::MoonRiseSet(noon, lat, lng, rs);
        // The engine finds the first event of the kind its search starts
        // with and the first of the other kind after it.
        for (auto [got, none, ref] :
             {std::tuple{rs.riseDate, noRise, row[4].toDouble()}, std::tuple{rs.setDate, noSet, row[5].toDouble()}}) {
            if (none) {
                EXPECT_TRUE(got == -1.0 || got == 0.0) << row.join(QLatin1Char(',')).toStdString();
                continue;
            }
            if (got == -1.0 || got == 0.0) {
                // Not searched: only when the other kind came after this one.
                EXPECT_EQ(got, 0.0) << row.join(QLatin1Char(',')).toStdString();
                continue;
            }
            const double errorMinutes = (automation::continuousDays(got) - automation::continuousDays(ref)) * 1440;
            (isSun ? sun : moon).add(errorMinutes);
            EXPECT_LT(std::fabs(errorMinutes), 2.0) << row.join(QLatin1Char(',')).toStdString();
        }
    }
    testdata::report("Sun rise/set vs independent search", sun, 1, "min");
    testdata::report("Moon rise/set vs independent search", moon, 1, "min");
    EXPECT_GT(sun.count(), 100);
    EXPECT_GT(moon.count(), 100);
}

TEST(SunMoonRiseSet, SkippingSearchGivesTheMinuteScanBitForBit)
{
    // Days spread over 1900-2100 (every season and lunar phase), longitudes
    // all round, latitudes -70 to 70 with both ends included: the search that
    // passes over minutes far from the horizon must find the same minutes,
    // azimuths and -1 markers as the scan of every minute.
    using Search = void (*)(double, double, double, ephemkit::RiseSet &);
    const struct {
        const char *name;
        Search fast;
        Search everyMinute;
    } bodies[] = {{"Sun", ephemkit::SunRiseSet, ephemkit::SunRiseSetEveryMinute},
                  {"Moon", ephemkit::MoonRiseSet, ephemkit::MoonRiseSetEveryMinute}};
    constexpr double kLatitudes[] = {-70, -68.5, -66.6, -60, -45, -30, -12, 0, 8, 23.4, 37, 51, 62, 66.6, 70};
    constexpr int kCases = 90;
    for (const auto &body : bodies) {
        int withoutEvent = 0;
        for (int i = 0; i < kCases; ++i) {
            const double day = 2 + std::floor(i * 797.3);  // 1900 to 2096, all seasons
            const double lat = kLatitudes[i % std::size(kLatitudes)];
            const double lng = std::fmod(i * 137.5, 360.0);
            ephemkit::RiseSet fast{0.125, 0.25, 0.375, 0.5};  // sentinels: untouched fields
            ephemkit::RiseSet reference = fast;
            body.fast(day + 0.3, lat, lng, fast);
            body.everyMinute(day + 0.3, lat, lng, reference);
            const std::string where = std::string(body.name) + " day " + std::to_string(day) + " lat "
                                      + std::to_string(lat) + " lng " + std::to_string(lng);
            EXPECT_EQ(fast.riseDate, reference.riseDate) << where;
            EXPECT_EQ(fast.setDate, reference.setDate) << where;
            EXPECT_EQ(fast.riseAzDeg, reference.riseAzDeg) << where;
            EXPECT_EQ(fast.setAzDeg, reference.setAzDeg) << where;
            withoutEvent += reference.riseDate == -1.0 || reference.setDate == -1.0;
        }
        // The cases reach the -1 markers as well as full days.
        EXPECT_GE(withoutEvent, 4) << body.name;
        EXPECT_LT(withoutEvent, kCases / 2) << body.name;
    }
}
