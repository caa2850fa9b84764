// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The strict readers of typed boxes: every accepted form gives its value,
// every other text nothing, the same where "," is the locale's decimal point.

#include "commalocale.h"
#include "strictinput.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>

using namespace noctalis;

namespace {

enum class Locale { Plain, Comma };

class StrictInput : public testing::TestWithParam<Locale> {
protected:
    void SetUp() override
    {
        if (GetParam() == Locale::Comma)
            m_locale.emplace();
    }
    void TearDown() override { m_locale.reset(); }

private:
    std::optional<CommaLocale> m_locale;
};

INSTANTIATE_TEST_SUITE_P(Locales, StrictInput, testing::Values(Locale::Plain, Locale::Comma),
                         [](const auto &info) { return info.param == Locale::Plain ? "Plain" : "Comma"; });

using Reader = std::function<std::optional<double>(QStringView)>;

struct Case {
    const char16_t *text;
    std::optional<double> wanted;  // nothing: refused
};

void expectReads(const char *what, const Reader &read, std::initializer_list<Case> cases)
{
    for (const Case &c : cases) {
        const std::optional<double> got = read(c.text);
        const QString shown = QString::fromUtf16(c.text);
        ASSERT_EQ(got.has_value(), c.wanted.has_value()) << what << " \"" << shown.toStdString() << "\"";
        if (c.wanted) {
            EXPECT_NEAR(*got, *c.wanted, 1e-12) << what << " \"" << shown.toStdString() << "\"";
        }
    }
}

constexpr double kDms = 70 + 40 / 60.0 + 1 / 3600.0;  // 70:40:01

TEST_P(StrictInput, LongitudeForms)
{
    const auto west = [](QStringView t) { return longitudeWestFromText(t, LongitudeSense::West); };
    const auto east = [](QStringView t) { return longitudeWestFromText(t, LongitudeSense::East); };
    expectReads("west box", west,
                {{u"70.667", 70.667},
                 {u"70,667", 70.667},
                 {u"  70.667\t", 70.667},
                 {u"+70.667", 70.667},
                 {u"70.", 70},
                 {u".5", 0.5},
                 {u"70:40:01", kDms},
                 {u"70:40", 70 + 40 / 60.0},
                 {u"70:40.5", 70 + 40.5 / 60},
                 {u"70 40 01", kDms},
                 {u"70 : 40 : 01", kDms},
                 {u"70°40'01\"", kDms},
                 {u"70° 40′ 01″", kDms},
                 {u"70d40m01s", kDms},
                 {u"70°40'01''", kDms},
                 {u"70°40'", 70 + 40 / 60.0},
                 {u"70°40", 70 + 40 / 60.0},
                 {u"70:40:01.5", kDms + 0.5 / 3600},
                 {u"-75", 285},
                 {u"-75:30:00", 284.5},
                 {u"\u221275", 285},
                 {u"0", 0},
                 {u"360", 0},
                 {u"-180", 180},
                 {u"10 E", 350},
                 {u"10e", 350},
                 {u"75W", 75},
                 {u"-75 W", 75},
                 {u"+10 E", 350},
                 {u"70°40'01\" W", kDms},
                 {u"abc", {}},
                 {u"12x", {}},
                 {u"", {}},
                 {u"   ", {}},
                 {u"400", {}},
                 {u"360.5", {}},
                 {u"-180.5", {}},
                 {u"70:60", {}},
                 {u"70:40:60", {}},
                 {u"70 61", {}},
                 {u"70:40:01:02", {}},
                 {u"70 40 01 02", {}},
                 {u"-10 E", {}},
                 {u"+75 W", {}},
                 {u"361 W", {}},
                 {u"70,5:30", {}},
                 {u"70.5 30", {}},
                 {u"1e3", {}},
                 {u"1,000.5", {}},
                 {u"70::01", {}},
                 {u":40", {}},
                 {u"70:", {}},
                 {u"70:40 01", {}},
                 {u"70° 40 01", {}},
                 {u"70°:40", {}},
                 {u"W 75", {}},
                 {u"75 W E", {}},
                 {u"75 N", {}},
                 {u"--75", {}},
                 {u"+-75", {}},
                 {u".", {}},
                 {u"70:-40", {}}});
    expectReads("east box", east,
                {{u"10", 350}, {u"10 E", 350}, {u"75 W", 75}, {u"-75", 75}, {u"0", 0}, {u"284:30:00.0", 75.5}});
}

TEST_P(StrictInput, LatitudeZoneAndNumberForms)
{
    const double sydney = 33 + 52 / 60.0;
    expectReads("latitude", latitudeFromText,
                {{u"-33:52", -sydney},
                 {u"33:52 S", -sydney},
                 {u"-33 52 S", -sydney},
                 {u"33°52′S", -sydney},
                 {u"33d52m00s S", -sydney},
                 {u"33 52 00S", -sydney},
                 {u"40,5 N", 40.5},
                 {u"+40.5n", 40.5},
                 {u"90", 90},
                 {u"-90:00:00", -90},
                 {u"-0:30", -0.5},
                 {u"90.0001", {}},
                 {u"91:00:00", {}},
                 {u"-33 N", {}},
                 {u"+33 S", {}},
                 {u"33 E", {}},
                 {u"40.5x", {}},
                 {u"", {}}});
    expectReads("zone", zoneHoursFromText,
                {{u"-5", -5},
                 {u"5,5", 5.5},
                 {u"+5:30", 5.5},
                 {u"5:30", 5.5},
                 {u"-3:30", -3.5},
                 {u"24", 24},
                 {u"-24", -24},
                 {u" 5.75 ", 5.75},
                 {u"-24.5", {}},
                 {u"24:01", {}},
                 {u"5:60", {}},
                 {u"5:30:00", {}},
                 {u"5 30", {}},
                 {u"5h", {}},
                 {u"5x", {}},
                 {u"", {}}});
    expectReads("DUT1", dut1FromText,
                {{u"0.3", 0.3}, {u"-0,25", -0.25}, {u"0", 0}, {u"0.9", {}}, {u"-0.9", {}}, {u"0.3s", {}}, {u"", {}}});
    const auto duration = [](QStringView t) { return numberFromText(t, {0, 1440, false, true}); };
    expectReads("minutes", duration,
                {{u"5", 5},
                 {u"0,5", 0.5},
                 {u"0.5", 0.5},
                 {u"1440", 1440},
                 // No thousands separator: "1,000" and "1.000" are one, whatever the
                 // locale, and a second separator refuses the text.
                 {u"1,000", 1},
                 {u"1.000", 1},
                 {u"1,000,5", {}},
                 {u"1.000,5", {}},
                 {u"0", {}},
                 {u"1440.5", {}},
                 {u"5 min", {}},
                 {u"5:30", {}}});
    const auto whole = [](QStringView t) -> std::optional<double> {
        const std::optional<int> n = wholeNumberFromText(t, 0, 59);
        return n ? std::optional<double>(*n) : std::nullopt;
    };
    expectReads("whole", whole,
                {{u"07", 7},
                 {u" 59 ", 59},
                 {u"+0", 0},
                 {u"60", {}},
                 {u"-1", {}},
                 {u"7.0", {}},
                 {u"7,5", {}},
                 {u"7x", {}},
                 {u"", {}}});
}

TEST_P(StrictInput, HoursAndDegreesWithoutLetters)
{
    const auto hours = [](QStringView t) { return sexagesimalFromText(t, AngleUnit::Hours); };
    const auto degrees = [](QStringView t) { return sexagesimalFromText(t, AngleUnit::Degrees); };
    const double ra = 18 + 36 / 60.0 + 56 / 3600.0;
    expectReads("hours", hours,
                {{u"18h36m56s", ra},
                 {u"18 36 56", ra},
                 {u"18:36:56", ra},
                 {u"-0:30", -0.5},
                 {u"18.6", 18.6},
                 {u"18°36'56\"", {}},
                 {u"18h36m56s W", {}}});
    expectReads("degrees", degrees, {{u"+38°47′01″", 38 + 47 / 60.0 + 1 / 3600.0}, {u"38h47m", {}}});
}

TEST_P(StrictInput, DatesAndTimesOfDay)
{
    struct DateCase {
        const char16_t *text;
        const char16_t *format;
        QDate wanted;  // invalid: refused
    } dates[] = {
        {u"02/28/2026", u"MM/DD/YYYY", QDate(2026, 2, 28)},
        {u"28/02/2026", u"DD/MM/YYYY", QDate(2026, 2, 28)},
        {u" 2/29/2024 ", u"MM/DD/YYYY", QDate(2024, 2, 29)},
        {u"31.12.9999", u"DD/MM/YYYY", QDate(9999, 12, 31)},
        {u"01/01/0100", u"MM/DD/YYYY", QDate(100, 1, 1)},
        {u"02/30/2026", u"MM/DD/YYYY", {}},
        {u"02/29/2025", u"MM/DD/YYYY", {}},
        {u"13/01/2026", u"MM/DD/YYYY", {}},
        {u"28/02/2026", u"MM/DD/YYYY", {}},
        {u"00/10/2026", u"MM/DD/YYYY", {}},
        {u"01/01/99", u"MM/DD/YYYY", {}},
        {u"1/1/10000", u"DD/MM/YYYY", {}},
        {u"1/1", u"DD/MM/YYYY", {}},
        {u"1/1/2026/1", u"DD/MM/YYYY", {}},
        {u"1x/1/2026", u"DD/MM/YYYY", {}},
        {u"", u"DD/MM/YYYY", {}},
    };
    for (const DateCase &c : dates) {
        EXPECT_EQ(dateFromText(c.text, c.format).value_or(QDate()), c.wanted)
            << QString::fromUtf16(c.text).toStdString();
    }

    struct TimeCase {
        const char16_t *text;
        QTime wanted;
    } times[] = {
        {u"20:30:15", QTime(20, 30, 15)},
        {u" 7:05 ", QTime(7, 5)},
        {u"00:00:00", QTime(0, 0)},
        {u"23:59:59", QTime(23, 59, 59)},
        {u"24:00:00", {}},
        {u"12:60", {}},
        {u"12:30:60", {}},
        {u"25", {}},
        {u"12:30:00:00", {}},
        {u"-1:30", {}},
        {u"12:3x", {}},
        {u"12:30.5", {}},
        {u"", {}},
    };
    for (const TimeCase &c : times)
        EXPECT_EQ(timeOfDayFromText(c.text).value_or(QTime()), c.wanted) << QString::fromUtf16(c.text).toStdString();
}

}  // namespace
