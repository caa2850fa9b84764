// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The conversion, position and transit members of the Ephemkit object.

#include "bodies.h"
#include "civil.h"
#include "ephemkit.h"
#include "modastrosubs.h"
#include "planets.h"
#include "sunmoon.h"
#include "variant.h"

#include <gtest/gtest.h>

#include <cmath>

using automation::dateValue;
using automation::missing;

namespace {

constexpr double kHalfSiderealDay = 0.498639756;
const double kDate = 45371.0 + 13.0 / 24;  // 2024-03-20 13:00 UT

double num(const QVariant &v) { return automation::toDouble(v); }

}  // namespace

TEST(EphemkitConversions, RadecToAltazWithoutDateUsesTheStoredLmst)
{
    Ephemkit e;
    e.setLat(52);
    e.setLMST(10);
    e.setRA(8);
    e.setDec(20);
    e.RADEC2ALTAZ(missing());
    EXPECT_NEAR(num(e.Alt()), 50.4023541, 1e-7);
    EXPECT_NEAR(num(e.Az()), 227.4882113, 1e-7);
    EXPECT_EQ(num(e.LMST()), 10.0);
    EXPECT_FALSE(e.UTDate().isValid());

    // ALTAZ2RADEC without a date takes the LMST of UTDate again.
    e.setUTDate(dateValue(kDate));
    const double lmstOfDate = num(e.LMST());
    e.setLMST(3);
    e.ALTAZ2RADEC(missing());  // LMST back from UTDate
    EXPECT_EQ(num(e.LMST()), lmstOfDate);
}

TEST(EphemkitConversions, DatedConversionsWriteLmstButNotUtDate)
{
    Ephemkit e;
    e.setLNG(75);
    e.setLat(40);
    e.setUTDate(dateValue(kDate));
    e.setAlt(90);
    e.setAz(0);
    const double other = kDate + 0.25;
    e.ALTAZ2RADEC(dateValue(other));
    const double lmst = ephemkit::localMeanSiderealTime(other, 75);
    EXPECT_DOUBLE_EQ(num(e.LMST()), lmst);
    EXPECT_NEAR(num(e.Dec()), 40.0, 1e-8);
    EXPECT_NEAR(num(e.RA()), lmst, 1e-8);
    EXPECT_EQ(automation::toDate(e.UTDate()), kDate);

    e.setRA(1);
    e.setDec(10);
    e.RADEC2ALTAZ(dateValue(other));
    EXPECT_DOUBLE_EQ(num(e.LMST()), lmst);
    EXPECT_EQ(automation::toDate(e.UTDate()), kDate);
}

TEST(EphemkitConversions, OldLongitudeStaysInLmstUntilUtDateIsSetAgain)
{
    Ephemkit e;
    e.setUTDate(dateValue(kDate));
    e.setLNG(90);  // LMST still for longitude 0
    e.setRA(12);
    e.setDec(0);
    e.RADEC2ALTAZ(missing());
    Ephemkit f;
    f.setUTDate(dateValue(kDate));
    f.setRA(12);
    f.setDec(0);
    f.RADEC2ALTAZ(missing());
    EXPECT_EQ(num(e.Alt()), num(f.Alt()));
    EXPECT_EQ(num(e.Az()), num(f.Az()));
}

TEST(EphemkitConversions, NowMembersTakeUtFromTheClocksUtc)
{
    Ephemkit e;
    const QDateTime utc(QDate(2024, 3, 20), QTime(9, 30, 0), Qt::UTC);
    e.setUtcNow([utc] { return utc; });
    e.setLNG(75);
    e.setLat(40);
    e.setAlt(30);
    e.setAz(120);
    const double ut = automation::toAutomationDate(utc);
    e.ALTAZ2RADECnow();
    EXPECT_DOUBLE_EQ(num(e.LMST()), ephemkit::localMeanSiderealTime(ut, 75));
    EXPECT_FALSE(e.UTDate().isValid());

    e.setPlanetNum(10);
    e.RADEC2ALTAZnow();
    const ephemkit::SunMoon sun = ephemkit::SunMoonPosition(ut);
    EXPECT_DOUBLE_EQ(num(e.RA()), sun.sunRaHours);
    EXPECT_DOUBLE_EQ(num(e.Dec()), sun.sunDecDeg);
    EXPECT_DOUBLE_EQ(num(e.LMST()), ephemkit::localMeanSiderealTime(ut, 75));
}

