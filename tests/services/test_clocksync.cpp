// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Whether the computer's clock is synchronised: the kernel's readings, the
// time-date service where the kernel cannot be read, once a minute.

#include "clocksync.h"
#include "scriptedclocksync.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace noctalis;

const QDateTime kMorning(QDate(2024, 5, 6), QTime(10, 15, 42), Qt::UTC);

struct Reading {
    int state;
    int status;
    long esterrorUs;
};

TEST(ClockSyncMonitor, KernelReadingsGiveTheLine)
{
    struct Case {
        const char *what;
        Reading kernel;
        const char *line;
    };
    for (const Case &c : {
             Case{"2.5 ms", {TIME_OK, STA_PLL, 2500}, "System clock: synchronised, ±3 ms"},
             Case{"a millisecond exactly", {TIME_OK, 0, 1000}, "System clock: synchronised, ±1 ms"},
             Case{"just over a millisecond", {TIME_OK, 0, 1001}, "System clock: synchronised, ±2 ms"},
             Case{"a fraction", {TIME_OK, 0, 300}, "System clock: synchronised, ±1 ms"},
             Case{"no error at all", {TIME_OK, 0, 0}, "System clock: synchronised, ±1 ms"},
             Case{"leap second ahead", {TIME_INS, STA_INS, 16000}, "System clock: synchronised, ±16 ms"},
             Case{"STA_UNSYNC", {TIME_OK, STA_UNSYNC, 500}, "System clock: not synchronised since 10:15 UT"},
             Case{"TIME_ERROR", {TIME_ERROR, 0, 500}, "System clock: not synchronised since 10:15 UT"},
             Case{"unreadable", {-1, 0, 0}, ""},
         }) {
        SCOPED_TRACE(c.what);
        ScriptedClockSync source;
        source.kernel = {c.kernel.state, c.kernel.status, c.kernel.esterrorUs};
        ClockSyncMonitor monitor(source);
        int reads = 0;
        QObject::connect(&monitor, &ClockSyncMonitor::statusRead, [&reads] { ++reads; });
        monitor.poll(kMorning);
        EXPECT_EQ(monitor.statusLine(kMorning.addSecs(3000)), QString::fromUtf8(c.line));
        EXPECT_EQ(reads, 1);
        EXPECT_EQ(source.serviceAsks, c.kernel.state == -1 ? 1 : 0) << "the service only when the kernel says nothing";
        EXPECT_EQ(monitor.status().notSynchronisedSince.isValid(),
                  monitor.status().state == ClockSyncState::NotSynchronised);
    }
}

TEST(ClockSyncMonitor, TheServiceAnswersWhenTheKernelCannotBeRead)
{
    struct Case {
        const char *what;
        std::optional<bool> ntp;
        const char *line;
    };
    for (const bool later : {false, true}) {
        for (const Case &c : {Case{"synchronised", true, "System clock: synchronised"},
                              Case{"not synchronised", false, "System clock: not synchronised since 10:15 UT"},
                              Case{"no answer", std::nullopt, ""}}) {
            SCOPED_TRACE(std::string(c.what) + (later ? ", answered later" : ", answered at once"));
            ScriptedClockSync source;
            source.kernel.state = -1;
            source.ntp = c.ntp;
            source.answerLater = later;
            ClockSyncMonitor monitor(source);
            int reads = 0;
            QObject::connect(&monitor, &ClockSyncMonitor::statusRead, [&reads] { ++reads; });
            monitor.poll(kMorning);
            if (later) {
                EXPECT_EQ(reads, 0);
                EXPECT_TRUE(monitor.statusLine(kMorning).isEmpty()) << "nothing claimed before the answer";
                ASSERT_EQ(source.pending.size(), 1u);
                source.pending.front()(c.ntp);
            }
            EXPECT_EQ(reads, 1);
            EXPECT_EQ(monitor.statusLine(kMorning.addSecs(90)), QString::fromUtf8(c.line));
            EXPECT_FALSE(monitor.status().errorUs) << "the service gives no estimate";
        }
    }
}

