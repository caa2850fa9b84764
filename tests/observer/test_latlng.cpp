// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Latitude and longitude texts: formatting with its carries, both parses with
// their range rules and in-place changes, and round trips, through the
// forgiving readers of files and the strict readers of typed boxes.

#include "latlng.h"
#include "strictinput.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

using namespace noctalis;

namespace {

std::string str(const QString &s) { return s.toStdString(); }

// Half a tenth of an arc-second, the rounding of the text, in degrees.
constexpr double kHalfTenthDeg = 0.05 / 3600;
// The most the seconds factors (3600.005 and 3600.05 for 3600) lift 60
// seconds, in degrees: a value that close below a rounding edge rounds up.
constexpr double kLatitudeLiftDeg = 60 * (0.005 / 3600) / 3600;
constexpr double kLongitudeLiftDeg = 60 * (0.05 / 3600) / 3600;

// Half a step of a 32-bit float at x: what the parses' float result adds.
double halfFloatStep(double x)
{
    const float f = float(std::fabs(x));
    return (std::nextafter(f, 1e30f) - f) / 2.0;
}

TEST(ValDecimal, ReadsEitherPointAndChangesTheCallersText)
{
    QString text = QStringLiteral("45,5");
    EXPECT_EQ(ValDecimal(text), 45.5);
    EXPECT_EQ(str(text), "45.5");

    text = QStringLiteral("1,234,5");
    EXPECT_EQ(ValDecimal(text), 1.234);
    EXPECT_EQ(str(text), "1.234.5");

    text = QString();
    EXPECT_EQ(ValDecimal(text), 0);
    EXPECT_TRUE(text.isEmpty());

    text = QStringLiteral(" -12.25 ");
    EXPECT_EQ(ValDecimal(text), -12.25);
    EXPECT_EQ(str(text), " -12.25 ");
}

struct AngleToText {
    double deg;
    const char *wanted;
};

TEST(FormatLatitude, WritesDegreesMinutesAndTenthsOfSeconds)
{
    const AngleToText cases[] = {
        {40.5, "40:30:00.0"},
        {-33.8667, "-33:52:00.1"},
        {-0.5, "-0:30:00.0"},
        {0, "0:00:00.0"},
        {-0.0, "-0:00:00.0"},
        {10.4999999, "10:30:00.0"},                     // a hair below a minute
        {10 + 29.0 / 60 + 59.96 / 3600, "10:30:00.0"},  // 59.96" carry
        {10 + 29.0 / 60 + 59.94 / 3600, "10:29:59.9"},
        {10 + 59.0 / 60 + 59.7 / 3600, "10:59:59.7"},  // not lifted to 11:00:00.0
        // Seconds 59.949999999999953, below 59.95 as a double but 59.95 in
        // fifteen digits: they show as 60.0, so they carry.
        {0.016652754648951863, "0:01:00.0"},
        {51 + 28.0 / 60 + 38.25 / 3600, "51:28:38.3"},
        {90, "90:00:00.0"},
        {89.99999999, "90:00:00.0"},  // the pole stays the pole
        {-89.99999999, "-90:00:00.0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(str(FormatLatitude(c.deg)), c.wanted) << "degrees " << c.deg;
}

TEST(FormatLongitude, WrapsACarryToThreeSixtyOntoZero)
{
    const AngleToText cases[] = {
        {75.999999, "76:00:00.0"}, {359.9999999, "0:00:00.0"}, {284.5, "284:30:00.0"},
        {360, "360:00:00.0"},  // only a carry wraps
        {-75.5, "-75:30:00.0"},    {0.0000001, "0:00:00.0"},   {123 + 45.0 / 60 + 6.75 / 3600, "123:45:06.8"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(str(FormatLongitude(c.deg)), c.wanted) << "degrees " << c.deg;
}

struct TextToAngle {
    const char16_t *text;
    double wanted;
};

TEST(ParseLatitude, ReadsDecimalAndColonForms)
{
    const TextToAngle cases[] = {
        {u"-33:52:00", -(33 + 52.0 / 60)},
        {u"-0:30", -0.5},
        {u"45,5", 45.5},
        {u"91", 91},  // decimal form: no range check
        {u"-91.5", -91.5},
        {u"91:00:00", kInvalidAngle},
        {u"90:00:00", 90},
        {u"-90:00:00", -90},
        {u"90:00:00.1", kInvalidAngle},
        {u"45:30,5", 45 + 30.5 / 60},  // decimal minutes, either point
        {u"45:30:30,5", 45 + 30.0 / 60 + 30.5 / 3600},
        {u"45.6:30", 46.5},  // degrees rounded to a whole number
        {u"44.5:0", 44},     // ties to even
        {u"45:29.5:0", 45.5},
        {u"40000:00", 0},          // a field beyond 16 bits counts as 0
        {u"1E39", kInvalidAngle},  // beyond the float range
        {u"", 0},
    };
    for (const auto &c : cases) {
        QString text = QString::fromUtf16(c.text);
        EXPECT_FLOAT_EQ(ParseLatitude(text), float(c.wanted)) << "text \"" << str(text) << '"';
    }
}

TEST(ParseLatitude, TrimsTheCallersTextAndFixesTheDecimalComma)
{
    QString text = QStringLiteral("  -45:30,5 ");
    ParseLatitude(text);
    EXPECT_EQ(str(text), "-45:30,5");  // colon form: only trimmed

    text = QStringLiteral(" 45,5\t");
    ParseLatitude(text);
    EXPECT_EQ(str(text), "45.5");
}

TEST(ParseLongitude, ReadsDecimalAndColonForms)
{
    const TextToAngle cases[] = {
        {u"75:30", 75.5},
        {u"-75:30:00", 284.5},
        {u"-75", -75},  // decimal form: no 360 rule
        {u"75,5", 75},  // a comma ends a decimal longitude
        {u"361:00:00", kInvalidAngle},
        {u"-361:00", kInvalidAngle},
        {u"+10:00:00", 10},
        {u"360:00:00", 360},
        {u"0:00:00", 0},
        {u"-0:00:00", 360},
        {u"75:30,5", 75 + 30.5 / 60},
        {u"75:30:30,5", 75 + 30.0 / 60 + 30.5 / 3600},
        {u"1E39", kInvalidAngle},
    };
    for (const auto &c : cases) {
        QString text = QString::fromUtf16(c.text);
        EXPECT_FLOAT_EQ(ParseLongitude(text), float(c.wanted)) << "text \"" << str(text) << '"';
    }
}

TEST(ParseLongitude, OnlyTrimsTheCallersText)
{
    QString text = QStringLiteral("  -75:30 ");
    EXPECT_EQ(ParseLongitude(text), 284.5f);
    EXPECT_EQ(str(text), "-75:30");

    text = QStringLiteral(" 75,5 ");
    EXPECT_EQ(ParseLongitude(text), 75.0f);
    EXPECT_EQ(str(text), "75,5");
}

// The reading of a typed box gives exactly the value a dialog shows: its
// text again (Greenwich may show as 0 or 360).
void expectShownTextReadsBack(const QString &shown, const std::optional<double> &read, const QString &again)
{
    ASSERT_TRUE(read.has_value()) << str(shown);
    QString spelt = again;
    if (spelt.startsWith(QLatin1String("360:")))
        spelt.replace(0, 3, QStringLiteral("0"));
    QString wanted = shown;
    if (wanted.startsWith(QLatin1String("360:")))
        wanted.replace(0, 3, QStringLiteral("0"));
    ASSERT_EQ(str(spelt), str(wanted));
}

// Formats deg, parses the text back and checks the value within the text's
// rounding and the float's step; the strict reading of the text gives it
// again.
void expectLatitudeRoundTrip(double deg)
{
    QString text = FormatLatitude(deg);
    const std::optional<double> strict = latitudeFromText(text);
    expectShownTextReadsBack(text, strict, FormatLatitude(strict.value_or(0)));
    const double back = ParseLatitude(text);
    ASSERT_NEAR(back, deg, kHalfTenthDeg + kLatitudeLiftDeg + halfFloatStep(deg) + 1e-12)
        << deg << " gives " << str(FormatLatitude(deg));
}

void expectLongitudeRoundTrip(double deg)
{
    QString text = FormatLongitude(deg);
    const std::optional<double> west = longitudeWestFromText(text, LongitudeSense::West);
    expectShownTextReadsBack(text, west, FormatLongitude(west.value_or(0)));
    const QString eastText = FormatLongitude(360 - deg);
    const std::optional<double> fromEast = longitudeWestFromText(eastText, LongitudeSense::East);
    expectShownTextReadsBack(eastText, fromEast, FormatLongitude(360 - fromEast.value_or(0)));
    double back = ParseLongitude(text);
    if (back == 0 && deg > 180)
        back = 360;  // 359.99999 shows as 0:00:00.0
    ASSERT_NEAR(back, deg, kHalfTenthDeg + kLongitudeLiftDeg + halfFloatStep(deg) + 1e-12)
        << deg << " gives " << str(FormatLongitude(deg));
}

// Seconds next to the places where the text rounds or carries.
constexpr double kEdgeSeconds[] = {0, 0.01, 0.04, 0.05, 0.06, 29.95, 30, 59.9, 59.94, 59.95, 59.96, 59.99, 59.999};

TEST(LatLngRoundTrip, EveryMinuteOfLatitudeWithItsEdgeSeconds)
{
    for (int minute = -90 * 60; minute < 90 * 60; ++minute)
        for (double seconds : kEdgeSeconds) {
            const double deg = minute / 60.0 + seconds / 3600;
            expectLatitudeRoundTrip(deg);
            expectLatitudeRoundTrip(std::nextafter(deg, -100.0));
            expectLatitudeRoundTrip(std::nextafter(deg, 100.0));
        }
}

TEST(LatLngRoundTrip, EveryMinuteOfLongitudeWithItsEdgeSeconds)
{
    for (int minute = 0; minute < 360 * 60; ++minute)
        for (double seconds : kEdgeSeconds) {
            const double deg = minute / 60.0 + seconds / 3600;
            expectLongitudeRoundTrip(deg);
            expectLongitudeRoundTrip(std::nextafter(deg, 400.0));
        }
}

TEST(LatLngRoundTrip, RandomAngles)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> latitude(-90, 90);
    std::uniform_real_distribution<double> longitude(0, 360);
    for (int i = 0; i < 100000; ++i) {
        expectLatitudeRoundTrip(latitude(random));
        expectLongitudeRoundTrip(longitude(random));
    }
}

TEST(LatLngRoundTrip, LatitudeTextsBetweenMinusOneAndZeroKeepTheirSign)
{
    // Every tenth of an arc-second from 0 to -1 degree: the text of the parsed
    // value is the text itself, sign included.
    for (int tenths = 0; tenths <= 36000; ++tenths) {
        const QString text = FormatLatitude(-(tenths / 36000.0));
        ASSERT_TRUE(text.startsWith(u'-')) << str(text);
        QString parsed = text;
        const float back = ParseLatitude(parsed);
        ASSERT_TRUE(std::signbit(back)) << str(text);
        ASSERT_EQ(str(FormatLatitude(back)), str(text));
    }
}

}  // namespace
