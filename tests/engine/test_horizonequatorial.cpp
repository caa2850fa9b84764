// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// ArcSin, ArcCos and HorizonEquatorial: worked values, the exactly-one
// case, the pole, and round trips.

#include "astronomy_funcs.h"
#include "horizonequatorial.h"
#include "hourangle.h"

#include <gtest/gtest.h>

#include <cmath>

using ephemkit::Conversion;
using ephemkit::HorizonEquatorial;
using ephemkit::SkyPosition;

namespace {

SkyPosition toHorizon(double latDeg, double lmstHours, double raHours, double decDeg)
{
    SkyPosition p;
    p.raHours = raHours;
    p.decDeg = decDeg;
    HorizonEquatorial(latDeg, lmstHours, p, Conversion::EquatorialToHorizon);
    return p;
}

SkyPosition toEquatorial(double latDeg, double lmstHours, double altDeg, double azDeg)
{
    SkyPosition p;
    p.altDeg = altDeg;
    p.azDeg = azDeg;
    HorizonEquatorial(latDeg, lmstHours, p, Conversion::HorizonToEquatorial);
    return p;
}

}  // namespace

TEST(UnitHelpers, UseTheFourteenDecimalPi)
{
    EXPECT_EQ(ephemkit::degreesToRadians(1.0), 0.017453292519943278);
    EXPECT_EQ(ephemkit::radiansToDegrees(1.0), 57.29577951308238);
    EXPECT_DOUBLE_EQ(ephemkit::hoursToRadians(6.0), 3.14159265358979 / 2);
    EXPECT_DOUBLE_EQ(ephemkit::radiansToHours(3.14159265358979), 12.0);
    EXPECT_EQ(ephemkit::degreesToHours(ephemkit::hoursToDegrees(7.25)), 7.25);
}

TEST(ArcSinArcCos, ClampBeyondOneAndUseTheirOwnHalfPi)
{
    EXPECT_EQ(ephemkit::ArcSin(1.0), 1.570796326794895);
    EXPECT_EQ(ephemkit::ArcSin(1.0000001), 1.570796326794895);
    EXPECT_EQ(ephemkit::ArcSin(-3.0), -1.570796326794895);
    EXPECT_NEAR(ephemkit::ArcSin(0.5), std::asin(0.5), 1e-15);
    EXPECT_NEAR(ephemkit::ArcSin(-0.999999), std::asin(-0.999999), 1e-12);
    EXPECT_EQ(ephemkit::ArcCos(0.0), 1.570796327);
    EXPECT_NEAR(ephemkit::ArcCos(0.5), 1.570796327 - std::asin(0.5), 1e-15);
    // ArcCos(1) = 1.570796327 - 1.570796326794895: a tiny positive angle.
    EXPECT_NEAR(ephemkit::ArcCos(1.0), 2.05105e-10, 1e-15);
}

TEST(HorizonEquatorial, ExactlyOneAtTheZenithGivesNinetyPlusTheConstantsExcess)
{
    // Latitude 0, Dec 0, on the meridian: x is exactly 1.
    SkyPosition p = toHorizon(0, 5, 5, 0);
    EXPECT_NEAR(p.altDeg, 90.0000000118, 1e-9);
    EXPECT_NEAR(p.azDeg, 90.0000000118, 1e-9);
    // Latitude 45, Dec 45 on the meridian: the same pair.
    p = toHorizon(45, 3, 3, 45);
    EXPECT_NEAR(p.altDeg, 90.0000000118, 1e-9);
    EXPECT_NEAR(p.azDeg, 90.0000000118, 1e-9);
}

TEST(HorizonEquatorial, SixHoursEastAndWestOnTheEquator)
{
    SkyPosition west = toHorizon(45, 6, 0, 0);  // H = 6 h
    EXPECT_NEAR(west.altDeg, 0.0, 1e-13);
    EXPECT_NEAR(west.azDeg, 270.0000000353, 1e-7);
    SkyPosition east = toHorizon(45, 18, 0, 0);  // H = 18 h
    EXPECT_NEAR(east.altDeg, 0.0, 1e-12);
    EXPECT_NEAR(east.azDeg, 90.0000000118, 1e-7);
}

TEST(HorizonEquatorial, WorkedValueAtLatitude52AndItsWayBack)
{
    SkyPosition p = toHorizon(52, 10, 8, 20);
    EXPECT_NEAR(p.altDeg, 50.4023541, 1e-7);
    EXPECT_NEAR(p.azDeg, 227.4882113, 1e-7);
    EXPECT_EQ(p.raHours, 8.0);  // inputs untouched
    EXPECT_EQ(p.decDeg, 20.0);

    SkyPosition back = toEquatorial(52, 10, p.altDeg, p.azDeg);
    EXPECT_NEAR(back.raHours, 7.9999999978, 1e-9);
    EXPECT_NEAR(back.decDeg, 20.0000000109, 1e-9);
}