TEST(ClockSyncMonitor, ReadsAtMostOnceAMinuteOfTheClock)
{
    ScriptedClockSync source;
    ClockSyncMonitor monitor(source);
    EXPECT_EQ(source.kernelReads, 0) << "nothing read before the first poll";
    // A poll at every second and then some; the clock set back reads anew.
    struct Step {
        int fromSeconds;
        int toSeconds;
        int readsAfter;
    };
    for (const Step &s : {Step{0, 59, 1}, Step{60, 119, 2}, Step{125, 184, 3}, Step{30, 30, 4}, Step{31, 89, 4}}) {
        for (int second = s.fromSeconds; second <= s.toSeconds; ++second)
            monitor.poll(kMorning.addMSecs(second * 1000 + 5));
        EXPECT_EQ(source.kernelReads, s.readsAfter) << "after the polls " << s.fromSeconds << ".." << s.toSeconds;
    }
}

TEST(ClockSyncMonitor, SinceIsTheFirstReadingThatSaidSo)
{
    ScriptedClockSync source;
    ClockSyncMonitor monitor(source);
    const QDateTime lateEvening(QDate(2024, 5, 6), QTime(23, 50, 7), Qt::UTC);
    struct Step {
        const char *what;
        int minutesLater;
        Reading kernel;
        const char *line;
    };
    for (const Step &s : {
             Step{"lost", 0, {TIME_ERROR, STA_UNSYNC, 0}, "System clock: not synchronised since 23:50 UT"},
             Step{"still lost", 5, {TIME_ERROR, STA_UNSYNC, 0}, "System clock: not synchronised since 23:50 UT"},
             Step{"the next day",
                  20,
                  {TIME_ERROR, STA_UNSYNC, 0},
                  "System clock: not synchronised since 2024-05-06 23:50 UT"},
             Step{"nothing readable", 25, {-1, 0, 0}, ""},
             Step{"lost, as before",
                  26,
                  {TIME_OK, STA_UNSYNC, 0},
                  "System clock: not synchronised since 2024-05-06 23:50 UT"},
             Step{"found", 30, {TIME_OK, 0, 4200}, "System clock: synchronised, ±5 ms"},
             Step{"lost anew", 40, {TIME_OK, STA_UNSYNC, 0}, "System clock: not synchronised since 00:30 UT"},
         }) {
        SCOPED_TRACE(s.what);
        source.kernel = {s.kernel.state, s.kernel.status, s.kernel.esterrorUs};
        const QDateTime reading = lateEvening.addSecs(s.minutesLater * 60);
        monitor.poll(reading);
        EXPECT_EQ(monitor.statusLine(reading), QString::fromUtf8(s.line));
    }
}

TEST(ClockSyncMonitor, LateAnswersOfTheServiceAreDropped)
{
    ScriptedClockSync source;
    source.kernel.state = -1;
    source.answerLater = true;
    auto monitor = std::make_unique<ClockSyncMonitor>(source);
    monitor->poll(kMorning);
    monitor->poll(kMorning.addSecs(60));
    ASSERT_EQ(source.pending.size(), 2u);
    source.pending[1](true);
    source.pending[0](false);  // overtaken by the later reading
    EXPECT_EQ(monitor->status().state, ClockSyncState::Synchronised);
    monitor->poll(kMorning.addSecs(120));
    monitor.reset();
    source.pending[2](false);  // the monitor is gone: nothing to tell
}

TEST(SystemClockSyncSource, WithoutASystemBusTheServiceSaysNothingAtOnceAndQuietly)
{
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/noctalis-test/system_bus_socket");
    static QStringList logged;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) { logged << text; });
    SystemClockSyncSource source;
    std::vector<std::optional<bool>> answers;
    source.askNtpSynchronized([&answers](std::optional<bool> answer) { answers.push_back(answer); });
    qInstallMessageHandler(previous);
    ASSERT_EQ(answers.size(), 1u) << "answered before the call returned";
    EXPECT_FALSE(answers.front());
    EXPECT_TRUE(logged.isEmpty()) << logged.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