TEST(EphemkitPositions, BodiesGetTheirPlacesForTheDate)
{
    Ephemkit e;
    e.setUTDate(dateValue(kDate));
    e.setPlanetNum(7);  // Pluto, from the planet layer like the others
    e.RADEC2ALTAZ(dateValue(kDate));
    const std::optional<ephemkit::PlanetPlace> pluto = ephemkit::PlanetPosition(kDate, 7);
    ASSERT_TRUE(pluto);
    EXPECT_EQ(num(e.RA()), pluto->raHours);
    EXPECT_EQ(num(e.Dec()), pluto->decDeg);

    e.setPlanetNum(11);
    e.RADEC2ALTAZ(dateValue(kDate));
    EXPECT_EQ(num(e.RA()), ephemkit::SunMoonPosition(kDate).moonRaHours);
}

TEST(EphemkitPositions, NoBodyNumbersKeepTheFixedPositionButRecomputeRiseSet)
{
    for (int body : {8, 9, -1}) {
        Ephemkit e;
        e.setLat(40);
        e.setUTDate(dateValue(kDate));
        e.setPlanetNum(body);
        e.setRA(5.5);
        e.setDec(10);
        e.RADEC2ALTAZ(dateValue(kDate));
        EXPECT_EQ(num(e.RA()), 5.5) << body;
        EXPECT_EQ(num(e.Dec()), 10.0) << body;
        ASSERT_TRUE(automation::isDate(e.RiseDate())) << body;
        const double rise = automation::toDate(e.RiseDate());
        const double set = automation::toDate(e.SetDate());
        EXPECT_EQ(std::floor(rise), 45371.0) << body;
        EXPECT_EQ(std::floor(set), 45371.0) << body;
        // Up for more than 12 sidereal hours at northern declination.
        double up = set - rise;
        if (up < 0)
            up += 0.9972695677;
        EXPECT_GT(up, 0.5) << body;
        EXPECT_LT(num(e.RiseAz()), 90.0) << body;
        EXPECT_GT(num(e.SetAz()), 270.0) << body;
    }
    Ephemkit f;
    f.setPlanetNum(12);  // out of range: nothing selected
    EXPECT_FALSE(f.PlanetNum().isValid());
}

TEST(EphemkitPositions, NeverRisingFixedPositionReportsNoEvent)
{
    Ephemkit e;
    e.setLat(50);
    e.setUTDate(dateValue(kDate));
    e.setPlanetNum(-1);
    e.setRA(3);
    e.setDec(-45);
    e.RADEC2ALTAZ(dateValue(kDate));
    EXPECT_EQ(automation::toDate(e.RiseDate()), -1.0);
    EXPECT_EQ(automation::toDate(e.SetDate()), -1.0);
    EXPECT_EQ(num(e.RiseAz()), -1.0);
    EXPECT_EQ(num(e.SetAz()), -1.0);
}

TEST(EphemkitPositions, SunInPolarSummerHasNoSetAndUnsearchedZeros)
{
    Ephemkit e;
    e.setLat(80);
    e.setPlanetNum(10);
    e.setUTDate(dateValue(45464.5));  // 2024-06-21
    e.RADEC2ALTAZ(dateValue(45464.5));
    EXPECT_EQ(automation::toDate(e.SetDate()), -1.0);
    EXPECT_EQ(automation::toDate(e.RiseDate()), 0.0);
    EXPECT_EQ(num(e.RiseAz()), 0.0);
    EXPECT_EQ(num(e.SetAz()), 0.0);
}

