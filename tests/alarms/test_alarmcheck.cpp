// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The alarm step of the tick: the due test, firing and expiry under an
// injected clock, and what each action code asks for.

#include "alarmcheck.h"
#include "alarmdue.h"
#include "alarmtable.h"
#include "clock.h"
#include "logcapture.h"
#include "modastrosubs.h"
#include "numbertext.h"
#include "variant.h"

#include <QStringList>

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

namespace {

using namespace noctalis;

constexpr double kSecondsPerDay = 86400.0;

double hms(int h, int m, double s) { return (h + m / 60.0 + s / 3600.0) / 24.0; }

TEST(AlarmDue, WindowAcrossSiderealMidnight)
{
    const double start = hms(23, 50, 0);
    const double duration = 20.0 / 1440;
    EXPECT_FALSE(AlarmDue(start, duration, hms(23, 49, 59)));
    EXPECT_TRUE(AlarmDue(start, duration, start));
    EXPECT_TRUE(AlarmDue(start, duration, hms(23, 59, 59.9)));
    EXPECT_TRUE(AlarmDue(start, duration, 1.0)) << "an LMST of exactly 24 h";
    EXPECT_TRUE(AlarmDue(start, duration, 0.0));
    EXPECT_TRUE(AlarmDue(start, duration, hms(0, 9, 59.9)));
    EXPECT_FALSE(AlarmDue(start, duration, hms(0, 10, 0.1)));
    EXPECT_FALSE(AlarmDue(start, duration, hms(12, 0, 0)));
}

TEST(AlarmDue, WindowInsideTheDayIsHalfOpen)
{
    const double start = hms(6, 0, 0);
    const double duration = 10.0 / 1440;
    EXPECT_FALSE(AlarmDue(start, duration, hms(5, 59, 59)));
    EXPECT_TRUE(AlarmDue(start, duration, start));
    EXPECT_TRUE(AlarmDue(start, duration, hms(6, 5, 0)));
    EXPECT_TRUE(AlarmDue(start, duration, hms(6, 9, 59)));
    EXPECT_FALSE(AlarmDue(start, duration, hms(6, 10, 0.01)));
    EXPECT_FALSE(AlarmDue(start, duration, hms(18, 5, 0)));
}

// The exact end of a window is outside it, also when the window wraps past
// 24 h of LMST; the LMST just before the end is inside. Every value is a
// binary fraction, so the sums are exact and the LMST lands on the end
// itself, not next to it.
TEST(AlarmDue, TheExactEndIsOutsideTheWindowOnEitherSideOfMidnight)
{
    const struct {
        double startDays, durationDays, endLmstDays, justBeforeDays;
    } windows[] = {
        {0.25, 0.25, 0.5, std::nextafter(0.5, 0.0)},    // 06:00 to 12:00
        {0.875, 0.125, 0.0, std::nextafter(1.0, 0.0)},  // 21:00 to 24:00
        {0.75, 0.5, 0.25, std::nextafter(0.25, 0.0)},   // 18:00 to 06:00, past 24 h
        {0.96875, 0.0625, 0.03125, std::nextafter(0.03125, 0.0)},
    };
    for (const auto &w : windows) {
        EXPECT_FALSE(AlarmDue(w.startDays, w.durationDays, w.endLmstDays)) << w.startDays << " + " << w.durationDays;
        EXPECT_TRUE(AlarmDue(w.startDays, w.durationDays, w.justBeforeDays)) << w.startDays << " + " << w.durationDays;
    }
}

TEST(AlarmDue, EmptyAndNegativeWindowsAreNeverDue)
{
    for (double lmst : {0.0, 0.25, 0.2500001, 0.9999, 1.0}) {
        EXPECT_FALSE(AlarmDue(0.25, 0.0, lmst)) << lmst;
        EXPECT_FALSE(AlarmDue(0.25, -0.01, lmst)) << lmst;
    }
}

TEST(AlarmDue, ADayOrMoreHoldsEveryLmst)
{
    for (double duration : {1.0, 1.5, 3.0})
        for (double lmst : {0.0, 0.1, 0.2999, 0.3, 0.9999, 1.0})
            EXPECT_TRUE(AlarmDue(0.3, duration, lmst)) << duration << " " << lmst;
}

TEST(AlarmRules, MinimisedWhenTheSecondParameterHoldsAY)
{
    for (const char *yes : {"y", "Y", "Yes", "yes", "Any"})
        EXPECT_TRUE(LaunchMinimized(QLatin1String(yes))) << yes;
    for (const char *no : {"", "N", "n", "No", "0"})
        EXPECT_FALSE(LaunchMinimized(QLatin1String(no))) << no;
}

TEST(AlarmRules, WaveFileInAnyLetterCase)
{
    EXPECT_TRUE(IsWaveFile(QStringLiteral("C:\\Sounds\\Bell.wav")));
    EXPECT_TRUE(IsWaveFile(QStringLiteral("/usr/share/sounds/x.WaV")));
    EXPECT_TRUE(IsWaveFile(QStringLiteral("a.wave")));
    EXPECT_FALSE(IsWaveFile(QStringLiteral("bell.mp3")));
    EXPECT_FALSE(IsWaveFile(QStringLiteral("wav")));
    EXPECT_FALSE(IsWaveFile(QString()));
}

// The main window as the check sees it: the LMST of the injected clock at a
// given longitude, from the engine's sidereal routine.
class FakeHost : public AlarmHost {
public:
    explicit FakeHost(const ManualClock &clock) : m_clock(clock) {}

