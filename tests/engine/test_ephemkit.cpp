// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The engine object's properties: storage, range rules and the recompute of
// LMST when UTDate is set.

#include "automationerror.h"
#include "civil.h"
#include "ephemkit.h"
#include "variant.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

QVariant date(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return automation::dateValue(civil(y, mo, d, h, mi, s));
}

TEST(Ephemkit, FreshObject)
{
    Ephemkit e;
    EXPECT_EQ(e.LNG(), QVariant(0.0));
    EXPECT_EQ(e.LMST(), QVariant(0.0));
    for (const QVariant &v : {e.lat(), e.RA(), e.Dec(), e.Alt(), e.Az(), e.PlanetNum(), e.PlanetName(), e.RiseDate(),
                              e.SetDate(), e.RiseAz(), e.SetAz(), e.UTDate(), e.TransitEL(), e.TransitStatus(),
                              e.NextLowerTransit(), e.TransitELlower()})
        EXPECT_TRUE(automation::isEmpty(v));
}

TEST(Ephemkit, LongitudeRangeAnd360)
{
    Ephemkit e;
    e.setLNG(75.0);
    EXPECT_EQ(e.LNG(), QVariant(75.0));
    e.setLNG(360);
    EXPECT_EQ(e.LNG(), QVariant(0.0));
    e.setLNG(12.5);
    for (const QVariant &bad : {QVariant(360.5), QVariant(-1), automation::null(), QVariant(QStringLiteral("west"))}) {
        e.setLNG(bad);
        EXPECT_EQ(e.LNG(), QVariant(12.5));
    }
    int number = 0;
    QString text;
    EXPECT_FALSE(e.takeError(number, text)) << "range errors are silent";
}

TEST(Ephemkit, RangeTestedVariantsKeepWhatWasGiven)
{
    Ephemkit e;
    e.setRA(24);
    EXPECT_EQ(e.RA(), QVariant(0.0));
    e.setRA(7.5);
    e.setRA(24.01);
    EXPECT_EQ(e.RA(), QVariant(7.5));
    e.setAz(360);
    EXPECT_EQ(e.Az(), QVariant(0.0));
    e.setAz(-0.1);
    EXPECT_EQ(e.Az(), QVariant(0.0));
    e.setDec(-90);
    e.setDec(90.0001);
    EXPECT_EQ(e.Dec(), QVariant(-90));
    e.setAlt(45);
    e.setAlt(-90.5);
    EXPECT_EQ(e.Alt(), QVariant(45));
    e.setLat(52);
    e.setLat(91);
    EXPECT_EQ(e.lat(), QVariant(52));
    e.setLat(automation::null());
    EXPECT_EQ(e.lat(), QVariant(52));
}

TEST(Ephemkit, BodyNumbersAndNames)
{
    Ephemkit e;
    e.setPlanetNum(10.7);
    EXPECT_EQ(e.PlanetNum(), QVariant(10));
    EXPECT_EQ(e.PlanetName(), QVariant(QStringLiteral("Sun")));
    e.setPlanetNum(8);
    EXPECT_EQ(e.PlanetNum(), QVariant(8));
    EXPECT_EQ(e.PlanetName(), QVariant(QString()));
    e.setPlanetNum(2);
    e.setPlanetNum(12);
    e.setPlanetNum(-2);
    e.setPlanetNum(-1.5);  // floor gives -2
    e.setPlanetNum(std::nan(""));
    EXPECT_EQ(e.PlanetNum(), QVariant(2));
    EXPECT_EQ(e.PlanetName(), QVariant(QStringLiteral("Mars")));
    e.setPlanetNum(-0.5);  // floor gives -1: the fixed position
    EXPECT_EQ(e.PlanetNum(), QVariant(-1));
    EXPECT_EQ(e.PlanetName(), QVariant(QString()));

    e.setPlanetName(QStringLiteral(" moon "));
    EXPECT_EQ(e.PlanetName(), QVariant(QStringLiteral("MOON")));
    EXPECT_EQ(e.PlanetNum(), QVariant(11));
    e.setPlanetName(QStringLiteral("Ceres"));
    EXPECT_EQ(e.PlanetName(), QVariant(QString()));
    EXPECT_EQ(e.PlanetNum(), QVariant(-1));
}

