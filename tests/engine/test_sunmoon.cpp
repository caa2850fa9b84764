// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// SunMoonPosition: the time arguments, the nutation series, physical
// ranges, the comparison with independent apparent positions, and every bit
// of its results kept as the routine was split into its quantities.

#include "apparentsidereal.h"
#include "continuoustime.h"
#include "referencedata.h"
#include "sunmoon.h"

#include <libnova/nutation.h>

#include <gtest/gtest.h>

#include <cmath>

using ephemkit::SunMoonPosition;

namespace {

constexpr double kJd0 = 2415018.5;  // JD of automation date 0

}  // namespace

TEST(HandbookTime, NoonOfLastDayOf1899IsTheEpoch)
{
    // 1899-12-31 12:00 UT is automation date 1.5: day count -0.5 plus 12 h.
    const ephemkit::HandbookTime ht = ephemkit::handbookTime(1.5);
    EXPECT_EQ(ht.t, 0.0);
    EXPECT_DOUBLE_EQ(ht.t2000, -0.5 / 36525 - 1);
}

TEST(HandbookTime, CalendarFormulaCountsEveryDayOnce)
{
    // The calendar formula must give JD(0h) - 2415020 for every day, across
    // January/February shifts, leap days and century years (1900, 2000, 2100).
    for (double day = -657434; day < 2958465; day += 97.0) {
        const double expected = (day + kJd0 - 2415020.0) / 36525;
        const ephemkit::HandbookTime ht = ephemkit::handbookTime(day);
        ASSERT_NEAR(ht.t, expected, 1e-12) << "day " << day;
    }
    for (double day : {59.0, 60.0, 61.0, 36585.0, 36586.0, 73110.0, 73111.0}) {
        const ephemkit::HandbookTime ht = ephemkit::handbookTime(day + 0.75);
        EXPECT_NEAR(ht.t, (day + kJd0 - 2415020.0) / 36525 + 18.0 / 876600, 1e-13) << day;
    }
}

TEST(HandbookNutation, AgreesWithTheIau1980SeriesOfLibnova)
{
    testdata::ErrorStats psi;
    testdata::ErrorStats eps;
    for (double day = 0; day <= 73415; day += 37.3) {  // 1900 to 2100
        double dPsi = 0;
        double dEps = 0;
        ephemkit::handbookNutation(ephemkit::handbookTime(day).t, dPsi, dEps);
        ln_nutation ref{};
        ln_get_nutation(day + kJd0, &ref);
        psi.add(dPsi - ref.longitude);
        eps.add(dEps - ref.obliquity);
    }
    testdata::report("nutation in longitude vs libnova", psi, 3600, "arcsec");
    testdata::report("nutation in obliquity vs libnova", eps, 3600, "arcsec");
    EXPECT_LT(psi.max() * 3600, 0.6);
    EXPECT_LT(eps.max() * 3600, 0.4);
}

TEST(SunMoonPosition, MoonQuantitiesStayInTheirPhysicalRanges)
{
    for (double d = 36526; d < 36526 + 60; d += 0.37) {  // two months of 2000
        const ephemkit::SunMoon r = SunMoonPosition(d);
        ASSERT_GE(r.moonIlluminated, 0.0);
        ASSERT_LE(r.moonIlluminated, 1.0);
        const double thousandths = r.moonIlluminated * 1000;
        ASSERT_NEAR(thousandths, std::round(thousandths), 1e-9);
        ASSERT_GT(r.moonDistanceKm, 356000.0);
        ASSERT_LT(r.moonDistanceKm, 407000.0);
        ASSERT_GT(r.moonDiameterDeg, 0.48);
        ASSERT_LT(r.moonDiameterDeg, 0.57);
        ASSERT_GE(r.moonRaHours, 0.0);
        ASSERT_LT(r.moonRaHours, 24.0);
        ASSERT_GE(r.sunRaHours, 0.0);
        ASSERT_LT(r.sunRaHours, 24.0);
        ASSERT_LE(std::fabs(r.sunDecDeg), 23.45);
        ASSERT_LE(std::fabs(r.moonDecDeg), 29.0);
    }
}

TEST(SunMoonPosition, PhasesAtKnownNewAndFullMoons)
{
    // Full moon of the total eclipse 2000-01-21 04:40 UT, new moon
    // 2000-01-06 18:14 UT, first quarter 2000-01-14 13:34 UT.
    EXPECT_GE(SunMoonPosition(36546 + (4 + 40.0 / 60) / 24).moonIlluminated, 0.999);
    EXPECT_LE(SunMoonPosition(36531 + (18 + 14.0 / 60) / 24).moonIlluminated, 0.002);
    EXPECT_NEAR(SunMoonPosition(36539 + (13 + 34.0 / 60) / 24).moonIlluminated, 0.5, 0.01);
}