    double lmstHours() override
    {
        if (failing)
            throw std::runtime_error("no engine");
        if (fixedLmstHours >= 0)
            return fixedLmstHours;
        const double ut = automation::toAutomationDate(m_clock.utcNow());
        return ephemkit::localMeanSiderealTime(ut, lngWestDeg);
    }
    QVariant engineLng() override { return lngWestDeg; }
    QString expandTimeFields(const QString &text) override { return QStringLiteral("<%1>").arg(text); }

    double lngWestDeg = 0;
    double fixedLmstHours = -1;  // negative: from the clock
    bool failing = false;

private:
    const ManualClock &m_clock;
};

// Records what the check asked for, and when.
class FakeActions : public AlarmActions {
public:
    explicit FakeActions(const ManualClock &clock) : m_clock(clock) {}

    void openNotice(const NoticeOrder &order) override
    {
        notices.push_back(order);
        log << QStringLiteral("open ") + order.tag;
        openedAt.push_back(m_clock.utcNow());
    }
    bool launchProgram(const QString &commandLine, bool minimized) override
    {
        launches.push_back({commandLine, minimized});
        log << QStringLiteral("launch ") + commandLine;
        return launchWorks;
    }
    void openSender(const SenderOrder &order) override
    {
        senders.push_back(order);
        log << QStringLiteral("sender ") + order.tag;
    }
    void closeWindows(const QString &tag) override
    {
        log << QStringLiteral("close ") + tag;
        closedAt.push_back(m_clock.utcNow());
    }
    void reportMissed(const NoticeOrder &report) override
    {
        reports.push_back(report);
        log << QStringLiteral("missed");
    }

    void clear()
    {
        notices.clear();
        launches.clear();
        senders.clear();
        reports.clear();
        openedAt.clear();
        closedAt.clear();
        log.clear();
    }

    struct Launch {
        QString commandLine;
        bool minimized;
    };
    std::vector<NoticeOrder> notices;
    std::vector<Launch> launches;
    std::vector<SenderOrder> senders;
    std::vector<NoticeOrder> reports;
    std::vector<QDateTime> openedAt;
    std::vector<QDateTime> closedAt;
    QStringList log;
    bool launchWorks = true;

private:
    const ManualClock &m_clock;
};

class AlarmCheckTest : public ::testing::Test {
protected:
    AlarmCheckTest() : host(clock), actions(clock), check(alarms, clock, host, actions)
    {
        clock.now = QDateTime(QDate(2024, 3, 20), QTime(0, 0, 0), Qt::UTC);
    }

    AlarmDef &add(const char *name, int action, double siderealTimeDays, double durationDays)
    {
        const int index = alarms[0].Name.isEmpty() ? 0 : alarms.size();
        if (index > 0)
            alarms.resize(index + 1);
        AlarmDef &a = alarms[index];
        a.Name = QLatin1String(name);
        a.Action = qint16(action);
        a.SiderealTime = siderealTimeDays;
        a.Duration = durationDays;
        a.Enabled = true;
        return a;
    }

