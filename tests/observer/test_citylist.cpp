// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The city list: regions, the cities of a region, where a city lies; and
// the city list that ships with the program, against the system's tzdata.

#include "citylist.h"
#include "filetext.h"
#include "numbertext.h"
#include "qtprinters.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QDateTime>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using noctalis::CityList;

const QString kList = QStringLiteral("*North America\r\n"
                                     "New York, USA\r\n40.71427\r\n74.00597\r\n-5\r\n1\r\n"
                                     "Not a city\r\n"
                                     "*Europe\n"
                                     "London, UK\n51.50853\n0.12574\n0\n2\nEurope/London\n"
                                     "Odd, Rules\n1\n2\n 5.75 \n13\nMars/Olympus_Mons\n"
                                     "Zoned, Last\n1\n2\n3\n0\nAsia/Tokyo\n"
                                     "*Empty\r"
                                     "*Cut short\r\n"
                                     "Half, Place\r\n10\r\n20\r\n"
                                     "Last, City");

TEST(CityList, RegionsAndTheirCities)
{
    const CityList list(kList);
    EXPECT_EQ(list.regions(), QStringList({"North America", "Europe", "Empty", "Cut short"}));
    const struct {
        const char *region;
        std::optional<QStringList> cities;
    } cases[] = {
        {"North America", QStringList{"New York, USA"}},
        {"Europe", QStringList{"London, UK", "Odd, Rules", "Zoned, Last"}},
        {"Empty", QStringList{}},
        // A city line that is the very last line is listed.
        {"Cut short", QStringList{"Half, Place", "Last, City"}},
        {"Asia", std::nullopt},
        {"europe", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(list.cities(QString::fromUtf8(c.region)), c.cities) << c.region;
}

TEST(CityList, WhereACityLies)
{
    const CityList list(kList);
    const struct {
        const char *city;
        bool found;
        double latDeg = 0, lngWestDeg = 0;
        const char *timeZone = "";
        int dstRule = 0;
        const char *zoneId = "";
    } cases[] = {
        {"New York, USA", true, 40.71427, 74.00597, "-5", 1},  // four lines: no zone id
        {"London, UK", true, 51.50853, 0.12574, "0", 2, "Europe/London"},
        // The time zone line as it stands; rule 13 reads as 0; no such zone.
        {"Odd, Rules", true, 1, 2, " 5.75 ", 0},
        {"Zoned, Last", true, 1, 2, "3", 0, "Asia/Tokyo"},  // the zone line before a region line
        {"Half, Place", false},                             // fewer than four lines follow
        {"Last, City", false},
        {"London", false},
        {"london, uk", false},
    };
    for (const auto &c : cases) {
        const std::optional<noctalis::CityPlace> place = list.place(QString::fromUtf8(c.city));
        ASSERT_EQ(place.has_value(), c.found) << c.city;
        if (!place)
            continue;
        EXPECT_EQ(place->latDeg, c.latDeg) << c.city;
        EXPECT_EQ(place->lngWestDeg, c.lngWestDeg) << c.city;
        EXPECT_EQ(place->timeZone, QString::fromUtf8(c.timeZone)) << c.city;
        EXPECT_EQ(place->dstRule, c.dstRule) << c.city;
        EXPECT_EQ(place->zoneId, QString::fromUtf8(c.zoneId)) << c.city;
    }
}

// The search: prefixes before inner matches, letter case and diacritics
// ignored on either side, every region searched, a city listed once.
TEST(CityList, SearchIgnoresCaseAndDiacritics)
{
    const CityList list(QStringLiteral("*South America\nSão Paulo, Brazil\n1\n2\n3\n0\n"
                                       "Paulo Afonso, Brazil\n1\n2\n3\n0\n"
                                       "*Europe\nZürich, Switzerland\n1\n2\n3\n0\n"
                                       "Kraków, Poland\n1\n2\n3\n0\n"
                                       "*Favourites\nSão Paulo, Brazil\n1\n2\n3\n0\n"));
    const struct {
        const char16_t *typed;
        QStringList found;
    } cases[] = {
        {u"sao", {"São Paulo, Brazil"}},
        {u"  SÃO p", {"São Paulo, Brazil"}},
        {u"paulo", {"Paulo Afonso, Brazil", "São Paulo, Brazil"}},
        {u"zurich", {"Zürich, Switzerland"}},
        {u"krakow", {"Kraków, Poland"}},
        {u"land", {"Kraków, Poland", "Zürich, Switzerland"}},
        {u"brazil", {"Paulo Afonso, Brazil", "São Paulo, Brazil"}},
        {u"x", {}},
        {u"  ", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(list.search(c.typed), c.found) << QString::fromUtf16(c.typed).toStdString();
    EXPECT_EQ(list.place(list.search(u"sao").value(0))->latDeg, 1) << "a found line is a place of the list";
}

// The city list that ships with the program: every line belongs to a
// region, every city has its five lines with values in range, no city line
// comes twice, and well-known cities carry the zone and rule they should.
class ShippedCityList : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString path = QStringLiteral(NOCTALIS_SOURCE_DATA_DIR "/latlngtz.txt");
        if (!QFileInfo::exists(path))
            GTEST_SKIP() << "no shipped city list yet: " << path.toStdString();
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        text = noctalis::decodeFileText(f.readAll());
        lines = text.split(QRegularExpression(QStringLiteral("\\r\\n|\\n|\\r")));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
    }

    QString text;
    QStringList lines;
};

TEST_F(ShippedCityList, ParsesCompletely)
{
    ASSERT_GT(lines.size(), 5);
    ASSERT_TRUE(lines.first().startsWith(u'*')) << "the list starts with a region";
    const CityList list(text);
    QSet<QString> seen;
    QString region;
    qsizetype cities = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (line.startsWith(u'*')) {
            region = line.mid(1);
            ASSERT_FALSE(region.isEmpty()) << "line " << i + 1;
            continue;
        }
        ASSERT_TRUE(line.contains(u',')) << "line " << i + 1
                                         << " is neither a region nor a city: " << line.toStdString();
        ASSERT_FALSE(seen.contains(line)) << "twice: " << line.toStdString();
        seen.insert(line);
        ASSERT_LT(i + 5, lines.size()) << line.toStdString();
        bool ok[4] = {};
        const double lat = lines[i + 1].toDouble(&ok[0]);
        const double lng = lines[i + 2].toDouble(&ok[1]);
        const double tz = lines[i + 3].toDouble(&ok[2]);
        const int rule = lines[i + 4].toInt(&ok[3]);
        ASSERT_TRUE(ok[0] && ok[1] && ok[2] && ok[3]) << "the four lines of " << line.toStdString();
        EXPECT_TRUE(lat >= -90 && lat <= 90) << line.toStdString();
        EXPECT_TRUE(lng >= 0 && lng <= 360) << line.toStdString();
        EXPECT_TRUE(tz >= -12 && tz <= 14) << line.toStdString();
        EXPECT_TRUE(rule >= 0 && rule <= 12) << line.toStdString();
        // The reader finds it in its region, with the same values.
        ASSERT_TRUE(list.cities(region).value_or(QStringList()).contains(line)) << line.toStdString();
        const std::optional<noctalis::CityPlace> place = list.place(line);
        ASSERT_TRUE(place) << line.toStdString();
        EXPECT_EQ(place->latDeg, lat);
        EXPECT_EQ(place->lngWestDeg, lng);
        EXPECT_EQ(place->timeZone, lines[i + 3]);
        EXPECT_EQ(place->dstRule, rule);
        EXPECT_EQ(place->zoneId, lines[i + 5]) << line.toStdString();
        ++cities;
        i += 5;
    }
    EXPECT_GT(cities, 1000);
}

// Each city's zone line names a zone the system's tzdata has, and its
// standard offset and rule give the clock that zone keeps on 15 January and
// 15 July 2026; the rule is 0 exactly where the zone keeps no daylight
// saving on either day (Europe/Dublin keeps its negative one in winter).
// Every rule keeps daylight saving on one of the two days: the rules that
// start in spring on 15 July, the southern ones on 15 January.
TEST_F(ShippedCityList, OffsetsAndRulesAgreeWithTzdata)
{
    constexpr int kSpringRules[] = {1, 2, 6, 7, 9, 12};
    const QDateTime winter(QDate(2026, 1, 15), QTime(12, 0), Qt::UTC);
    const QDateTime summer(QDate(2026, 7, 15), QTime(12, 0), Qt::UTC);
    const CityList list(text);
    qsizetype cities = 0;
    for (const QString &line : lines) {
        if (!line.contains(u','))
            continue;
        const std::string city = line.toStdString();
        const std::optional<noctalis::CityPlace> place = list.place(line);
        ASSERT_TRUE(place) << city;
        ASSERT_TRUE(QTimeZone::isTimeZoneIdAvailable(place->zoneId.toUtf8())) << city;
        const QTimeZone zone(place->zoneId.toUtf8());
        const int stdSeconds = int(std::lround(noctalis::leadingNumber(place->timeZone) * 3600));
        const bool inSpring = std::ranges::find(kSpringRules, place->dstRule) != std::end(kSpringRules);
        const int winterDst = place->dstRule != 0 && !inSpring ? 3600 : 0;
        const int summerDst = inSpring ? 3600 : 0;
        EXPECT_EQ(stdSeconds + winterDst, zone.offsetFromUtc(winter)) << city << " " << place->zoneId.toStdString();
        EXPECT_EQ(stdSeconds + summerDst, zone.offsetFromUtc(summer)) << city << " " << place->zoneId.toStdString();
        EXPECT_EQ(place->dstRule != 0, zone.isDaylightTime(winter) || zone.isDaylightTime(summer))
            << city << " rule " << place->dstRule;
        ++cities;
    }
    EXPECT_GT(cities, 1000);
}

TEST_F(ShippedCityList, WellKnownCitiesCarryTheirZoneAndRule)
{
    const CityList list(text);
    const struct {
        QStringList names;  // any of them, before the ", "
        const char *country;
        double timeZoneHours;
        int dstRule;  // -1: not checked
    } cases[] = {
        {{"New York", "New York City"}, "United States", -5, 1},
        {{"Los Angeles"}, "United States", -8, 1},
        {{"London"}, "United Kingdom", 0, 2},
        {{"Paris"}, "France", 1, 2},
        {{"Sydney"}, "Australia", 10, -1},
        {{"Kolkata", "Calcutta"}, "India", 5.5, 0},
        {{"Kathmandu"}, "Nepal", 5.75, 0},
        {{"Tokyo"}, "Japan", 9, 0},
    };
    for (const auto &c : cases) {
        std::optional<noctalis::CityPlace> place;
        for (const QString &line : lines) {
            for (const QString &name : c.names) {
                if (line.startsWith(name + QStringLiteral(", ")) && line.contains(QLatin1String(c.country)))
                    place = list.place(line);
            }
            if (place)
                break;
        }
        ASSERT_TRUE(place) << c.names.first().toStdString();
        EXPECT_EQ(noctalis::leadingNumber(place->timeZone), c.timeZoneHours) << c.names.first().toStdString();
        if (c.dstRule >= 0) {
            EXPECT_EQ(place->dstRule, c.dstRule) << c.names.first().toStdString();
        }
    }
}

}  // namespace