TEST(SunMoonPosition, EquinoxAndSolsticeDeclinations)
{
    // March equinox 2000-03-20 07:35 UT, June solstice 2000-06-21 01:48 UT.
    const ephemkit::SunMoon eq = SunMoonPosition(36605 + (7 + 35.0 / 60) / 24);
    EXPECT_NEAR(eq.sunDecDeg, 0.0, 0.003);
    EXPECT_NEAR(std::fmod(eq.sunRaHours + 12, 24) - 12, 0.0, 0.001);
    const ephemkit::SunMoon sol = SunMoonPosition(36698 + (1 + 48.0 / 60) / 24);
    EXPECT_NEAR(sol.sunDecDeg, 23.4377, 0.003);
    EXPECT_NEAR(sol.sunRaHours, 6.0, 0.001);
}

TEST(SunMoonPosition, AgreesWithPyEphemFrom1800To2100)
{
    const auto rows = testdata::readCsv("sunmoon_reference.csv");
    ASSERT_GE(rows.size(), 700u);
    testdata::ErrorStats sun1800s;
    testdata::ErrorStats moon1800s;
    testdata::ErrorStats sun;
    testdata::ErrorStats moon;
    testdata::ErrorStats moonKnownDeltaT;  // instants up to 2025
    testdata::ErrorStats moonTheory;       // series taken at UT + Delta T
    testdata::ErrorStats distance;
    for (const QStringList &row : rows) {
        const double d = row[0].toDouble();
        const double deltaTDays = row[6].toDouble() / 86400;
        const ephemkit::SunMoon r = SunMoonPosition(d);
        const double sunError =
            testdata::separationDeg(r.sunRaHours, r.sunDecDeg, row[1].toDouble(), row[2].toDouble());
        sun.add(sunError);
        const double moonError =
            testdata::separationDeg(r.moonRaHours, r.moonDecDeg, row[3].toDouble(), row[4].toDouble());
        moon.add(moonError);
        if (d < 2) {  // before 1900-01-01
            sun1800s.add(sunError);
            moon1800s.add(moonError);
        }
        if (d < 45658)  // 2025-01-01
            moonKnownDeltaT.add(moonError);
        const ephemkit::SunMoon tt =
            SunMoonPosition(automation::automationDateOf(automation::continuousDays(d) + deltaTDays));
        moonTheory.add(testdata::separationDeg(tt.moonRaHours, tt.moonDecDeg, row[3].toDouble(), row[4].toDouble()));
        distance.add(r.moonDistanceKm - row[5].toDouble());
    }
    testdata::report("Sun RA/Dec vs PyEphem 1800-2100", sun, 1, "deg");
    testdata::report("Sun RA/Dec vs PyEphem 1800-1899", sun1800s, 1, "deg");
    testdata::report("Moon RA/Dec vs PyEphem 1800-1899", moon1800s, 1, "deg");
    testdata::report("Moon RA/Dec vs PyEphem 1800-2100", moon, 1, "deg");
    testdata::report("Moon RA/Dec vs PyEphem 1800-2024", moonKnownDeltaT, 1, "deg");
    testdata::report("Moon RA/Dec, series at UT + Delta T", moonTheory, 1, "deg");
    testdata::report("Moon distance vs PyEphem", distance, 1, "km");
    EXPECT_LT(sun.max(), 0.01);
    EXPECT_LT(moonKnownDeltaT.max(), 0.03);
    EXPECT_LT(moonTheory.max(), 0.006);  // the series itself: about 10"
    EXPECT_LT(distance.max(), 60.0);
    EXPECT_GE(sun1800s.count(), 100);
}

// LAST at Greenwich against ERFA's eraGst94 (UT1 = UT) at the whole-second
// instants of the same table: within 0.01 s, as the worked example of the
// driver's test, over 1800-1899 as over 1900-2100.
TEST(LocalApparentSiderealTime, AgreesWithErfaFrom1800To2100)
{
    testdata::ErrorStats modern;
    testdata::ErrorStats from1800;
    for (const QStringList &row : testdata::readCsv("sunmoon_reference.csv")) {
        const double d = row[0].toDouble();
        const double error = std::remainder(ephemkit::LocalApparentSiderealTime(d, 0) - row[7].toDouble(), 24.0);
        (d < 2 ? from1800 : modern).add(error);
        EXPECT_LT(std::fabs(error) * 3600, 0.01) << "automation date " << row[0].toStdString();
    }
    testdata::report("LAST vs ERFA gst94 1900-2100", modern, 3600e3, "ms");
    testdata::report("LAST vs ERFA gst94 1800-1899", from1800, 3600e3, "ms");
    EXPECT_GE(from1800.count(), 100);
}