TEST(Ephemkit, PlanetNumTextThatIsNoNumberRaisesTypeMismatch)
{
    Ephemkit e;
    e.setPlanetNum(3);
    e.setPlanetNum(QStringLiteral("Jupiter"));
    int number = 0;
    QString text;
    ASSERT_TRUE(e.takeError(number, text));
    EXPECT_EQ(number, automation::kTypeMismatch);
    EXPECT_EQ(text, QStringLiteral("Type mismatch"));
    EXPECT_EQ(e.PlanetNum(), QVariant(3));
    EXPECT_FALSE(e.takeError(number, text)) << "taking the error clears it";
}

TEST(Ephemkit, DiscardingSetters)
{
    Ephemkit e;
    e.discard(date(2024, 1, 1));
    e.setProperty("RiseDate", date(2024, 1, 1));
    e.setProperty("SetAz", 12.0);
    e.setProperty("TransitELlower", 3.0);
    EXPECT_TRUE(automation::isEmpty(e.RiseDate()));
    EXPECT_TRUE(automation::isEmpty(e.SetAz()));
    EXPECT_TRUE(automation::isEmpty(e.TransitELlower()));
}

TEST(Ephemkit, UTDateComputesLmstWithTheLongitudeAtThatMoment)
{
    Ephemkit e;
    e.setLNG(75);
    e.setUTDate(date(2000, 1, 1, 12));
    EXPECT_NEAR(e.LMST().toDouble(), 13.6973745, 1e-7);
    EXPECT_EQ(e.UTDate(), date(2000, 1, 1, 12));
    e.setLNG(0);
    EXPECT_NEAR(e.LMST().toDouble(), 13.6973745, 1e-7) << "LNG alone does not recompute";
    e.setUTDate(date(2000, 1, 1, 12));
    EXPECT_NEAR(e.LMST().toDouble(), 18.6973745, 1e-7);
    // A number is taken as an automation date.
    e.setUTDate(civil(2024, 3, 20));
    EXPECT_NEAR(e.LMST().toDouble(), 11.8679181, 1e-7);
}

TEST(Ephemkit, UTDateThatIsNoDateIsStoredAndRaises)
{
    Ephemkit e;
    e.setUTDate(date(2000, 1, 1, 12));
    const QVariant before = e.LMST();
    e.setUTDate(QStringLiteral("tomorrow"));
    int number = 0;
    QString text;
    ASSERT_TRUE(e.takeError(number, text));
    EXPECT_EQ(number, automation::kTypeMismatch);
    EXPECT_EQ(e.UTDate(), QVariant(QStringLiteral("tomorrow")));
    EXPECT_EQ(e.LMST(), before);

    e.setUTDate(automation::null());
    ASSERT_TRUE(e.takeError(number, text));
    EXPECT_EQ(number, automation::kInvalidUseOfNull);
}

TEST(Ephemkit, EmptyUTDateIsDayZero)
{
    Ephemkit e;
    e.setUTDate(QVariant());
    int number = 0;
    QString text;
    EXPECT_FALSE(e.takeError(number, text));
    Ephemkit f;
    f.setUTDate(date(1899, 12, 30));
    EXPECT_EQ(e.LMST(), f.LMST());
}

TEST(Ephemkit, LmstSetterTakesAnythingNumeric)
{
    Ephemkit e;
    e.setLMST(30.5);  // no range test
    EXPECT_EQ(e.LMST(), QVariant(30.5));
    e.setLMST(QStringLiteral("7.25"));
    EXPECT_EQ(e.LMST(), QVariant(7.25));
    e.setLMST(QStringLiteral("seven"));
    int number = 0;
    QString text;
    ASSERT_TRUE(e.takeError(number, text));
    EXPECT_EQ(number, automation::kTypeMismatch);
    EXPECT_EQ(e.LMST(), QVariant(7.25));
}

}  // namespace