    // Ticks once a second for the given number of seconds.
    void tick(int seconds)
    {
        for (int s = 0; s < seconds; ++s) {
            clock.advance(1);
            check.run();
        }
    }

    double lmstHoursNow()
    {
        const double ut = automation::toAutomationDate(clock.utcNow());
        return ephemkit::localMeanSiderealTime(ut, host.lngWestDeg);
    }

    ManualClock clock;
    AlarmTable alarms;
    FakeHost host;
    FakeActions actions;
    AlarmCheck check;
};

TEST_F(AlarmCheckTest, FiresOncePerActivationAndAgainOneSiderealDayLater)
{
    host.lngWestDeg = 75;
    add("Transit", 0, hms(6, 0, 0), 10.0 / 1440);
    tick(2 * 86400);

    ASSERT_EQ(actions.openedAt.size(), 2u) << actions.log.join(QLatin1Char(',')).toStdString();
    ASSERT_EQ(actions.closedAt.size(), 2u);
    for (size_t k = 0; k < 2; ++k) {
        clock.now = actions.openedAt[k];
        const double at = lmstHoursNow();
        EXPECT_GE(at, 6.0) << "fired before the window opened";
        EXPECT_LT(at, 6.0 + 1.0028 / 3600) << "not the first tick inside the window";
        // The first tick after TriggeredUntil = firing + 600 s.
        EXPECT_EQ(actions.openedAt[k].secsTo(actions.closedAt[k]), 601);
    }
    // One sidereal day: 86164.09 s of civil time.
    const qint64 gap = actions.openedAt[0].secsTo(actions.openedAt[1]);
    EXPECT_GE(gap, 86163);
    EXPECT_LE(gap, 86165);
}

TEST_F(AlarmCheckTest, StartInsideTheWindowFiresAtTheFirstCheck)
{
    add("Late", 0, hms(6, 0, 0), 10.0 / 1440);
    host.fixedLmstHours = 6 + 5.0 / 60;
    check.run();
    ASSERT_EQ(actions.notices.size(), 1u);
    EXPECT_TRUE(alarms[0].Triggered);
    EXPECT_EQ(alarms[0].TriggeredUntil, clock.utcNow().addSecs(600));
    check.run();
    EXPECT_EQ(actions.notices.size(), 1u) << "fires at most once per activation";
}

TEST_F(AlarmCheckTest, DisabledAlarmNeverFiresButIsStillClosedAndRearmed)
{
    AlarmDef &off = add("Off", 0, hms(6, 0, 0), 10.0 / 1440);
    off.Enabled = false;
    host.fixedLmstHours = 6.05;
    tick(5);
    EXPECT_TRUE(actions.log.isEmpty());

    off.Enabled = true;
    tick(1);
    ASSERT_EQ(actions.notices.size(), 1u);
    off.Enabled = false;
    tick(600);
    EXPECT_TRUE(alarms[0].Triggered) << "not later than TriggeredUntil yet";
    tick(1);
    EXPECT_FALSE(alarms[0].Triggered);
    EXPECT_EQ(actions.log, QStringList({QStringLiteral("open Off"), QStringLiteral("close Off")}));
    tick(60);
    EXPECT_EQ(actions.notices.size(), 1u);
}

TEST_F(AlarmCheckTest, SameTimeTwiceFiresBothInIndexOrder)
{
    add("First", 0, hms(6, 0, 0), 10.0 / 1440);
    add("Second", 3, hms(6, 0, 0), 10.0 / 1440);
    add("Third", 1, hms(6, 0, 0), 10.0 / 1440).Param2 = QStringLiteral("x");
    host.fixedLmstHours = 6;
    check.run();
    EXPECT_EQ(actions.log, QStringList({QStringLiteral("open First"), QStringLiteral("sender Second"),
                                        QStringLiteral("open Third")}));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(alarms[i].Triggered) << i;
}

TEST_F(AlarmCheckTest, UnnamedRecordZeroStopsTheWholeCheck)
{
    add("Zero", 0, hms(6, 0, 0), 10.0 / 1440);
    add("One", 0, hms(6, 0, 0), 10.0 / 1440);
    alarms[0].Name.clear();
    alarms[1].Triggered = true;
    alarms[1].TriggeredUntil = QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    host.fixedLmstHours = 6;
    tick(3);
    EXPECT_TRUE(actions.log.isEmpty()) << "neither firing nor expiry";
    EXPECT_TRUE(alarms[1].Triggered);
}

TEST_F(AlarmCheckTest, DurationZeroNeverFiresOverAWholeDay)
{
    add("Empty", 0, hms(6, 0, 0), 0);
    tick(86400);
    EXPECT_TRUE(actions.log.isEmpty());
}

TEST_F(AlarmCheckTest, DurationOfADayFiresAgainRightAfterEachExpiry)
{
    add("Always", 0, hms(13, 0, 0), 1.0);
    check.run();
    ASSERT_EQ(actions.notices.size(), 1u);
    tick(86400);
    EXPECT_EQ(actions.notices.size(), 1u);
    tick(1);
    EXPECT_EQ(actions.log, QStringList({QStringLiteral("open Always"), QStringLiteral("close Always"),
                                        QStringLiteral("open Always")}))
        << "closed, re-armed and fired again in the same tick";
}

// An end that no date can hold: the alarm is skipped, not fired, and the
// alarms after it are checked as usual.
TEST_F(AlarmCheckTest, DurationBeyondAnyDateIsSkippedAndTheNextAlarmFires)
{
    add("Huge", 2, 0.25, 1e308).Param1 = QStringLiteral("xterm");
    add("Forever", 0, 0.25, std::numeric_limits<double>::infinity());
    add("Next", 0, 0.25, 0.01);
    host.fixedLmstHours = 6;
    LogCapture log;
    tick(3);
    EXPECT_EQ(actions.log, QStringList({QStringLiteral("open Next")}));
    EXPECT_EQ(log.lines().size(), 2) << "one line for each of the two alarms, not one at every tick: "
                                     << log.lines().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(alarms[0].Triggered);
    EXPECT_FALSE(alarms[1].Triggered);
    EXPECT_TRUE(alarms[2].Triggered);
}

TEST_F(AlarmCheckTest, NoticeOrders)
{
    add("Silent", 0, 0.25, 0.01).Param1 = QStringLiteral("Now [LMST HH:MM:SS]");
    AlarmDef &wave = add("Wave", 1, 0.25, 0.01);
    wave.Param1 = QStringLiteral("Bell");
    wave.Param2 = QStringLiteral("C:\\Sounds\\Bell.WAV");
    add("Mp3", 1, 0.25, 0.01).Param2 = QStringLiteral("bell.mp3");
    add("NoSound", 1, 0.25, 0.01);
    add("Negative", -4, 0.25, 0.01).Param2 = QStringLiteral("bell.wav");
    host.fixedLmstHours = 6;
    check.run();

    ASSERT_EQ(actions.notices.size(), 5u);
    const NoticeOrder &silent = actions.notices[0];
    EXPECT_EQ(silent.tag, QStringLiteral("Silent"));
    EXPECT_EQ(silent.caption, QStringLiteral("Sidereal Alarm: Silent"));
    EXPECT_EQ(silent.message, QStringLiteral("<Now [LMST HH:MM:SS]>")) << "expanded by the host";
    EXPECT_FALSE(silent.beepOn);
    EXPECT_TRUE(silent.soundFile.isEmpty());

    EXPECT_EQ(actions.notices[1].soundFile, QStringLiteral("C:\\Sounds\\Bell.WAV"));
    EXPECT_FALSE(actions.notices[1].beepOn);
    EXPECT_TRUE(actions.notices[2].beepOn);
    EXPECT_TRUE(actions.notices[2].soundFile.isEmpty()) << "no wave file, a beep instead";
    EXPECT_TRUE(actions.notices[3].beepOn);
    EXPECT_FALSE(actions.notices[4].beepOn) << "a negative code is a silent notice";
    EXPECT_TRUE(actions.notices[4].soundFile.isEmpty());
}

TEST_F(AlarmCheckTest, LaunchOrdersAndAProgramThatCannotStart)
{
    const char *param2[] = {"y", "Yes", "N", ""};
    for (const char *p : param2) {
        AlarmDef &a = add(p[0] ? p : "empty", 2, 0.25, 0.01);
        a.Param1 = QStringLiteral("xterm -e \"top -d 5\"");
        a.Param2 = QLatin1String(p);
    }
    alarms[3].Param2.clear();
    actions.launchWorks = false;
    host.fixedLmstHours = 6;
    check.run();

    ASSERT_EQ(actions.launches.size(), 4u);
    EXPECT_TRUE(actions.launches[0].minimized);
    EXPECT_TRUE(actions.launches[1].minimized);
    EXPECT_FALSE(actions.launches[2].minimized);
    EXPECT_FALSE(actions.launches[3].minimized);
    EXPECT_EQ(actions.launches[0].commandLine, QStringLiteral("xterm -e \"top -d 5\"")) << "handed on unchanged";
    EXPECT_TRUE(actions.notices.empty() && actions.senders.empty());
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(alarms[i].Triggered) << "a failed start still counts as fired";
        EXPECT_TRUE(alarms[i].TriggeredUntil.has_value());
    }
}