TEST(HorizonEquatorial, ZenithBackToEquatorial)
{
    SkyPosition p = toEquatorial(45, 3, 90, 0);
    EXPECT_NEAR(p.decDeg, 45.0000000000, 1e-9);
    EXPECT_NEAR(p.raHours, 2.9999999992, 1e-9);
}

TEST(HorizonEquatorial, NorthPoleStaysDefined)
{
    // At latitude 90 the altitude is the declination for every hour angle,
    // and the azimuth, degenerate there, is still a number in [0, 360].
    SkyPosition p = toHorizon(90, 3, 1, 30);
    EXPECT_NEAR(p.altDeg, 30.0, 1e-9);
    for (double h = 0; h < 24; h += 1.5) {
        SkyPosition q = toHorizon(90, h, 0, -20);
        EXPECT_NEAR(q.altDeg, -20.0, 1e-9) << "H " << h;
        EXPECT_TRUE(std::isfinite(q.azDeg));
        EXPECT_GE(q.azDeg, 0.0);
        EXPECT_LE(q.azDeg, 360.0);
    }
    SkyPosition south = toHorizon(-90, 7, 1, -40);
    EXPECT_NEAR(south.altDeg, 40.0, 1e-9);
    EXPECT_TRUE(std::isfinite(south.azDeg));
}

TEST(HorizonEquatorial, OutputRangesAndRoundTripsOverTheSky)
{
    double worstRaSec = 0;
    double worstDecArcsec = 0;
    for (double lat = -80; lat <= 80; lat += 20) {
        for (double ra = 0.25; ra < 24; ra += 2.5) {
            for (double dec = -75; dec <= 75; dec += 15) {
                const double lmst = 13.7;
                SkyPosition h = toHorizon(lat, lmst, ra, dec);
                ASSERT_GE(h.azDeg, 0.0);
                ASSERT_LE(h.azDeg, 360.0);
                ASSERT_GE(h.altDeg, -90.0);
                ASSERT_LE(h.altDeg, 90.0);
                // The altitude agrees with the textbook sine formula.
                const double hRad = (lmst - ra) * 15 * M_PI / 180;
                const double sinAlt = std::sin(lat * M_PI / 180) * std::sin(dec * M_PI / 180)
                                      + std::cos(lat * M_PI / 180) * std::cos(dec * M_PI / 180) * std::cos(hRad);
                EXPECT_NEAR(h.altDeg, std::asin(sinAlt) * 180 / M_PI, 1e-8);

                SkyPosition e = toEquatorial(lat, lmst, h.altDeg, h.azDeg);
                ASSERT_GE(e.raHours, 0.0);
                ASSERT_LE(e.raHours, 24.0);
                double dRa = std::fabs(e.raHours - ra);
                dRa = std::min(dRa, 24 - dRa);
                worstRaSec = std::max(worstRaSec, dRa * 3600);
                worstDecArcsec = std::max(worstDecArcsec, std::fabs(e.decDeg - dec) * 3600);
            }
        }
    }
    // The nine-decimal pi/2 of ArcCos limits the round trip to about 1e-4 s.
    EXPECT_LT(worstRaSec, 1e-3);
    EXPECT_LT(worstDecArcsec, 1e-3);
}

TEST(HorizonEquatorial, AzimuthWestOfMeridianIsAbove180)
{
    // 0 < H < 12 h: west, azimuth above 180 degrees.
    EXPECT_GT(toHorizon(30, 12, 10, 10).azDeg, 180.0);
    // East: azimuth below 180; the hour angle read back is above 12 h.
    SkyPosition east = toHorizon(30, 8, 10, 10);
    EXPECT_LT(east.azDeg, 180.0);
    SkyPosition back = toEquatorial(30, 8, east.altDeg, east.azDeg);
    EXPECT_NEAR(back.raHours, 10.0, 1e-6);
}

// Hour angle is sidereal time minus right ascension, westward positive; the
// two wraps put the meridian at 0 and the anti-meridian at 12 or -12.
TEST(HourAngle, SignAndWraps)
{
    struct Case {
        double lstHours, raHours, since, fromMeridian, opposite;
    };
    const Case cases[] = {
        {10, 8, 2, 2, -10},  {8, 10, 22, -2, 10}, {1, 23, 2, 2, -10},
        {23, 1, 22, -2, 10}, {12, 0, 12, -12, 0}, {0, 0, 0, 0, -12},
    };
    for (const Case &c : cases) {
        const ephemkit::HourAngle h = ephemkit::HourAngle::between(c.lstHours, c.raHours);
        SCOPED_TRACE(c.lstHours - c.raHours);
        EXPECT_DOUBLE_EQ(h.sinceTransit(), c.since);
        EXPECT_DOUBLE_EQ(h.fromMeridian(), c.fromMeridian);
        EXPECT_DOUBLE_EQ(h.opposite().fromMeridian(), c.opposite);
        EXPECT_DOUBLE_EQ(h.rightAscension(c.lstHours), c.raHours);
    }
}
