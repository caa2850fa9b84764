// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Time fields in alarm texts: the two expanders and their value table.

#include "automationobject.h"
#include "civil.h"
#include "clock.h"
#include "modastrosubs.h"
#include "timefields.h"
#include "noctalismodule.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

// An engine whose LMST at the clock's instant is 7.25 h (07:15:00; a tenth of
// a second past it, so that the rounding of the longitude cannot bring it
// below), with UT 13:04:05 on 2024-03-20 and the computer's civil time two
// hours ahead: the fields take UT from the clock's UTC, never from its civil
// time.
class TimeFieldsTest : public ::testing::Test {
protected:
    TimeFieldsTest() : engine(automation::Object::create(QStringLiteral("Ephemlib.Ephemkit")))
    {
        clock.now = QDateTime(QDate(2024, 3, 20), QTime(13, 4, 5), Qt::UTC);
        clock.setOffsetSeconds(2 * 3600);
        const double l0 = ephemkit::localMeanSiderealTime(civil(2024, 3, 20, 13, 4, 5), 0);
        double lng = (l0 - kLmstHours) * 15;
        while (lng < 0)
            lng += 360;
        engine.set(QStringLiteral("LNG"), lng);
    }

    static constexpr double kLmstHours = 7.25 + 0.1 / 3600;

    TimeFieldSource source() { return TimeFieldSource{engine, clock}; }
    QString cvt(const QString &t) { return CvtMsg(t, source()); }
    QString expand(const QString &t) { return ExpandTimeFields(t, source()); }

    automation::Object engine;
    ManualClock clock;
};

TEST_F(TimeFieldsTest, WorkedExamples)
{
    ASSERT_FALSE(engine.isEmpty());
    EXPECT_EQ(cvt(QStringLiteral("[LMST HH:MM:SS]")), QStringLiteral("07:15:00"));
    EXPECT_EQ(cvt(QStringLiteral("Sidereal [LMST HOURS] h")), QStringLiteral("Sidereal 7.2500 h"));
    EXPECT_EQ(expand(QStringLiteral("Now [LMST HH:MM:SS] (LST)")), QStringLiteral("Now 07:15:00 (LST)"));
    EXPECT_EQ(expand(QStringLiteral("UT [UT HH:MM:SS]")), QStringLiteral("UT 13:04:05"));
    EXPECT_EQ(cvt(QStringLiteral("UT [UT hh:mm:ss]!")), QStringLiteral("UT 13:04:05!"));
}

TEST_F(TimeFieldsTest, EmptyFieldsAndTextsWithoutFields)
{
    EXPECT_EQ(expand(QStringLiteral("[LMST]")), QStringLiteral("[LMST]"));
    EXPECT_EQ(cvt(QStringLiteral("[LMST]")), QString());
    EXPECT_EQ(cvt(QStringLiteral("a [UT] b")), QStringLiteral("a  b"));
    for (const QString &plain : {QStringLiteral("Transit of M31 [soon]"), QString(), QStringLiteral("LMST HH:MM:SS")}) {
        EXPECT_EQ(expand(plain), plain);
        EXPECT_EQ(cvt(plain), plain);
    }
}

TEST_F(TimeFieldsTest, UtHoursCountFromTheEpochNotTheDay)
{
    const QString hours = cvt(QStringLiteral("[UT HOURS]"));
    const double expected = civil(2024, 3, 20, 13, 4, 5) * 24;
    EXPECT_NEAR(hours.toDouble(), expected, 1e-4) << hours.toStdString();
    EXPECT_GT(hours.toDouble(), 1080000);
}

TEST_F(TimeFieldsTest, TheTwoExpandersDifferOnPurpose)
{
    // ExpandTimeFields puts the value in place of every field; CvtMsg inserts
    // it once, at the first field, and removes the other fields of that text.
    // Both leave the rest of the text as typed.
    const QString text = QStringLiteral("[x] [LMST HH:MM:SS] and [LMST HH:MM:SS] HH:MM:SS");
    EXPECT_EQ(expand(text), QStringLiteral("[x] 07:15:00 and 07:15:00 HH:MM:SS"));
    EXPECT_EQ(cvt(text), QStringLiteral("[x] 07:15:00 and  HH:MM:SS"));
}

