// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The clock window's "&Tonight" entry: right after the calculator's, a
// modeless window of its own that comes back loaded afresh after a close and
// closes with the clock window, which ends the program.

#include "appparts.h"
#include "clockwindow.h"
#include "siderealcalculator.h"
#include "tonightwindow.h"
#include "tonighttargets.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

class TonightMenuTest : public ::testing::Test, protected AppParts {};

TEST_F(TonightMenuTest, OneModelessWindowLoadedAgainAfterACloseThatGoesWithTheClock)
{
    ClockWindow form(context());
    form.load();
    form.show();
    QStringList names;
    for (QAction *a : form.optionsMenu()->actions())
        names << a->objectName();
    ASSERT_EQ(names.indexOf(QStringLiteral("mnuTonight")), names.indexOf(QStringLiteral("mnuCalculator")) + 1);
    QAction *entry = form.optionsMenu()->actions().at(names.indexOf(QStringLiteral("mnuTonight")));
    EXPECT_EQ(entry->text(), QStringLiteral("&Tonight"));

    entry->trigger();  // returns at once
    TonightWindow *tonight = &form.tonight();
    EXPECT_TRUE(tonight->isVisible());
    EXPECT_TRUE(tonight->isWindow());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(tonight->table()->topLevelItemCount(), 9) << "the Sun, the Moon, Mercury to Neptune";

    tonight->close();
    writeTonightTargets(settings, {{QStringLiteral("Vega"), 18.6156, 38.7836}});
    entry->trigger();
    EXPECT_EQ(&form.tonight(), tonight);
    EXPECT_EQ(tonight->table()->topLevelItemCount(), 10) << "loaded again, with the target";

    form.findChild<QAction *>(QStringLiteral("mnuCalculator"))->trigger();
    ASSERT_TRUE(form.calculator().isVisible());
    QSignalSpy closed(&form, &ClockWindow::closed);
    form.close();
    EXPECT_FALSE(tonight->isVisible());
    EXPECT_FALSE(form.calculator().isVisible());
    EXPECT_EQ(closed.count(), 1) << "the program ends with the clock";
}

}  // namespace
