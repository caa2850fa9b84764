// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The principal city of a time zone: from the system's tzdata, and from
// tables of the test's own for the forms of their lines.

#include "zonehome.h"
#include "qtprinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using noctalis::zoneHome;

struct Wanted {
    const char *zoneId;
    bool found;
    double latDeg = 0, lngWestDeg = 0;
    const char *name = "";
};

void expectHomes(const QString &dir, std::initializer_list<Wanted> cases)
{
    for (const Wanted &c : cases) {
        const std::optional<noctalis::ZoneHome> home = zoneHome(QLatin1String(c.zoneId), dir);
        ASSERT_EQ(home.has_value(), c.found) << c.zoneId;
        if (!home)
            continue;
        EXPECT_NEAR(home->latDeg, c.latDeg, 1e-9) << c.zoneId;
        EXPECT_NEAR(home->lngWestDeg, c.lngWestDeg, 1e-9) << c.zoneId;
        EXPECT_EQ(home->name, QString::fromUtf8(c.name)) << c.zoneId;
    }
}

// zone1970.tab of tzdata 2025b: Berlin +5230+01322, Santiago -3327-07040,
// Kathmandu +2743+08519 (east positive).
TEST(ZoneHome, SystemTzdata)
{
    const QString dir = QString::fromLatin1(noctalis::kSystemZoneInfoDir);
    if (!QFileInfo::exists(dir + QStringLiteral("/zone1970.tab")))
        GTEST_SKIP() << "no tzdata in " << dir.toStdString();
    expectHomes(dir, {
                         {"Europe/Berlin", true, 52 + 30 / 60.0, 360 - (13 + 22 / 60.0), "Berlin"},
                         {"America/Santiago", true, -(33 + 27 / 60.0), 70 + 40 / 60.0, "Santiago"},
                         {"Asia/Kathmandu", true, 27 + 43 / 60.0, 360 - (85 + 19 / 60.0), "Kathmandu"},
                         {"UTC", false},
                         {"Etc/GMT+5", false},
                         {"Mars/Olympus_Mons", false},
                         {"", false},
                     });
}

class ZoneHomeTables : public ::testing::Test {
protected:
    void write(const char *name, const char *text)
    {
        QFile f(QDir(dir.path()).filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QTemporaryDir dir;
};

TEST_F(ZoneHomeTables, FormsOfLinesLinksAndTheOlderTable)
{
    write("zone1970.tab", "# tzdb timezone descriptions\n"
                          "#\n"
                          "#codes\tcoordinates\tTZ\tcomments\n"
                          "US\t+404251-0740023\tAmerica/New_York\tEastern (most areas)\n"
                          "GB,GG,IM,JE\t+513030-0000731\tEurope/London\n"
                          "AR\t-3436-05827\tAmerica/Argentina/Buenos_Aires\tBuenos Aires (BA, CF)\n"
                          "XX\t+5230+013\tBroken/Short\n"
                          "XX\t+523000+01322\tBroken/Mixed\n"
                          "# DE\t+0000+00000\tEurope/Commented\n"
                          "\n");
    write("zone.tab", "ME\t+4226+01916\tEurope/Podgorica\n"
                      "JP\t+353916+1394441\tAsia/Tokyo\n");
    write("tzdata.zi", "Z America/New_York -4:56:2 - LMT 1883 N 18 17u\n"
                       "L America/New_York US/Eastern\n"
                       "L Etc/UTC Etc/Universal\n"
                       "L Etc/UTC Zulu\n");
    expectHomes(dir.path(),
                {
                    {"America/New_York", true, 40 + 42 / 60.0 + 51 / 3600.0, 74 + 0 / 60.0 + 23 / 3600.0, "New York"},
                    // A hair west of Greenwich, and the city of a three-part id.
                    {"Europe/London", true, 51 + 30 / 60.0 + 30 / 3600.0, 7 / 60.0 + 31 / 3600.0, "London"},
                    {"America/Argentina/Buenos_Aires", true, -(34 + 36 / 60.0), 58 + 27 / 60.0, "Buenos Aires"},
                    // Only the older table lists it; east longitude with seconds.
                    {"Europe/Podgorica", true, 42 + 26 / 60.0, 360 - (19 + 16 / 60.0), "Podgorica"},
                    {"Asia/Tokyo", true, 35 + 39 / 60.0 + 16 / 3600.0, 360 - (139 + 44 / 60.0 + 41 / 3600.0), "Tokyo"},
                    // A link stands for its zone, and is named after it.
                    {"US/Eastern", true, 40 + 42 / 60.0 + 51 / 3600.0, 74 + 23 / 3600.0, "New York"},
                    {"Zulu", false},
                    {"Broken/Short", false},
                    {"Broken/Mixed", false},
                    {"Europe/Commented", false},
                    {"America", false},
                });

    // Without the current table the older one serves; without either, nothing.
    ASSERT_TRUE(QFile::remove(QDir(dir.path()).filePath(QStringLiteral("zone1970.tab"))));
    expectHomes(dir.path(),
                {{"Asia/Tokyo", true, 35 + 39 / 60.0 + 16 / 3600.0, 360 - (139 + 44 / 60.0 + 41 / 3600.0), "Tokyo"},
                 {"America/New_York", false}});
    ASSERT_TRUE(QFile::remove(QDir(dir.path()).filePath(QStringLiteral("zone.tab"))));
    expectHomes(dir.path(), {{"Asia/Tokyo", false}});
}

}  // namespace
