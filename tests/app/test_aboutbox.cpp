// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The about box: its texts and its links.

#include "aboutbox.h"
#include "qtprinters.h"
#include "urlcatcher.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

TEST(AboutBox, ShowsTheVersionAndOpensItsLinks)
{
    UrlCatcher catcher;
    AboutBox box;
    EXPECT_TRUE(box.isModal());
    QStringList texts;
    for (const QLabel *label : box.findChildren<QLabel *>())
        texts << label->text();
    const QString all = texts.join(QLatin1Char('\n'));
    EXPECT_TRUE(all.contains(QStringLiteral("Noctalis")));
    EXPECT_TRUE(all.contains(QCoreApplication::applicationVersion().isEmpty()
                                 ? QStringLiteral("Version ")
                                 : QCoreApplication::applicationVersion()));
    EXPECT_TRUE(all.contains(QStringLiteral("GNU General Public License")));
    EXPECT_TRUE(all.contains(QStringLiteral("World map: Natural Earth"))
                && all.contains(QStringLiteral("City list: city-timezones (MIT)")))
        << "the data sources and their licences";
    box.findChild<QPushButton *>(QStringLiteral("cmdHome"))->click();
    box.findChild<QPushButton *>(QStringLiteral("cmdHelp"))->click();
    ASSERT_EQ(catcher.opened.size(), 2);
    EXPECT_EQ(catcher.opened[0].toString(), AboutBox::homePage());
    EXPECT_TRUE(catcher.opened[1].isLocalFile()) << "the README";
    EXPECT_TRUE(catcher.opened[1].toLocalFile().endsWith(QStringLiteral("README.md")));
}

}  // namespace
