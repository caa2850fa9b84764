// SunMoonPosition: the time arguments, the nutation series, physical
// ranges, and the comparison with independent apparent positions.

#include "referencedata.h"
#include "sunmoon.h"

#include <libnova/nutation.h>

#include <gtest/gtest.h>

#include <cmath>

using ephemkit::SunMoonPosition;

namespace {

constexpr double kJd0 = 2415018.5;  // JD of automation date 0

} // namespace

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

TEST(SunMoonPosition, AgreesWithPyEphemFrom1900To2100)
{
    const auto rows = testdata::readCsv("sunmoon_reference.csv");
    ASSERT_GE(rows.size(), 500u);
    testdata::ErrorStats sun;
    testdata::ErrorStats moon;
    testdata::ErrorStats moonKnownDeltaT;   // instants up to 2025
    testdata::ErrorStats moonTheory;        // series taken at UT + Delta T
    testdata::ErrorStats distance;
    for (const QStringList &row : rows) {
        const double d = row[0].toDouble();
        const double deltaTDays = row[6].toDouble() / 86400;
        const ephemkit::SunMoon r = SunMoonPosition(d);
        sun.add(testdata::separationDeg(r.sunRaHours, r.sunDecDeg, row[1].toDouble(), row[2].toDouble()));
        const double moonError =
            testdata::separationDeg(r.moonRaHours, r.moonDecDeg, row[3].toDouble(), row[4].toDouble());
        moon.add(moonError);
        if (d < 45658)  // 2025-01-01
            moonKnownDeltaT.add(moonError);
        const ephemkit::SunMoon tt = SunMoonPosition(d + deltaTDays);
        moonTheory.add(
            testdata::separationDeg(tt.moonRaHours, tt.moonDecDeg, row[3].toDouble(), row[4].toDouble()));
        distance.add(r.moonDistanceKm - row[5].toDouble());
    }
    testdata::report("Sun RA/Dec vs PyEphem 1900-2100", sun, 1, "deg");
    testdata::report("Moon RA/Dec vs PyEphem 1900-2100", moon, 1, "deg");
    testdata::report("Moon RA/Dec vs PyEphem 1900-2024", moonKnownDeltaT, 1, "deg");
    testdata::report("Moon RA/Dec, series at UT + Delta T", moonTheory, 1, "deg");
    testdata::report("Moon distance vs PyEphem", distance, 1, "km");
    EXPECT_LT(sun.max(), 0.01);
    EXPECT_LT(moonKnownDeltaT.max(), 0.03);
    EXPECT_LT(moonTheory.max(), 0.006);  // the series itself: about 10"
    EXPECT_LT(distance.max(), 60.0);
}