TEST_F(AlarmCheckTest, SenderOrderAndUnknownCodes)
{
    AlarmDef &tcp = add("Tcp", 3, 0.25, 0.01);
    tcp.Param1 = QStringLiteral("[LMST HH:MM:SS]");
    tcp.Param2 = QStringLiteral("example.org:80");
    tcp.Param3 = QStringLiteral("5");
    add("Unknown", 7, 0.25, 0.01);
    host.lngWestDeg = 105.5;
    host.fixedLmstHours = 6;
    check.run();

    ASSERT_EQ(actions.senders.size(), 1u);
    const SenderOrder &s = actions.senders[0];
    EXPECT_EQ(s.tag, QStringLiteral("Tcp"));
    EXPECT_EQ(s.senderLng.toDouble(), 105.5);
    EXPECT_EQ(s.messageTemplate, QStringLiteral("[LMST HH:MM:SS]")) << "expanded by the sender, not here";
    EXPECT_EQ(s.url, QStringLiteral("example.org:80"));
    EXPECT_EQ(s.repeatMinutes, QStringLiteral("5"));
    EXPECT_EQ(actions.log.size(), 1) << "code 7 has no action";
    EXPECT_TRUE(alarms[1].Triggered) << "but fires all the same";
    EXPECT_TRUE(alarms[1].TriggeredUntil.has_value());
}

