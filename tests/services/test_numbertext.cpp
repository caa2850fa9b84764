// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Numbers to text and back: the leading-number rule, whole-number and float
// conversion, the plain, short and pattern forms and time-of-day texts.

#include "commalocale.h"
#include "numbertext.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

using namespace noctalis;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct TextToNumber {
    const char16_t *text;
    double wanted;
};

TEST(LeadingNumber, ReadsTheNumberInFront)
{
    const TextToNumber cases[] = {
        {u"", 0},
        {u"abc", 0},
        {u"12", 12},
        {u"  12  ", 12},
        {u"12abc", 12},
        {u"1 2 3", 123},  // blanks anywhere are skipped
        {u"\t-\n5", -5},  // tabs and line feeds too
        {u"\r5", 0},      // a carriage return is no blank
        {u"+7.5", 7.5},
        {u"-.25", -0.25},
        {u".5", 0.5},
        {u"5.", 5},
        {u"12,5", 12},    // a comma ends the number
        {u"1.2.3", 1.2},  // one point only
        {u"1E3", 1000},
        {u"1e3", 1000},
        {u"1D3", 1000},
        {u"2.5d-2", 0.025},
        {u"4E+2x", 400},
        {u"1 E - 2", 0.01},
        {u"1E", 1},  // an exponent without digits
        {u"1E+", 1},
        {u"E5", 0},
        {u".", 0},
        {u"-", 0},
        {u"--5", 0},
        {u"+-5", 0},
        {u"0.1", 0.1},
        {u"6.94444444444444E-03", 6.94444444444444E-03},
        {u".520833333333333", 0.520833333333333},
        {u"&HFF", 255},
        {u"&hff", 255},
        {u"&HFFFFFF", 16777215},
        {u"&HFFFF", 65535},  // no 16-bit wrap: a colour stays a colour
        {u"& H 1 F", 31},
        {u"&H1G", 1},
        {u"&O17", 15},
        {u"&o8", 0},
        {u"&H", 0},
        {u"&", 0},
        {u"&X12", 0},
        {u"-&H10", 0},  // the prefix counts only in front
    };
    for (const auto &c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(leadingNumber(text), c.wanted) << "text \"" << text.toStdString() << '"';
    }
}

// Short decimals (up to 15 significant and 22 fraction digits) take a path
// of their own; it must give the very double the general reader gives, at
// every length and with leading and trailing zeros.
TEST(LeadingNumber, ShortDecimalsReadAsTheGeneralReaderReadsThem)
{
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 20000; ++i) {
        const int whole = int(random() % 8);
        const int fraction = int(random() % 24);
        std::string text = random() % 4 == 0 ? "0" : "";
        for (int d = 0; d < whole; ++d)
            text += char('0' + random() % 10);
        text += '.';
        for (int d = 0; d < fraction; ++d)
            text += char('0' + random() % 10);
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        if (text == ".")
            continue;
        EXPECT_EQ(noctalis::leadingNumber(QString::fromStdString(text)), expected) << text;
        EXPECT_EQ(noctalis::leadingNumber(QString::fromStdString("-" + text)), expected == 0 ? 0.0 : -expected) << text;
        // With what may stand around a number in a file: blanks before it,
        // other text after it, an exponent, a blank inside it.
        EXPECT_EQ(noctalis::leadingNumber(QString::fromStdString(" +" + text + ";x")), expected) << text;
        const std::string exponent = std::to_string(int(random() % 61) - 30);
        for (const char *letter : {"E", "D", "e"}) {
            double scaled = 0;
            const std::string withExponent = text + "e" + exponent;
            std::from_chars(withExponent.data(), withExponent.data() + withExponent.size(), scaled);
            EXPECT_EQ(noctalis::leadingNumber(QString::fromStdString(text + letter + exponent)), scaled)
                << text << letter << exponent;
        }
        if (whole > 0) {
            EXPECT_EQ(noctalis::leadingNumber(QString::fromStdString(text.substr(0, 1) + " " + text.substr(1))),
                      expected)
                << text;
        }
    }
}