// A date given to RADEC2ALTAZ places the body; rise and set stay on the UT
// day of UTDate (here 100 days earlier), for the minute search and riset alike.
TEST(EphemkitPositions, DatedConversionPlacesTheBodyButRiseAndSetStayOnUtDatesDay)
{
    const double other = kDate + 100;
    for (int body : {ephemkit::kSun, ephemkit::kMoon, 2}) {
        Ephemkit e;
        e.setLat(40);
        e.setLNG(75);
        e.setUTDate(dateValue(kDate));
        e.setPlanetNum(body);
        e.RADEC2ALTAZ(dateValue(other));
        const double ra = body == ephemkit::kSun    ? ephemkit::SunMoonPosition(other).sunRaHours
                          : body == ephemkit::kMoon ? ephemkit::SunMoonPosition(other).moonRaHours
                                                    : ephemkit::PlanetPosition(other, body)->raHours;
        EXPECT_EQ(num(e.RA()), ra) << body;
        EXPECT_EQ(std::floor(automation::toDate(e.RiseDate())), std::floor(kDate)) << body;
        EXPECT_EQ(std::floor(automation::toDate(e.SetDate())), std::floor(kDate)) << body;
        EXPECT_EQ(num(e.LMST()), ephemkit::localMeanSiderealTime(other, 75)) << body;
    }
}

TEST(EphemkitTransit, FixedPositionOnTheMeridianTransitsAtTheStart)
{
    Ephemkit e;
    e.setLNG(75);
    e.setLat(40);
    e.setUTDate(dateValue(kDate));
    const double lmst = num(e.LMST());
    e.setRA(lmst);
    e.setDec(10);
    EXPECT_EQ(automation::toDate(e.NextTransit(missing(), missing(), missing())), kDate);
    EXPECT_DOUBLE_EQ(num(e.TransitEL()), 60.0);
    EXPECT_EQ(e.TransitStatus().toInt(), 0);
    EXPECT_EQ(num(e.NextLowerTransit()), 0.0);
    EXPECT_DOUBLE_EQ(num(e.TransitELlower()), -40.0);
    EXPECT_EQ(num(e.LMST()), lmst);  // not written

    // Lower transit: 12 sidereal hours later.
    const double lower = automation::toDate(e.NextTransit(missing(), missing(), QVariant(false)));
    EXPECT_NEAR(lower - kDate, 12 * 0.9972695677 / 24, 1.0 / 86400);
}

TEST(EphemkitTransit, StatusCases)
{
    struct Case {
        double lat, dec, transitEL, lowerEL;
        int status;
    };
    for (const Case c : {Case{50, 45, 85, 5, 1}, Case{50, -45, -5, 5, -1}, Case{-30, 70, 190, 10, -1},
                         Case{-30, -70, 50, 10, 1}, Case{10, 20, 100, -60, 0}}) {
        Ephemkit e;
        e.setLat(c.lat);
        e.setRA(4);
        e.setDec(c.dec);
        e.setUTDate(dateValue(kDate));
        const double start = kDate + 0.1;
        const QVariant result = e.NextTransit(dateValue(start), QVariant(3), missing());
        ASSERT_TRUE(automation::isDate(result));
        const double t = automation::toDate(result);
        EXPECT_DOUBLE_EQ(num(e.TransitEL()), c.transitEL) << c.lat << " " << c.dec;
        EXPECT_EQ(e.TransitStatus().toInt(), c.status) << c.lat << " " << c.dec;
        EXPECT_DOUBLE_EQ(num(e.TransitELlower()), c.lowerEL) << c.lat << " " << c.dec;
        if (c.status == 1) {
            const double expected = t - start > kHalfSiderealDay ? t - kHalfSiderealDay : t + kHalfSiderealDay;
            EXPECT_NEAR(automation::toDate(e.NextLowerTransit()), expected, 1e-3 / 86400);
        } else {
            EXPECT_EQ(num(e.NextLowerTransit()), 0.0);
        }
    }
}

TEST(EphemkitTransit, BodyNineGivesEmptyAndKeepsTransitElevation)
{
    Ephemkit e;
    e.setLat(50);
    e.setRA(4);
    e.setDec(45);
    e.setUTDate(dateValue(kDate));
    e.NextTransit(missing(), missing(), missing());
    ASSERT_DOUBLE_EQ(num(e.TransitEL()), 85.0);
    e.setPlanetNum(9);
    e.setDec(-45);
    const QVariant result = e.NextTransit(missing(), missing(), missing());
    EXPECT_FALSE(result.isValid());
    EXPECT_DOUBLE_EQ(num(e.TransitEL()), 85.0);      // unchanged
    EXPECT_EQ(e.TransitStatus().toInt(), 0);         // recomputed from Dec -45
    EXPECT_DOUBLE_EQ(num(e.TransitELlower()), 5.0);  // recomputed
    EXPECT_EQ(num(e.NextLowerTransit()), 0.0);       // no transit, no lower one
}