TEST_F(AlarmCheckTest, WithoutAnLmstNothingFallsDueButExpiryGoesOn)
{
    add("A", 0, 0.25, 10.0 / 1440);
    add("B", 0, 0.25, 10.0 / 1440);
    host.fixedLmstHours = 6;
    check.run();
    host.fixedLmstHours = 12;
    alarms[1].Triggered = false;
    host.failing = true;
    LogCapture log;
    tick(601);
    EXPECT_FALSE(alarms[0].Triggered);
    EXPECT_EQ(actions.log,
              QStringList({QStringLiteral("open A"), QStringLiteral("open B"), QStringLiteral("close A")}));
    // One line for the 601 checks that could not read the LMST, and one
    // more when the reading fails again after it worked.
    const QString failed = QStringLiteral("noctalis.alarms: read the LMST skipped: no engine");
    EXPECT_EQ(log.lines(), QStringList{failed});
    host.failing = false;
    tick(1);
    host.failing = true;
    tick(2);
    EXPECT_EQ(log.lines(), QStringList({failed, failed}));
}

TEST_F(AlarmCheckTest, ASiderealTimeThatIsNoNumberSkipsOnlyThatAlarm)
{
    add("Bad", 0, 0.25, 0.01).SiderealTime = std::numeric_limits<double>::quiet_NaN();
    add("Good", 0, 0.25, 0.01);
    host.fixedLmstHours = 6;
    check.run();
    EXPECT_FALSE(alarms[0].Triggered);
    EXPECT_EQ(actions.log, QStringList({QStringLiteral("open Good")}));
}

