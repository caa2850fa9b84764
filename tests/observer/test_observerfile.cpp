// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Observer files: field input, the numbers read from the fields, and the
// seven lines written, eight with a zone.

#include "observerfile.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using noctalis::ObserverFileFields;
using noctalis::readObserverFields;

QStringList asList(const ObserverFileFields &f)
{
    return {f.latitude, f.longitude, f.timeZone, f.location, f.dstRule, f.reserved, f.elevation, f.zoneId};
}

TEST(ObserverFileFields, FieldInputWithQuotesCommasAndLineEnds)
{
    const struct {
        const char *name;
        QByteArray bytes;
        QStringList fields;  // all eight; none: "Input past end of file."
    } cases[] = {
        {"seven quoted lines",
         "\"40.5\"\r\n\"74\"\r\n\"-5\"\r\n\"New York, USA\"\r\n\"1\"\r\n\"r\"\r\n\"10\"\r\n",
         {"40.5", "74", "-5", "New York, USA", "1", "r", "10", ""}},
        {"eight: the zone line",
         "\"40.5\"\r\n\"74\"\r\n\"-5\"\r\n\"New York, USA\"\r\n\"1\"\r\n\"r\"\r\n\"10\"\r\n\"America/New_York\"\r\n",
         {"40.5", "74", "-5", "New York, USA", "1", "r", "10", "America/New_York"}},
        {"three lines: the rest empty", "\"40.5\"\r\n\"74\"\r\n\"-5\"\r\n", {"40.5", "74", "-5", "", "", "", "", ""}},
        {"three lines without a last line end",
         "\"40.5\"\r\n\"74\"\r\n\"-5\"",
         {"40.5", "74", "-5", "", "", "", "", ""}},
        {"an unquoted comma splits a line",
         "40,5\r\n74\r\n-5\r\nHome\r\n",
         {"40", "5", "74", "-5", "Home", "", "", ""}},
        {"blanks around unquoted fields, text after a closing quote",
         "  40.5  \r\n\t\"74\" x\r\n\" -5 \"\r\n",
         {"40.5", "74", " -5 ", "", "", "", "", ""}},
        {"LF and CR line ends", "\"1\"\n\"2\"\r\"3\"\n\"4\"", {"1", "2", "3", "4", "", "", "", ""}},
        {"an empty line is an empty field", "1\r\n\r\n3\r\n\r\n", {"1", "", "3", "", "", "", "", ""}},
        {"an open quote ends at the line end", "\"1\r\n2\r\n3\r\n", {"1", "2", "3", "", "", "", "", ""}},
        {"fields beyond eight are not read", "1,2,3,4,5,6,7,8,9\r\n", {"1", "2", "3", "4", "5", "6", "7", "8"}},
        {"empty", "", {}},
        {"two lines", "\"40\"\r\n\"74\"\r\n", {}},
        {"two fields", "40,74", {}},
    };
    for (const auto &c : cases) {
        QString error;
        const std::optional<ObserverFileFields> fields = readObserverFields(c.bytes, &error);
        ASSERT_EQ(fields.has_value(), !c.fields.isEmpty()) << c.name;
        EXPECT_EQ(fields ? asList(*fields) : QStringList(), c.fields) << c.name;
        EXPECT_EQ(error, fields ? QString() : QStringLiteral("Input past end of file.")) << c.name;
    }
}

