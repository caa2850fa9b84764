// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The URL opener and the web map link.

#include "internet.h"
#include "qtprinters.h"
#include "urlcatcher.h"

#include <QDesktopServices>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

TEST(MapURL, QueryOfThePlace)
{
    const QString root = mapRootAddress();
    ASSERT_TRUE(root.endsWith(QLatin1Char('/')));
    EXPECT_EQ(MapURL(51.5, 0.1), root + QStringLiteral("?ie=UTF8&ll=51.5,-0.1&spn=1,1&t=h"));
    EXPECT_EQ(MapURL(40, 75), root + QStringLiteral("?ie=UTF8&ll=40,-75&spn=1,1&t=h"));
    EXPECT_EQ(MapURL(0, 0), root + QStringLiteral("?ie=UTF8&ll=0,-0&spn=1,1&t=h"));
    EXPECT_EQ(MapURL(-33.5, 180), root + QStringLiteral("?ie=UTF8&ll=-33.5,-180&spn=1,1&t=h"));
    EXPECT_EQ(MapURL(10, 180.5), root + QStringLiteral("?ie=UTF8&ll=10,179.5&spn=1,1&t=h"));
    EXPECT_EQ(MapURL(10, 284.5), root + QStringLiteral("?ie=UTF8&ll=10,75.5&spn=1,1&t=h"));
}

TEST(OpenURL, HandsTheAddressToTheDesktop)
{
    UrlCatcher catcher;
    ShowMapAt(51.5, 0.1);
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened[0].toString(), MapURL(51.5, 0.1));
}

} // namespace
