// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Local mean sidereal time and its inverse.

#include "civil.h"
#include "modastrosubs.h"

#include <gtest/gtest.h>

#include <cmath>

using ephemkit::LocalMeanSiderealTime;
using ephemkit::localMeanSiderealTime;
using ephemkit::SiderealToUT;

namespace {

constexpr double kHour = 1e-7;  // tolerance of the published values, hours
constexpr double kSecondH = 1.0 / 3600;

struct Worked {
    double utDate;
    double lngWestDeg;
    double lmstHours;
};

TEST(LocalMeanSiderealTime, WorkedValues)
{
    const Worked cases[] = {
        {civil(2000, 1, 1, 12), 0, 18.6973745}, {civil(2000, 1, 1, 12), 75, 13.6973745},
        {civil(2024, 3, 20), 0, 11.8679181},    {civil(2024, 3, 20), 285, 16.8679181},  // 75 degrees east
        {civil(1999, 12, 31), 0, 6.5988098},
    };
    for (const Worked &c : cases) {
        double lmst = -1;
        LocalMeanSiderealTime(c.utDate, c.lngWestDeg, lmst);
        EXPECT_NEAR(lmst, c.lmstHours, kHour)
            << "date " << c.utDate << " lng " << c.lngWestDeg << " diff " << lmst - c.lmstHours;
    }
}

// One UT second advances the sidereal time by 1.0027 s everywhere, also
// across 2000-01-01 (the polynomial's sign change) and across 1899-12-30,
// where the automation date turns negative and counts days backwards.
TEST(LocalMeanSiderealTime, ContinuousAcrossEpochsAndNegativeDates)
{
    const double pairs[][2] = {
        {civil(1999, 12, 31, 23, 59, 59), civil(2000, 1, 1)},
        {civil(1899, 12, 29, 23, 59, 59), civil(1899, 12, 30)},
        {civil(1899, 12, 29, 5, 59, 59), civil(1899, 12, 29, 6)},
        {civil(1601, 6, 30, 23, 59, 59), civil(1601, 7, 1)},
        {civil(9999, 12, 31, 23, 59, 58), civil(9999, 12, 31, 23, 59, 59)},
    };
    for (const auto &p : pairs) {
        double step = localMeanSiderealTime(p[1], 0) - localMeanSiderealTime(p[0], 0);
        if (step < -12)
            step += 24;
        EXPECT_NEAR(step * 3600, 1.002737908, 0.01) << "from " << p[0] << " to " << p[1];
    }
    EXPECT_DOUBLE_EQ(civil(1899, 12, 29, 6), -1.25);
}

TEST(LocalMeanSiderealTime, WholeSecondsOnly)
{
    const double a = civil(2024, 7, 4, 3, 2, 1, 200);
    const double b = civil(2024, 7, 4, 3, 2, 1, 700);
    EXPECT_EQ(localMeanSiderealTime(a, 33), localMeanSiderealTime(b, 33));
    EXPECT_NE(localMeanSiderealTime(a, 33), localMeanSiderealTime(civil(2024, 7, 4, 3, 2, 2), 33));
    // A fraction a hair below the next second (binary rounding of the day
    // fraction) still counts as that second.
    const double justBelow = std::nextafter(civil(2024, 7, 4, 3, 2, 2), 0.0);
    EXPECT_EQ(localMeanSiderealTime(justBelow, 33), localMeanSiderealTime(civil(2024, 7, 4, 3, 2, 2), 33));
}

TEST(LocalMeanSiderealTime, RangeOverCenturiesAndLongitudes)
{
    for (int year = 100; year <= 9999; year += 37) {
        for (double lng : {0.0, 0.5, 75.0, 180.0, 284.5, 359.999}) {
            const double lmst = localMeanSiderealTime(civil(year, 5, 17, 21, 13, 7), lng);
            EXPECT_GE(lmst, 0.0) << year << " " << lng;
            EXPECT_LE(lmst, 24.0) << year << " " << lng;
        }
    }
}

TEST(LocalMeanSiderealTime, ReductionKeepsExactly24)
{
    EXPECT_EQ(ephemkit::ReduceSiderealHours(24.0), 24.0);
    EXPECT_EQ(ephemkit::ReduceSiderealHours(48.0), 24.0);
    EXPECT_EQ(ephemkit::ReduceSiderealHours(0.0), 0.0);
    EXPECT_EQ(ephemkit::ReduceSiderealHours(-0.5), 23.5);
    EXPECT_EQ(ephemkit::ReduceSiderealHours(24.5), 0.5);
    // Many steps give the same double as stepping one by one.
    double stepped = 123456.789;
    while (stepped > 24)
        stepped -= 24;
    EXPECT_EQ(ephemkit::ReduceSiderealHours(123456.789), stepped);
}

TEST(SiderealToUT, InvertsWithinTheDay)
{
    const double day = civil(2024, 3, 20, 17, 45);
    for (double lng : {0.0, 75.0, 285.0}) {
        for (double lmst = 0; lmst < 24; lmst += 0.37) {
            const double ut = SiderealToUT(lmst, day, lng);
            EXPECT_GE(ut, civil(2024, 3, 20)) << lmst;
            EXPECT_LT(ut, civil(2024, 3, 21)) << lmst;
            double back = localMeanSiderealTime(ut, lng) - lmst;
            if (back > 12)
                back -= 24;
            if (back < -12)
                back += 24;
            // The engine reads whole seconds: back within one sidereal second.
            EXPECT_NEAR(back, 0.0, 1.01 * kSecondH) << "lmst " << lmst << " lng " << lng;
        }
    }
}

TEST(SiderealToUT, MidnightAndTheEarlierOfTwoInstants)
{
    const double day = civil(2024, 3, 20, 9);
    const double midnight = civil(2024, 3, 20);
    const double lmst0 = localMeanSiderealTime(midnight, 0);
    EXPECT_EQ(SiderealToUT(lmst0, day, 0), midnight);
    // An LMST two minutes after that of 0h occurs again near 23:58 UT: the
    // earlier instant, near 0:02, is the answer.
    const double ut = SiderealToUT(lmst0 + 2.0 / 60, day, 0);
    EXPECT_NEAR((ut - midnight) * 24 * 60, 2 * 0.997269567, 1e-6);
}

TEST(LocalMeanSiderealTime, NoDateGivesNaN)
{
    for (const double utDate : {1e308, -1e308, std::nan(""), 3e6}) {
        EXPECT_TRUE(std::isnan(localMeanSiderealTime(utDate, 75))) << utDate;
        EXPECT_TRUE(std::isnan(SiderealToUT(6, utDate, 75))) << utDate;
    }
}

}  // namespace
