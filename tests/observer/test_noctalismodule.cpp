// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The general module's texts: colon lines, marker fields, the system time
// zone, the clock face's hours and the stored longitude.

#include "messageservice.h"
#include "noctalismodule.h"
#include "zonescope.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

using namespace noctalis;

namespace {

std::string str(const QString &s) { return s.toStdString(); }

TEST(TextAfterColon, GivesTheRestAfterTheFirstColon)
{
    EXPECT_EQ(str(TextAfterColon(u"NAME:")), "");
    EXPECT_EQ(str(TextAfterColon(u"NAME:a:b")), "a:b");
    EXPECT_EQ(str(TextAfterColon(u"PARAM1: bell.wav ")), " bell.wav ");  // no trimming
    EXPECT_EQ(str(TextAfterColon(u"no colon here")), "");
    EXPECT_EQ(str(TextAfterColon(u"")), "");
}

TEST(TextBetween, CutsTheFieldBetweenTheMarkers)
{
    const struct {
        const char16_t *text;
        const char16_t *start;
        const char16_t *end;
        const char *wanted;
    } cases[] = {
        {u"[LMST HH:MM:SS]", u"[LMST", u"]", " HH:MM:SS"},
        {u"Now [LMST HOURS] h [LMST x]", u"[LMST", u"]", " HOURS"},
        {u"no field", u"[LMST", u"]", ""},
        {u"] before [LMST HH", u"[LMST", u"]", ""},  // "]" only before it
        {u"] before [LMST a]", u"[LMST", u"]", " a"},
        {u"[LMST]", u"[LMST", u"]", ""},                            // nothing between
        {u"[lmst x]", u"[LMST", u"]", ""},                          // markers match with case
        {u"[LMST a[b", u"[LMST", u"[", " a"},                       // end searched after the start
        {u"say [UT HH:MM:SS] now", u"[UT", u"", " HH:MM:SS] now"},  // no end marker
        {u"ends with [UT", u"[UT", u"", ""},
    };
    for (const auto &c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(str(TextBetween(text, QString::fromUtf16(c.start), QString::fromUtf16(c.end))), c.wanted)
            << "text \"" << str(text) << '"';
    }
    EXPECT_EQ(str(TextBetween(u"a[UT b", u"[UT")), " b");
}

TEST(GetSystemTimeZone, KeepsHalfAndQuarterHours)
{
    const struct {
        const char *tz;
        double wanted;
    } cases[] = {
        {"UTC0", 0},
        {"EST5", -5},
        {"CET-1", 1},
        {"IST-5:30", 5.5},   // India
        {"NPT-5:45", 5.75},  // Nepal
        {"NST3:30", -3.5},   // Newfoundland
        {"ACST-9:30", 9.5},  // central Australia
        // Daylight saving the whole year round, whatever the date of the run.
        {"XST5XDT,M1.1.0/-168,M12.5.6/168", -4},
        {"NST3:30NDT,M1.1.0/-168,M12.5.6/168", -2.5},
    };
    for (const auto &c : cases) {
        const ZoneScope zone(c.tz);
        EXPECT_EQ(GetSystemTimeZone(), c.wanted) << "TZ=" << c.tz;
    }
}

TEST(FormatHoursHMS, TruncatesToTheSecond)
{
    const struct {
        double hours;
        const char *wanted;
    } cases[] = {
        {0, "00:00:00"},
        {12.5, "12:30:00"},
        {7.25, "07:15:00"},
        {23.99999, "23:59:59"},
        {23 + 59.0 / 60 + 59.7 / 3600, "23:59:59"},
        {24, "24:00:00"},
        // The double nearest 23 minutes lies a hair below them: never "00:23:-1".
        {0.3833333333333333, "00:23:00"},
        {0.7666666666666666, "00:46:00"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(str(FormatHoursHMS(c.hours)), c.wanted) << "hours " << c.hours;
}

TEST(FormatHoursHMS, FieldsStayInRangeNextToEveryWholeSecond)
{
    // Each whole second of the day and its neighbours one and two steps of
    // the double below and above.
    for (int second = 0; second < 86400; ++second) {
        double hours = second / 3600.0;
        for (int i = 0; i < 2; ++i)
            hours = std::nextafter(hours, 0.0);
        for (int i = 0; i < 5; ++i, hours = std::nextafter(hours, 25.0)) {
            const QString text = FormatHoursHMS(hours);
            ASSERT_EQ(text.size(), 8) << str(text);
            const int h = text.first(2).toInt();
            const int m = text.sliced(3, 2).toInt();
            const int s = text.sliced(6, 2).toInt();
            ASSERT_TRUE(m >= 0 && m < 60 && s >= 0 && s < 60) << hours << " gives " << str(text);
            // Truncated: at most one second below the value, never above it
            // by more than the rounding of the double itself.
            const double shown = h + m / 60.0 + s / 3600.0;
            ASSERT_LE(shown, hours + 1e-12) << hours << " gives " << str(text);
            ASSERT_GT(shown, hours - 1.0 / 3600 - 1e-12) << hours << " gives " << str(text);
        }
    }
}

class ParseStoredLongitudeTest : public testing::Test {
protected:
    RecordingMessageService messages;
};

TEST_F(ParseStoredLongitudeTest, ReadsDecimalAndColonForms)
{
    const struct {
        const char16_t *text;
        float wanted;
    } cases[] = {
        {u"5:30:00", 5.5f},    {u"-5:30:00", -5.5f}, {u"  -5:30:00", -5.5f},
        {u"-0:30:00", -0.5f},  {u"75.25", 75.25f},   {u"-75", -75.0f},
        {u"0", 0.0f},          {u"", 0.0f},          {u"400:00:00", 400.0f},  // no range check
        {u"5:30:00:12", 5.5f},                                                // the last field stops at the third colon
        {u"5:30:36", 5.51f},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ParseStoredLongitude(QString::fromUtf16(c.text), messages), c.wanted)
            << "text \"" << str(QString::fromUtf16(c.text)) << '"';
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(ParseStoredLongitudeTest, ReportsAMalformedColonFormAndGivesZero)
{
    for (const char16_t *text : {u":30:00", u"5:30", u"5:30:", u"5::00", u"1E39", u"-1E39:0:0"}) {
        messages.messages.clear();
        EXPECT_EQ(ParseStoredLongitude(text, messages), 0.0f) << str(QString::fromUtf16(text));
        ASSERT_EQ(messages.messages.size(), 1) << str(QString::fromUtf16(text));
        const auto &shown = messages.messages.front();
        EXPECT_EQ(str(shown.text), "Could not interpret as Longitude\nUse HH:MM:SS or decimal value");
        EXPECT_EQ(str(shown.title), "Longitude Error");
        EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    }
}

}  // namespace