TEST_F(TimeFieldsTest, ANoticeShowsEveryFieldInPlaceAndTheRestAsTyped)
{
    const QString both = QStringLiteral("Transit now [LMST HH:MM:SS] / UT [UT HH:MM:SS]");
    EXPECT_EQ(expand(both), QStringLiteral("Transit now 07:15:00 / UT 13:04:05"));
    EXPECT_EQ(cvt(both), expand(both)) << "as the sender gives it";
    const struct {
        const char *text;
        const char *shown;
    } cases[] = {
        {"[UT HH:MM:SS] before [LMST HOURS]] (x]", "13:04:05 before 7.2500] (x]"},
        {"[LMST] and [UT] stay, [LMST HH:MM:SS] goes", "[LMST] and [UT] stay, 07:15:00 goes"},
        {"[LMST  ]  two blanks", "[LMST  ]  two blanks"},
        {"[LMST HOURS] h, [UT hh:mm:ss], [LMST 00]", "7.2500 h, 13:04:05, 07"},
        {"open [LMST HH:MM:SS", "open [LMST HH:MM:SS"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(expand(QString::fromUtf8(c.text)), QString::fromUtf8(c.shown)) << c.text;
}

TEST_F(TimeFieldsTest, OtherPatternsGoThroughTheNumberPattern)
{
    EXPECT_EQ(cvt(QStringLiteral("[LMST 0.000]")), QStringLiteral("7.250"));
    EXPECT_EQ(cvt(QStringLiteral("[LMST 00]")), QStringLiteral("07"));
    EXPECT_EQ(lmstFieldValue(QStringLiteral("hours"), 12.5), QStringLiteral("12.5000"));
}

// A field shows the second the face shows at the same LMST: late in a
// second it is not rounded up into the next one.
TEST(LmstField, ShowsTheFacesSecond)
{
    for (double lmstHours :
         {7.25, 7.25 + 0.4 / 3600, 7.25 + 0.6 / 3600, 7.25 + 0.999 / 3600, 0.0, 23.99999, 23 + 3599.5 / 3600}) {
        EXPECT_EQ(lmstFieldValue(QStringLiteral(" hh:mm:ss "), lmstHours), FormatHoursHMS(lmstHours)) << lmstHours;
    }
    EXPECT_EQ(lmstFieldValue(QStringLiteral("HH:MM:SS"), 7.25 + 0.6 / 3600), QStringLiteral("07:15:00"));
    EXPECT_EQ(lmstFieldValue(QStringLiteral("HH:MM:SS"), 23.99999), QStringLiteral("23:59:59"));
}

TEST_F(TimeFieldsTest, LmstFieldsFollowUt1AndUtFieldsStayOnUtc)
{
    // UT1 = UTC + DUT1 moves the LMST by DUT1 at 1.002737908 sidereal
    // seconds per second, to the part of a second, in both expanders.
    for (const double dut1 : {0.5, -0.2, -0.7}) {
        const TimeFieldSource s{engine, clock, dut1};
        const double expected = kLmstHours + dut1 * 1.002737908 / 3600;
        for (const QString &value :
             {ExpandTimeFields(QStringLiteral("[LMST 0.0000000]"), s), CvtMsg(QStringLiteral("[LMST 0.0000000]"), s)})
            EXPECT_NEAR(value.toDouble(), expected, 1e-7) << dut1 << " " << value.toStdString();
        EXPECT_EQ(ExpandTimeFields(QStringLiteral("[UT HH:MM:SS]"), s), QStringLiteral("13:04:05")) << dut1;
    }
}

TEST_F(TimeFieldsTest, WithoutAnEngineLmstFieldsGetNoValue)
{
    automation::Object none;
    const TimeFieldSource s{none, clock};
    EXPECT_EQ(ExpandTimeFields(QStringLiteral("[LMST HH:MM:SS] [UT HH:MM:SS]"), s), QStringLiteral("[LMST] 13:04:05"))
        << "the LMST field loses its text; the UT field still gets its value";
    EXPECT_EQ(ExpandTimeFields(QStringLiteral("[LMST HH:MM:SS] [UT HOURS]"), s),
              QStringLiteral("[LMST] ") + utFieldValue(QStringLiteral("HOURS"), civil(2024, 3, 20, 13, 4, 5)));
    EXPECT_EQ(CvtMsg(QStringLiteral("<[LMST HH:MM:SS]>"), s), QStringLiteral("<>"));
}

}  // namespace