TEST(LeadingNumber, StaysFiniteBeyondTheDoubleRange)
{
    EXPECT_EQ(leadingNumber(u"1E400"), DBL_MAX);
    EXPECT_EQ(leadingNumber(u"-1E400"), -DBL_MAX);
    EXPECT_EQ(leadingNumber(u"1E99999999999999999999"), DBL_MAX);
    EXPECT_EQ(leadingNumber(u"1E-400"), 0);
    EXPECT_EQ(leadingNumber(u"-1E-99999999999999999999"), 0);
    EXPECT_EQ(leadingNumber(QString(u'1') + QString(400, u'0')), DBL_MAX);
    EXPECT_EQ(leadingNumber(QStringLiteral("0.") + QString(400, u'0') + u'1'), 0);
    EXPECT_EQ(leadingNumber(u"1e-310"), 1e-310);  // subnormal, still a number
    EXPECT_EQ(leadingNumber(QStringLiteral("&H") + QString(300, u'F')), DBL_MAX);
    EXPECT_FALSE(std::signbit(leadingNumber(u"-0")));
}

TEST(WholeNumber16, RoundsTiesToEvenWithinTheRange)
{
    const struct {
        double value;
        std::optional<qint16> wanted;
    } cases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-3.5, -4},
        {2.4999999999999996, 2},
        {0.49999999999999994, 0},
        {32767.4, 32767},
        {-32768.5, -32768},
        {32767.5, std::nullopt},
        {-32769, std::nullopt},
        {1e300, std::nullopt},
        {kNaN, std::nullopt},
        {kInf, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(wholeNumber16(c.value), c.wanted) << "value " << c.value;
}

TEST(Float32Number, FailsBeyondTheFloatRange)
{
    EXPECT_EQ(float32Number(284.5), 284.5f);
    EXPECT_EQ(float32Number(double(FLT_MAX)), FLT_MAX);
    EXPECT_EQ(float32Number(-double(FLT_MAX)), -FLT_MAX);
    EXPECT_EQ(float32Number(1e39), std::nullopt);
    EXPECT_EQ(float32Number(-1e39), std::nullopt);
    EXPECT_EQ(float32Number(kNaN), std::nullopt);
}

// The number forms are tested in the C locale and again where "," is the
// decimal separator; they must not change.
enum class Locale { Plain, Comma };
void PrintTo(Locale locale, std::ostream *out) { *out << (locale == Locale::Plain ? "C" : "de_DE"); }

class NumberForms : public testing::TestWithParam<Locale> {
protected:
    void SetUp() override
    {
        if (GetParam() != Locale::Comma)
            return;
        m_locale.emplace();
        ASSERT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
        if (CommaLocale::cLibraryExpected()) {
            ASSERT_TRUE(m_locale->cLibrarySwitched());
            ASSERT_STREQ(std::localeconv()->decimal_point, ",");
        }
    }
    void TearDown() override { m_locale.reset(); }

private:
    std::optional<CommaLocale> m_locale;
};

INSTANTIATE_TEST_SUITE_P(Locales, NumberForms, testing::Values(Locale::Plain, Locale::Comma),
                         [](const auto &info) { return info.param == Locale::Plain ? "Plain" : "Comma"; });

struct NumberToText {
    double value;
    const char *wanted;
};

