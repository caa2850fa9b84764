// The clock tick in step with the clock's seconds, under a clock set by hand.

#include "clock.h"
#include "secondticker.h"

#include "qtprinters.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

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
    EXPECT_TRUE(ticker.timer()->isSingleShot());
    EXPECT_EQ(ticker.timer()->timerType(), Qt::PreciseTimer);
    EXPECT_EQ(ticker.timer()->interval(), 700 + SecondTicker::kPhaseMs);
    EXPECT_TRUE(ticks.isEmpty()) << "the first tick comes with the next second";

    const struct {
        QDateTime wake;  // when the timer fires
        bool ticks;      // a tick runs, with this reading
        int interval;    // the timer's next interval, ms
    } steps[] = {
        {at(12, 0, 1, 5), true, 1000},
        {at(12, 0, 2, 30), true, 975},    // late: the next one is not
        {at(12, 0, 2, 999), false, 6},    // early, still in the second ticked
        {at(12, 0, 3, 4), true, 1001},
        {at(12, 0, 4, 990), true, 15},    // very late, but its second's own tick
        {at(12, 0, 5, 5), true, 1000},
        {at(11, 0, 0, 5), true, 1000},    // the clock set back an hour ticks on
    };
    for (const auto &step : steps) {
        const qsizetype before = ticks.size();
        clock.now = step.wake;
        ticker.timerFired();
        ASSERT_EQ(ticks.size(), before + (step.ticks ? 1 : 0)) << step.wake.toString().toStdString();
        if (step.ticks) {
            EXPECT_EQ(ticks.last(), step.wake);
        }
        EXPECT_EQ(ticker.timer()->interval(), step.interval) << step.wake.toString().toStdString();
        EXPECT_TRUE(ticker.timer()->isActive());
    }

    // A tick that stops the ticker (the clock window closed) is the last.
    SecondTicker stopping(clock, [&](const QDateTime &) { stopping.stop(); });
    stopping.start();
    clock.now = at(11, 0, 1, 5);
    stopping.timerFired();
    EXPECT_FALSE(stopping.timer()->isActive());
}

TEST(Clocks, WholeSecondsOfAMillisecondReading)
{
    ManualClock clock;
    clock.now = at(23, 59, 59, 999);
    EXPECT_EQ(clock.localNow(), at(23, 59, 59, 0));
    EXPECT_EQ(clock.localNowMs(), clock.now);

    HeldClock held(clock);
    held.hold(at(1, 2, 3, 456));
    clock.advance(5);
    EXPECT_EQ(held.localNow(), at(1, 2, 3, 0)) << "the held reading, whatever the clock below does";
    EXPECT_EQ(held.localNowMs(), at(1, 2, 3, 456));
    held.release();
    EXPECT_EQ(held.localNowMs(), clock.now);

    const SystemClock system;
    const QDateTime whole = system.localNow();
    EXPECT_EQ(whole.time().msec(), 0);
    EXPECT_LE(std::abs(system.localNowMs().secsTo(whole)), 1);
}

} // namespace