// SunMoonPosition, once one long function, is a composition of one function
// per quantity and gives every bit the long function gave: its results here,
// as hexadecimal floats, at T = 0, at the full moon of 2000 January 21, in
// 1872, 2023, 2041 and 2065 and at the last second of 9999. (The two also
// agreed bit for bit at 200000 random instants of the years 1626 to 9999.)
// The values hold for this build's arithmetic (SSE2 doubles, no fused
// multiply-adds) and the C library's sin and cos.
TEST(SunMoonPosition, TheCompositionKeepsEveryBitOfTheLongRoutine)
{
    const struct {
        double utDate;
        double results[7];  // moon RA, Dec, sun RA, Dec, illuminated, diameter, distance
    } pinned[] = {
        {1.5,  // 1899-12-31 12:00 UT, T = 0
         {0x1.1a8df30dafb58p+4, -0x1.6e84bb27201cap+4, 0x1.2b309b0ae009bp+4, -0x1.719e0cdd1e647p+4,
          0x1.0624dd2f1a9fcp-6, 0x1.1339c4fbd3d7ap-1, 0x1.69cf1081dc949p+18}},
        {36546 + (4 + 40.0 / 60) / 24,  // 2000-01-21 04:40, full moon
         {0x1.0571762a639bap+3, 0x1.3c3dfc4f7ff46p+4, 0x1.42cf4035a68bap+4, -0x1.40e674d471326p+4, 0x1p+0,
          0x1.1aa683f126311p-1, 0x1.604e0012dfeaep+18}},
        {45000.625,  // 2023-03-15 15:00
         {0x1.220647822a934p+4, -0x1.bc406bb3172b8p+4, 0x1.7addef80d8176p+4, -0x1.0a9cd0400c311p+1,
          0x1.c395810624dd3p-2, 0x1.1233a8d1514cdp-1, 0x1.6b28eb12afd5ap+18}},
        {51544.5,  // 2041-02-12 12:00
         {0x1.c7b10877ae593p+2, 0x1.aad00fd20f51dp+4, 0x1.5c3667fa52d94p+4, -0x1.af1f26ee26d05p+3, 0x1.c624dd2f1a9fcp-1,
          0x1.f8759224dbdfep-2, 0x1.8acb9a6f15fcfp+18}},
        {60390.5 + 13.0 / 24 + 4.0 / 1440,  // 2065-05-04 01:04
         {0x1.a4766b4bf1d36p+0, 0x1.f3538693783acp+3, 0x1.63c53ff5f1b74p+1, 0x1.014a1976b401ap+4, 0x1.47ae147ae147bp-6,
          0x1.f5fea265ab984p-2, 0x1.8cbbce2905f5cp+18}},
        {-10000.25,  // 1872-08-12 18:00
         {0x1.0199247e7f95p+4, -0x1.44c68ed362b43p+4, 0x1.3159984ab027bp+3, 0x1.d2f29746e3e26p+3, 0x1.38d4fdf3b645ap-1,
          0x1.106fd92fdc694p-1, 0x1.6d832f4db7dacp+18}},
        {2958465 + 86399.0 / 86400,  // 9999-12-31 23:59:59
         {0x1.2f38f300aa48fp+4, -0x1.140755d390485p+4, 0x1.2f7b566714e83p+4, -0x1.5fffc3c93676ep+4,
          0x1.0624dd2f1a9fcp-9, 0x1.f74bfdf3834cfp-2, 0x1.8bb50794f8d59p+18}},
    };
    for (const auto &p : pinned) {
        const ephemkit::SunMoon r = SunMoonPosition(p.utDate);
        const double got[7] = {r.moonRaHours,     r.moonDecDeg,      r.sunRaHours,    r.sunDecDeg,
                               r.moonIlluminated, r.moonDiameterDeg, r.moonDistanceKm};
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(got[i], p.results[i])
                << "date " << p.utDate << " result " << i + 1 << " diff " << got[i] - p.results[i];
    }
}