// A tick that comes late: the windows that began and ended in the LMST the
// clock did not show are reported once and not carried out; a window still
// open fires as usual; the ticks after it report nothing more.
TEST_F(AlarmCheckTest, ALateTickReportsTheWindowsItPassedOnceAndCarriesNoneOut)
{
    const struct {
        const char *what;
        int jumpSeconds;     // UT from the last tick to the late one
        double startAfterS;  // sidereal seconds from the last tick's LMST to the window's start
        double durationS;    // the window, sidereal seconds
        bool missed, fired;
    } cases[] = {
        {"10 s over a 4 s window", 10, 3, 4, true, false},
        {"10 min over a 5 min window", 600, 60, 300, true, false},
        {"10 min into a window still open", 600, 300, 3600, false, true},
        {"10 min, window ends with the late tick", 600, 100, 600 * 1.002737908 - 100 + 0.2, false, true},
        {"2 s is no late tick", 2, 0.5, 0.5, false, false},
        {"10 s, window after the late tick", 10, 20, 5, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        alarms.clear();
        actions.clear();
        check.pause();
        tick(1);
        const double lastLmstDays = lmstHoursNow() / 24;
        const double startDays = lastLmstDays + c.startAfterS / kSecondsPerDay;
        add("Passed", 2, startDays, c.durationS / kSecondsPerDay).Param1 = QStringLiteral("open-dome");
        add("Off", 0, startDays, c.durationS / kSecondsPerDay).Enabled = false;

        LogCapture log;
        clock.advance(c.jumpSeconds);
        check.run();
        tick(5);
        EXPECT_EQ(actions.launches.size(), c.fired ? 1u : 0u);
        ASSERT_EQ(actions.reports.size(), c.missed ? 1u : 0u);
        if (!c.missed)
            continue;
        const NoticeOrder &report = actions.reports[0];
        EXPECT_EQ(report.caption, QStringLiteral("Missed alarms"));
        EXPECT_TRUE(report.tag.isEmpty()) << "no alarm's expiry closes it";
        const QString at = formatTime(startDays, u"HH:nn:ss");
        EXPECT_TRUE(report.message.contains(QStringLiteral("Passed at LMST ") + at)) << report.message.toStdString();
        EXPECT_FALSE(report.message.contains(QStringLiteral("Off"))) << "a disabled alarm is not missed";
        ASSERT_EQ(log.lines().size(), 1) << log.lines().join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(log.lines()[0].contains(QStringLiteral("Passed"))) << log.lines()[0].toStdString();
        EXPECT_FALSE(alarms[0].Triggered) << "armed for its next window";
    }
}

// Many alarms due in one tick: their actions run a batch at a time, in
// index order, all of them, each once; one that expires before its turn
// is dropped with a line.
TEST_F(AlarmCheckTest, ABurstRunsInBoundedBatchesInOrderAndDropsWhatExpiresWaiting)
{
    constexpr int kBurst = 3 * AlarmQueue::kMaxPerTurn + 2;
    QStringList expected;
    for (int i = 0; i < kBurst; ++i) {
        add(QByteArray::number(i).constData(), 0, 0.25, 0.01);
        expected << QStringLiteral("open %1").arg(i);
    }
    // The last alarm's window lasts a second of UT: it ends before its turn.
    alarms[kBurst - 1].Duration = 1.0 / kSecondsPerDay;
    expected.removeLast();
    host.fixedLmstHours = 6;

    LogCapture log;
    check.run();
    alarms[kBurst - 1].Enabled = false;  // expires, and does not fire again
    std::vector<qsizetype> perTurn{actions.log.size()};
    clock.advance(2);
    check.run();  // the next tick: the short alarm expires, then a turn
    const QString closed = QStringLiteral("close %1").arg(kBurst - 1);
    ASSERT_TRUE(actions.log.contains(closed));
    perTurn.push_back(actions.log.size() - 1 - perTurn.back());
    while (!check.queue().isEmpty() && perTurn.size() < std::size_t(kBurst)) {
        const qsizetype before = actions.log.size();
        check.queue().runTurn();
        perTurn.push_back(actions.log.size() - before);
    }
    for (qsizetype n : perTurn)
        EXPECT_LE(n, AlarmQueue::kMaxPerTurn);
    EXPECT_GT(perTurn.size(), 2u) << "not all in the tick";
    EXPECT_TRUE(check.queue().isEmpty());
    QStringList carriedOut = actions.log;
    carriedOut.removeAll(closed);
    EXPECT_EQ(carriedOut, expected);
    EXPECT_EQ(log.lines().filter(QStringLiteral("ended before its action could run")).size(), 1);
    tick(3);
    EXPECT_EQ(actions.notices.size(), std::size_t(kBurst - 1)) << "each fires once";
}

}  // namespace