TEST(ObserverFileValues, NumbersOfTheFields)
{
    const struct {
        const char *name;
        ObserverFileFields fields;
        double latDeg, lngWestDeg, timeZoneHours;
        int dstRule;
        double elevationM;
        const char *zoneId = "";
    } cases[] = {
        {"written by the program",
         {"40.7000007629395", "74.0059967041016", "-5", "", "1", "", "10", "America/New_York"},
         40.7000007629395,
         74.0059967041016,
         -5,
         1,
         10,
         "America/New_York"},
        {"colon forms",
         {"-33:52:00", "-151:12:30", "10", "", "3", "", "", ""},
         -(33 + 52 / 60.0),
         360 - (151 + 12.5 / 60),
         10,
         3,
         0},
        {"colon forms out of range read as 0", {"91:00:00", "361:00:00", "0", "", "0", "", "", ""}, 0, 0, 0, 0, 0},
        {"decimal latitude: no range check", {"91", "-75", "0", "", "0", "", "", ""}, 91, -75, 0, 0, 0},
        {"\",\" as the decimal point",
         {"40,7000007629395", "74,0059967041016", "-3,5", "", "2", "", "10,5", ""},
         40.7000007629395,
         74.0059967041016,
         -3.5,
         2,
         10.5},
        {"rule 12 is the last", {"0", "0", "0", "", "12", "", "", ""}, 0, 0, 0, 12, 0},
        {"rule 13 is out of range", {"0", "0", "0", "", "13", "", "", ""}, 0, 0, 0, 0, 0},
        {"rule -1 is out of range", {"0", "0", "0", "", "-1", "", "", ""}, 0, 0, 0, 0, 0},
        {"rule beyond 16 bits", {"0", "0", "0", "", "1E10", "", "", ""}, 0, 0, 0, 0, 0},
        {"a zone tzdata does not have", {"0", "0", "0", "", "0", "", "", "Mars/Olympus_Mons"}, 0, 0, 0, 0, 0},
        {"a zone line with blanks", {"0", "0", "0", "", "0", "", "", " Asia/Tokyo"}, 0, 0, 0, 0, 0},
        {"empty fields", {}, 0, 0, 0, 0, 0},
    };
    for (const auto &c : cases) {
        const noctalis::ObserverFileValues v = noctalis::observerFileValues(c.fields);
        // The angles pass through 32-bit floats.
        EXPECT_NEAR(v.latDeg, c.latDeg, 1e-5) << c.name;
        EXPECT_NEAR(v.lngWestDeg, c.lngWestDeg, 1e-4) << c.name;
        EXPECT_EQ(v.timeZoneHours, c.timeZoneHours) << c.name;
        EXPECT_EQ(v.dstRule, c.dstRule) << c.name;
        EXPECT_EQ(v.elevationM, c.elevationM) << c.name;
        EXPECT_EQ(v.zoneId, QString::fromUtf8(c.zoneId)) << c.name;
    }
}

TEST(ObserverFileWrite, SevenQuotedLinesThatReadBack)
{
    const ObserverFileFields fields{
        "40.7000007629395", "74.0059967041016", "-5", "Z\u00fcrich, \"CH\"", "1", "kept", "408", ""};
    const QByteArray bytes = noctalis::writeObserverFile(fields);
    EXPECT_EQ(bytes, QByteArray("\"40.7000007629395\"\r\n\"74.0059967041016\"\r\n\"-5\"\r\n"
                                "\"Z\xfcrich, \"CH\"\"\r\n\"1\"\r\n\"kept\"\r\n\"408\"\r\n"));
    const std::optional<ObserverFileFields> back = readObserverFields(bytes);
    ASSERT_TRUE(back);
    // A double quote inside a field ends it when read again.
    ObserverFileFields wanted = fields;
    wanted.location = QStringLiteral("Z\u00fcrich, ");
    EXPECT_EQ(asList(*back), asList(wanted));

    // A line break never splits a line of the file.
    const QByteArray broken = noctalis::writeObserverFile({"1", "2", "3", "a\r\nb", "0", "", "", ""});
    EXPECT_EQ(broken.count("\r\n"), 7);
    EXPECT_EQ(readObserverFields(broken)->location, QStringLiteral("a  b"));
}

// A place with a zone: the zone line follows the seven, and the file reads
// back whole; a reader of seven fields finds them as they were.
TEST(ObserverFileWrite, TheZoneLineRoundTrips)
{
    const ObserverFileFields fields{"-33.4500007629395", "70.6500015258789", "-4", "Santiago, Chile", "10", "", "570",
                                    "America/Santiago"};
    const QByteArray bytes = noctalis::writeObserverFile(fields);
    ObserverFileFields withoutZone = fields;
    withoutZone.zoneId.clear();
    EXPECT_EQ(bytes, noctalis::writeObserverFile(withoutZone) + "\"America/Santiago\"\r\n");
    const std::optional<noctalis::ObserverFileValues> back = noctalis::readObserverFile(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->zoneId, QStringLiteral("America/Santiago"));
    EXPECT_EQ(back->timeZoneHours, -4);
    EXPECT_EQ(back->dstRule, 10);
    EXPECT_EQ(back->elevationM, 570);
    EXPECT_EQ(asList(*readObserverFields(bytes)), asList(fields));
}

}  // namespace