TEST_P(NumberForms, PlainFormHasFifteenDigitsAndNoPadding)
{
    const NumberToText cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {0.5, "0.5"},
        {12.5 / 24, "0.520833333333333"},
        {10.0 / 1440, "6.94444444444444E-03"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {0.1 + 0.2, "0.3"},
        {-75.25, "-75.25"},
        {360, "360"},
        {720, "720"},
        {999999999999999, "999999999999999"},
        {1e15, "1E+15"},
        {123456789012345678.0, "1.23456789012346E+17"},
        {0.0001, "0.0001"},
        {1e-15, "0.000000000000001"},
        {1.5e-15, "1.5E-15"},
        {-1e-16, "-1E-16"},
        {1e-300, "1E-300"},
        {DBL_MAX, "1.79769313486232E+308"},
        {kNaN, "nan"},
        {-kInf, "-inf"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(plainNumberText(c.value).toStdString(), c.wanted) << "value " << c.value;
}

TEST_P(NumberForms, PlainFormOfAFloatHasSevenDigits)
{
    const struct {
        float value;
        const char *wanted;
    } cases[] = {
        {0.1f, "0.1"},           {1.0f / 3, "0.3333333"}, {284.5f, "284.5"}, {-33.86667f, "-33.86667"},
        {9999999.0f, "9999999"}, {1e7f, "1E+07"},         {1e-8f, "1E-08"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(plainNumberText32(c.value).toStdString(), c.wanted) << "value " << c.value;
}

TEST_P(NumberForms, ShortFormDropsTheZeroBeforeThePoint)
{
    const NumberToText cases[] = {
        {0.5, " .5"},
        {1, " 1"},
        {0, " 0"},
        {-0.25, "-.25"},
        {-2, "-2"},
        {12.5 / 24, " .520833333333333"},
        {10.0 / 1440, " 6.94444444444444E-03"},
        {75.5, " 75.5"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(shortNumberText(c.value).toStdString(), c.wanted) << "value " << c.value;
}

TEST_P(NumberForms, PlainAndShortFormsReadBackToFifteenDigits)
{
    std::mt19937_64 random(20240101);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-40, 40);
    for (int i = 0; i < 20000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        const double tolerance = std::fabs(value) * 5e-15;
        const QString plain = plainNumberText(value);
        EXPECT_NEAR(leadingNumber(plain), value, tolerance) << plain.toStdString();
        EXPECT_NEAR(leadingNumber(shortNumberText(value)), value, tolerance);
        const auto single = float(value);
        EXPECT_NEAR(leadingNumber(plainNumberText32(single)), single, std::fabs(single) * 5e-7);
    }
}

TEST_P(NumberForms, PatternsRoundHalfAwayFromZeroToTheShownDigits)
{
    const struct {
        double value;
        const char16_t *pattern;
        const char *wanted;
    } cases[] = {
        {5, u"00", "05"},
        {123, u"00", "123"},
        {-5, u"00", "-05"},
        {2.5, u"00", "03"},
        {-2.5, u"00", "-03"},
        {7.25, u"00.0", "07.3"},
        {59.96, u"00.0", "60.0"},
        {59.94, u"00.0", "59.9"},
        {0.05, u"00.0", "00.1"},
        {7.25, u"0.0000", "7.2500"},
        {1090123.12345678, u"0.0000", "1090123.1235"},
        {2024, u"0000", "2024"},
        {7, u"0000", "0007"},
        {-5, u"0.#", "-5."},
        {5.75, u"0.#", "5.8"},
        {5.5, u"0.#", "5.5"},
        {0, u"0.#", "0."},
        {1.005, u"0.00", "1.01"},  // from the decimal form, not the binary
        {-0.04, u"0.0", "0.0"},    // no sign on a shown zero
        {999.96, u"0.0", "1000.0"},
        {1e20, u"0", "100000000000000000000"},
        {0.5, u"#.##", ".5"},
        {0, u"#", ""},
        {1234.5, u"#", "1235"},
        {1.5, u"0.0#", "1.5"},
        {1.25, u"0.0#", "1.25"},
        {1.05, u"0.##", "1.05"},
        {123, u"0-0", "12-3"},
        {7.25, u"0.00 H", "7.25 H"},
        {7.25, u"ABC", "ABC7"},
        {0.25, u".0", ".3"},
        {7.25, u".0", "7.3"},
        {7.25, u"", "7.25"},
        {kNaN, u"00", "nan"},
    };
    for (const auto &c : cases) {
        const QString pattern = QString::fromUtf16(c.pattern);
        EXPECT_EQ(formatNumber(c.value, pattern).toStdString(), c.wanted)
            << "value " << c.value << " pattern \"" << pattern.toStdString() << '"';
    }
}

// What people read takes the locale's decimal separator; the plain forms,
// which files and addresses use, keep ".".
TEST_P(NumberForms, ShownFormsUseTheLocalesDecimalSeparator)
{
    const QString point = GetParam() == Locale::Comma ? QStringLiteral(",") : QStringLiteral(".");
    const struct {
        QString shown, plain;
    } cases[] = {
        {shownNumberText(52.5), plainNumberText(52.5)},
        {shownNumberText(-0.25), plainNumberText(-0.25)},
        {shownNumberText(10 / 1440.0), plainNumberText(10 / 1440.0)},
        {shownFormattedNumber(5.75, u"0.#"), formatNumber(5.75, u"0.#")},
        {shownFormattedNumber(-5, u"0.#"), formatNumber(-5, u"0.#")},
        {withShownPoint(QStringLiteral("-33:52:00.1")), QStringLiteral("-33:52:00.1")},
    };
    for (const auto &c : cases) {
        EXPECT_TRUE(c.plain.contains(QLatin1Char('.')) && !c.plain.contains(QLatin1Char(','))) << c.plain.toStdString();
        QString wanted = c.plain;
        wanted.replace(wanted.indexOf(QLatin1Char('.')), 1, point);
        EXPECT_EQ(c.shown, wanted);
    }
    // Whole numbers have no separator to change.
    EXPECT_EQ(shownNumberText(1440), QStringLiteral("1440"));
    EXPECT_EQ(shownNumberText(-5), QStringLiteral("-5"));
}

TEST_P(NumberForms, TimeOfDayRoundsToTheNearestSecond)
{
    const double hms = (13 * 3600 + 4 * 60 + 5) / 86400.0;
    const struct {
        double date;
        const char16_t *pattern;
        const char *wanted;
    } cases[] = {
        {45000 + hms, u"HH:nn:ss", "13:04:05"},
        {45000 + hms, u"HH", "13"},
        {45000 + hms, u"nn", "04"},
        {45000 + hms, u"ss", "05"},
        {45000 + hms, u"hh:NN:SS", "13:04:05"},
        {0.520833333333333, u"HH:nn:ss", "12:30:00"},
        {23.99999 / 24, u"HH:nn:ss", "00:00:00"},
        {59.7 / 86400, u"HH:nn:ss", "00:01:00"},
        {0.4 / 86400, u"HH:nn:ss", "00:00:00"},
        {-1.25, u"HH:nn:ss", "06:00:00"},  // the fraction runs forward before day 0
        {1.5, u"Sent: HH:nn:ss Local", "Sent: 12:00:00 Local"},
    };
    for (const auto &c : cases) {
        const QString pattern = QString::fromUtf16(c.pattern);
        EXPECT_EQ(formatTime(c.date, pattern).toStdString(), c.wanted)
            << "date " << c.date << " pattern \"" << pattern.toStdString() << '"';
    }
}

}  // namespace

// The plain form's 15 digits are the value's correctly rounded ones: its text
// reads back as the 15-digit scientific form does, for random values over
// the range the files use and beyond, near powers of ten and near ties.
TEST(PlainNumberText, FifteenDigitsAsTheGeneralConversionRoundsThem)
{
    std::mt19937_64 random(20261209);
    std::vector<double> values;
    for (int i = 0; i < 200000; ++i) {
        values.push_back(std::ldexp(double(random() >> 11), int(random() % 120) - 110));
        values.push_back(double(random() % 86400000) / 86400000);
    }
    for (int e = -9; e <= 16; ++e) {
        const double power = std::pow(10.0, e);
        for (const double v :
             {power, std::nextafter(power, 0.0), std::nextafter(power, 1e300), 9.999999999999995 * power,
              1.000000000000005 * power, 0.5 * power, 1.234567890123455 * power})
            values.push_back(v);
    }
    for (const double v : values) {
        char reference[64];
        const auto end =
            std::to_chars(reference, reference + sizeof reference, v, std::chars_format::scientific, 14).ptr;
        double expected = 0;
        std::from_chars(reference, end, expected);
        const QString text = noctalis::plainNumberText(v);
        EXPECT_EQ(text.toDouble(), expected) << std::string(reference, end) << " " << text.toStdString();
        EXPECT_EQ(noctalis::plainNumberText(-v), QLatin1Char('-') + text);
    }
}
