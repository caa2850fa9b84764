// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Window placement on a desktop of three screens: one to the right of the
// primary screen and one to its left, at negative coordinates.

#include "alarmtable.h"
#include "appparts.h"
#include "clock.h"
#include "clockwindow.h"
#include "messageservice.h"
#include "preferences.h"
#include "qtprinters.h"
#include "settingsstore.h"
#include "settingvalues.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

class MultiScreenTest : public ::testing::Test, protected AppParts {
protected:
    std::unique_ptr<ClockWindow> startAt(int leftTwips, int topTwips)
    {
        writeSetting(settings, QStringLiteral("Left"), QString::number(leftTwips));
        writeSetting(settings, QStringLiteral("Top"), QString::number(topTwips));
        auto form = std::make_unique<ClockWindow>(context());
        form->load();
        return form;
    }
};

TEST_F(MultiScreenTest, PositionOnAnyScreenIsKept)
{
    ASSERT_EQ(QGuiApplication::screens().size(), 3) << "run with the three-screen configuration";
    EXPECT_EQ(startAt(1000 * 15, 100 * 15)->pos(), QPoint(1000, 100)) << "right screen";
    EXPECT_EQ(startAt(-300 * 15, 50 * 15)->pos(), QPoint(-300, 50)) << "left screen";
    const QRect primary = QGuiApplication::primaryScreen()->geometry();
    const QPoint middle(primary.x() + primary.width() / 2, primary.y() + primary.height() / 2);
    EXPECT_EQ(startAt(100 * 15, 700 * 15)->pos(), middle)
        << "below the 800 x 600 screen, on no screen: the middle of the primary screen";
    EXPECT_EQ(startAt(-300 * 15, 470 * 15)->pos(), QPoint(-300, middle.y()))
        << "too close to the bottom of the left screen: only the top is replaced";
}

TEST_F(MultiScreenTest, ClosingOnAnotherScreenStoresThePosition)
{
    auto form = startAt(1500, 1500);
    form->show();
    form->move(1200, 200);
    form->close();
    EXPECT_EQ(settings.read(settingsSection(), QStringLiteral("Left"), QString()), QStringLiteral("18000"));
    EXPECT_EQ(settings.read(settingsSection(), QStringLiteral("Top"), QString()), QStringLiteral("3000"));
}

}  // namespace
