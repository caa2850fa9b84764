// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The URL opener and the web map link.

#include "internet.h"
#include "messageservice.h"
#include "qtprinters.h"
#include "urlcatcher.h"

#include <QDesktopServices>
#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

// The map is asked for latitude and east longitude (west negative): the
// numbers are checked, not their spelling, so "-0" and "0" are both right.
TEST(MapURL, QueryOfThePlace)
{
    struct Case {
        double latDeg, lngWestDeg, lngEastDeg;
    };
    const Case cases[] = {{51.5, 0.1, -0.1},  {40, 75, -75},      {0, 0, 0},
                          {-33.5, 180, -180}, {10, 180.5, 179.5}, {10, 284.5, 75.5}};
    const QString root = mapRootAddress();
    ASSERT_TRUE(root.endsWith(QLatin1Char('/')));
    for (const Case &c : cases) {
        const QUrl url(MapURL(c.latDeg, c.lngWestDeg));
        SCOPED_TRACE(url.toString().toStdString());
        EXPECT_EQ(url.adjusted(QUrl::RemoveQuery).toString(), root);
        const QUrlQuery query(url);
        EXPECT_EQ(query.queryItemValue(QStringLiteral("ie")), QStringLiteral("UTF8"));
        EXPECT_EQ(query.queryItemValue(QStringLiteral("spn")), QStringLiteral("1,1"));
        EXPECT_EQ(query.queryItemValue(QStringLiteral("t")), QStringLiteral("h"));
        const QStringList ll = query.queryItemValue(QStringLiteral("ll")).split(QLatin1Char(','));
        ASSERT_EQ(ll.size(), 2);
        bool latOk = false, lngOk = false;
        EXPECT_DOUBLE_EQ(ll[0].toDouble(&latOk), c.latDeg);
        EXPECT_DOUBLE_EQ(ll[1].toDouble(&lngOk), c.lngEastDeg);
        EXPECT_TRUE(latOk && lngOk);
    }
}

TEST(OpenURL, HandsTheAddressToTheDesktopOrSaysWhereItIs)
{
    for (const bool opens : {true, false}) {
        QList<QUrl> asked;
        RecordingMessageService messages;
        OpenURL(
            MapURL(51.5, 0.1),
            [&](const QUrl &url) {
                asked << url;
                return opens;
            },
            messages);
        ASSERT_EQ(asked.size(), 1);
        EXPECT_EQ(asked[0].toString(), MapURL(51.5, 0.1));
        ASSERT_EQ(messages.messages.size(), opens ? 0 : 1);
        if (!opens) {
            EXPECT_TRUE(messages.messages[0].text.contains(MapURL(51.5, 0.1)));
            EXPECT_EQ(messages.messages[0].title, programTitle());
        }
    }
    // The desktop's own opener, through its handler for the scheme.
    UrlCatcher catcher;
    RecordingMessageService messages;
    OpenURL(
        MapURL(1, 2), [](const QUrl &url) { return QDesktopServices::openUrl(url); }, messages);
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened[0].toString(), MapURL(1, 2));
    EXPECT_TRUE(messages.messages.isEmpty());
}

}  // namespace
