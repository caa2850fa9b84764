// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The URL opener and the web map link.

#include "internet.h"
#include "messageservice.h"
#include "qtprinters.h"
#include "urlcatcher.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
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

// xdg-open starts and says by its exit status, later, whether a handler
// took the page: a failure (no browser on this desktop) or a program that
// cannot start still tells the user where the page is.
TEST(LaunchingOpener, SaysWhereThePageIsWhenXdgOpenFindsNoHandler)
{
    QTemporaryDir dir;
    const QString asked = dir.filePath(QStringLiteral("asked"));
    const struct {
        const char *script;  // nullptr: no such program
        bool told;
    } cases[] = {{"exit 0", false}, {"exit 3", true}, {nullptr, true}};
    for (const auto &c : cases) {
        QFile::remove(asked);
        const QString program = dir.filePath(QStringLiteral("xdg-open-%1").arg(c.script ? c.script[5] : '-'));
        if (c.script) {
            QFile file(program);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(
                QStringLiteral("#!/bin/sh\necho \"$1\" > '%1'\n%2\n").arg(asked, QLatin1String(c.script)).toUtf8());
            file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        }
        RecordingMessageService messages;
        const QString page = QStringLiteral("file:///usr/share/noctalis/guide/index.html#alarms");
        OpenURL(page, launchingOpener(messages, program), messages);
        EXPECT_TRUE(messages.messages.isEmpty()) << "nothing is said before xdg-open has ended";
        ASSERT_TRUE(QTest::qWaitFor([] { return QCoreApplication::instance()->findChildren<QProcess *>().isEmpty(); }));
        ASSERT_EQ(messages.messages.size(), c.told ? 1 : 0) << program.toStdString();
        if (c.told) {
            EXPECT_TRUE(messages.messages[0].text.contains(QStringLiteral("/usr/share/noctalis/guide/index.html")));
        }
        if (c.script) {
            QFile file(asked);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll().trimmed(), page.toUtf8());
        }
    }
}

}  // namespace
