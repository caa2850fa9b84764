// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Other sites: the Sites text read and written, and a site's LMST.

#include "sites.h"

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

TEST(Sites, ReadsEntriesAndRefusesWhatIsNoSite)
{
    const SitesReading r =
        readSites(u" Mauna Kea |155.4681| 19.8206;Paranal|70.4042|-24.6272;;"
                  u"Zürich (ETH) — roof #2|-8.5|47.4;east|-180|0;"  // east longitudes go round the circle
                  u"no lat|10;too|1|2|3;|10|10;far|360.5|0;pole|0|90.0001;sci|1e3|0;junk|12abc|0;comma|5,25|-1,5;");
    const QList<Site> expected = {{QStringLiteral("Mauna Kea"), 155.4681, 19.8206},
                                  {QStringLiteral("Paranal"), 70.4042, -24.6272},
                                  {QStringLiteral("Zürich (ETH) — roof #2"), 351.5, 47.4},
                                  {QStringLiteral("east"), 180, 0},
                                  {QStringLiteral("comma"), 5.25, -1.5}};
    EXPECT_EQ(r.sites, expected);
    EXPECT_EQ(r.refused, QStringList({"no lat|10", "too|1|2|3", "|10|10", "far|360.5|0", "pole|0|90.0001", "sci|1e3|0",
                                      "junk|12abc|0"}));
    EXPECT_TRUE(readSites(u"").sites.isEmpty());
    EXPECT_TRUE(readSites(u" ; ").refused.isEmpty());
}

TEST(Sites, WrittenTextReadsBackTheSameSites)
{
    const QList<Site> sites = {{QStringLiteral("Kitt Peak, \"Mayall\" = 4 m"), 111.5997, 31.9633},
                               {QStringLiteral("Greenwich"), 0, 51.4769},
                               {QStringLiteral("Siding Spring"), 210.9385, -31.2733}};
    const QString text = sitesText(sites);
    EXPECT_EQ(text, QStringLiteral("Kitt Peak, \"Mayall\" = 4 m|111.5997|31.9633;Greenwich|0|51.4769;"
                                   "Siding Spring|210.9385|-31.2733"));
    const SitesReading back = readSites(text);
    EXPECT_EQ(back.sites, sites);
    EXPECT_TRUE(back.refused.isEmpty());
    EXPECT_EQ(sitesText({{QStringLiteral("tiny"), 1e-9, -1e-9}}), QStringLiteral("tiny|0|0"));
}

TEST(Sites, StorableNames)
{
    for (const char16_t *name : {u"A", u"São Paulo", u"x, y = 1"})
        EXPECT_TRUE(isStorableSiteName(name)) << QString::fromUtf16(name).toStdString();
    for (const char16_t *name : {u"", u"  ", u"a|b", u"a;b"})
        EXPECT_FALSE(isStorableSiteName(name)) << QString::fromUtf16(name).toStdString();
}

TEST(Sites, SiteLmstFollowsTheLongitudeDifference)
{
    struct Case {
        double lmst, lngWest, siteLngWest, expected;
    } cases[] = {
        {10, 0, 15, 9},      // 15 degrees further west: an hour earlier
        {10, 75, 0, 15},     // from America to Greenwich
        {0.5, 0, 30, 22.5},  // back across 0 h
        {23.5, 350, 10, 22.1666666666667},
        {23, 0, 330, 1},  // 30 degrees east: on across 24 h
        {12, 155.4681, 155.4681, 12},
    };
    for (const Case &c : cases)
        EXPECT_NEAR(siteLmstHours(c.lmst, c.lngWest, c.siteLngWest), c.expected, 1e-12)
            << c.lmst << ' ' << c.lngWest << ' ' << c.siteLngWest;
}

}  // namespace
