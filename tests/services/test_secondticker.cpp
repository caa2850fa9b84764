// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The clock tick in step with the clock's seconds, under a clock set by hand.

#include "clock.h"
#include "secondticker.h"

#include "qtprinters.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

QDateTime at(int h, int m, int s, int ms) { return QDateTime(QDate(2024, 3, 20), QTime(h, m, s, ms), Qt::UTC); }

TEST(SecondTicker, TicksJustAfterEverySecondOfTheClockOnceAndNeverDrifts)
{
    ManualClock clock;
    clock.now = at(12, 0, 0, 300);
    QList<QDateTime> ticks;
    SecondTicker ticker(clock, [&](const QDateTime &reading) { ticks << reading; });
    ticker.start();
    EXPECT_EQ(ticker.timer()->timerType(), Qt::PreciseTimer);
    EXPECT_EQ(ticker.timer()->interval(), 700 + SecondTicker::kPhaseMs);

    const struct {
        QDateTime wake;  // when the timer fires
        bool ticks;      // whether a tick runs, with this reading
        int interval;    // the timer's next interval, ms
    } steps[] = {
        {at(12, 0, 1, 5), true, 1000}, {at(12, 0, 2, 30), true, 975},  // late: the next one is not
        {at(12, 0, 2, 999), false, 6},                                 // early, still in the second ticked
        {at(12, 0, 3, 4), true, 1001}, {at(12, 0, 4, 990), true, 15},  // very late, its own second
        {at(12, 0, 5, 5), true, 1000}, {at(11, 0, 0, 5), true, 1000},  // the clock set back ticks on
    };
    for (const auto &step : steps) {
        const qsizetype before = ticks.size();
        clock.now = step.wake;
        ticker.timerFired();
        ASSERT_EQ(ticks.size(), before + (step.ticks ? 1 : 0)) << step.wake.toString().toStdString();
        EXPECT_EQ(ticks.last(), step.ticks ? step.wake : ticks.last());
        EXPECT_EQ(ticker.timer()->interval(), step.interval) << step.wake.toString().toStdString();
        EXPECT_TRUE(ticker.timer()->isActive());
    }

    // Stopped and started again (the clock window closed and reopened)
    // within the second last ticked, the first wake is a tick all the same.
    ticker.stop();
    ticker.start();
    const qsizetype before = ticks.size();
    ticker.timerFired();
    EXPECT_EQ(ticks.size(), before + 1);

    // A tick that stops the ticker (the clock window closed) is the last.
    SecondTicker stopping(clock, [&](const QDateTime &) { stopping.stop(); });
    stopping.start();
    stopping.timerFired();
    EXPECT_FALSE(stopping.timer()->isActive());
}

}  // namespace