TEST(EphemkitTransit, SunAndMoonUseTheirSearchAndIgnoreTheLowerFlag)
{
    Ephemkit e;
    e.setLat(51.5);
    e.setUTDate(dateValue(45599.0));  // 2024-11-03
    e.setPlanetNum(10);
    const double upper = automation::toDate(e.NextTransit(missing(), missing(), missing()));
    const double withFlag = automation::toDate(e.NextTransit(missing(), missing(), QVariant(1)));
    EXPECT_EQ(upper, withFlag);
    EXPECT_NEAR(upper, 45599.0 + (11 + 43.6 / 60) / 24, 20.0 / 86400);
    const ephemkit::SunMoon at = ephemkit::SunMoonPosition(upper);
    EXPECT_DOUBLE_EQ(num(e.TransitEL()), at.sunDecDeg + 90 - 51.5);

    e.setPlanetNum(11);
    const double moon = automation::toDate(e.NextTransit(missing(), missing(), missing()));
    EXPECT_GE(moon, 45599.0);
    EXPECT_LT(moon, 45600.1);
}

TEST(EphemkitErrors, BadDateIsRecordedNotThrown)
{
    Ephemkit e;
    e.setRA(1);
    EXPECT_NO_THROW(e.RADEC2ALTAZ(QVariant(QStringLiteral("not a date"))));
    int number = 0;
    QString text;
    EXPECT_TRUE(e.takeError(number, text));
    EXPECT_EQ(number, 13);
    EXPECT_NO_THROW(e.NextTransit(QVariant(QStringLiteral("x")), missing(), missing()));
    EXPECT_TRUE(e.takeError(number, text));
}

// A planet asked for outside the years its theory holds: every member that
// places it raises error 5 naming those years, keeps the other properties
// and empties the almanac; the edges of the years themselves are served.
TEST(EphemkitErrors, PlacesOutsideTheYearsOfTheTheoryAreRefused)
{
    const QString pluto = QStringLiteral("Pluto's series holds from 1885 to 2099");
    const QString jupiter = QStringLiteral("Jupiter's series holds from 1000 to 2999");
    const struct {
        int body;
        double utDate;
        QString error;  // empty: served
        bool dayOnly;   // only AlmanacDay (its day reaches beyond the years) refuses
    } cases[] = {
        {7, civil(1850, 6, 21), pluto, false},  {7, civil(1884, 12, 31, 23, 59, 59), pluto, false},
        {7, civil(2100, 1, 1), pluto, false},   {7, civil(2099, 12, 31, 0, 0, 1), pluto, true},
        {7, civil(1885, 1, 1), {}, false},      {7, civil(2099, 12, 31), {}, false},
        {3, civil(3000, 1, 1), jupiter, false}, {3, civil(999, 12, 31, 12), jupiter, false},
        {2, civil(1850, 6, 21), {}, false},
    };
    for (const auto &c : cases) {
        Ephemkit e;
        e.setLat(51.5);
        e.setPlanetNum(c.body);
        e.setUTDate(dateValue(c.utDate));
        e.setRA(5.5);
        const QVariant date = dateValue(c.utDate);
        const auto check = [&](bool refused, const char *member) {
            int number = 0;
            QString text;
            ASSERT_EQ(e.takeError(number, text), refused) << member << " " << c.utDate;
            if (refused) {
                EXPECT_EQ(number, 5) << member;
                EXPECT_EQ(text, c.error) << member;
            }
        };
        const bool refused = !c.error.isEmpty();
        e.RADEC2ALTAZ(date);
        check(refused && !c.dayOnly, "RADEC2ALTAZ");
        if (refused && !c.dayOnly) {
            EXPECT_EQ(num(e.RA()), 5.5) << "RA kept";
        }
        e.NextTransit(date, missing(), missing());
        check(refused && !c.dayOnly, "NextTransit");
        e.AlmanacPlace(date);
        check(refused && !c.dayOnly, "AlmanacPlace");
        EXPECT_EQ(e.AlmanacRA().isValid(), !refused || c.dayOnly);
        e.AlmanacDay(date);
        check(refused, "AlmanacDay");
        EXPECT_EQ(e.AlmanacStatus().isValid(), !refused);
    }
}
