// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The alarms in the clock window's tick: the check runs at the ticks the
// clock window allows, with the clock window's engine and time fields.

#include "appparts.h"
#include "alarmfakes.h"
#include "fakenotifier.h"
#include "alarmtable.h"
#include "clock.h"
#include "alarmnotice.h"
#include "clockwindow.h"
#include "modastrosubs.h"
#include "notifyingactions.h"
#include "numbertext.h"
#include "preferences.h"
#include "siderealalarms.h"
#include "uidriver.h"
#include "variant.h"
#include "zonescope.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <memory>
#include <utility>

namespace {

using namespace noctalis;

// The alarms in the clock window's tick, with the real engine.
class ClockAlarmsTest : public ::testing::Test, protected AppParts {
protected:
    ClockAlarmsTest()
    {
        clock.now = QDateTime(QDate(2024, 3, 20), QTime(5, 30, 0), Qt::UTC);
        form = std::make_unique<ClockWindow>(context());
        alarmsRuntime = std::make_unique<SiderealAlarms>(
            *form, context(), &launcher, [this] { return std::make_unique<FakeSoundPlayer>(sounds); }, &notifier);
        form->load();
        form->timer()->stop();  // ticks are driven by hand

        // An alarm whose window holds the LMST of the clock now (UT, west 0).
        const double lmstDays = ephemkit::localMeanSiderealTime(automation::toAutomationDate(clock.now), 0) / 24;
        AlarmDef &a = alarms[0];
        a.Name = QStringLiteral("Vega");
        a.Action = kActionMessageBox;
        a.Enabled = true;
        a.SiderealTime = lmstDays - 1.0 / 1440;
        a.Duration = 10.0 / 1440;
        a.Param1 = QStringLiteral("LMST [LMST HH:MM:SS]");
    }

    void tick()
    {
        clock.advance(1);
        fire(form->timer());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    FakeLauncher launcher;
    FakeNotifier notifier;
    std::shared_ptr<SoundLog> sounds = std::make_shared<SoundLog>();
    std::unique_ptr<ClockWindow> form;
    std::unique_ptr<SiderealAlarms> alarmsRuntime;
};

TEST_F(ClockAlarmsTest, TheTickChecksOnlyWithAlarmsOnAndNoDialog)
{
    prefs.AlarmsEnabled = false;
    tick();
    EXPECT_TRUE(alarmsRuntime->windows().windows().isEmpty());
    EXPECT_FALSE(alarms[0].Triggered);

    prefs.AlarmsEnabled = true;
    form->setDialogOpen(true);
    tick();
    EXPECT_TRUE(alarmsRuntime->windows().windows().isEmpty());

    form->setDialogOpen(false);
    tick();
    ASSERT_EQ(alarmsRuntime->windows().windows(QStringLiteral("Vega")).size(), 1);
    auto *notice = static_cast<AlarmNotice *>(alarmsRuntime->windows().windows().first());
    EXPECT_EQ(notice->windowTitle(), QStringLiteral("Sidereal Alarm: Vega"));
    EXPECT_EQ(notice->message(), form->ExpandTimeFields(QStringLiteral("LMST [LMST HH:MM:SS]")))
        << "expanded with the clock window's engine";
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^LMST \\d\\d:\\d\\d:\\d\\d$")).match(notice->message()).hasMatch())
        << notice->message().toStdString();
}

TEST_F(ClockAlarmsTest, TheNoticeClosesAtTheFirstTickAfterItsTime)
{
    prefs.AlarmsEnabled = true;
    tick();
    ASSERT_EQ(alarmsRuntime->windows().windows().size(), 1);
    for (int s = 0; s < 600; ++s)
        tick();
    EXPECT_EQ(alarmsRuntime->windows().windows().size(), 1);
    tick();
    EXPECT_TRUE(alarmsRuntime->windows().windows().isEmpty());
    EXPECT_FALSE(alarms[0].Triggered) << "re-armed; the LMST has left its window";
    tick();
    EXPECT_TRUE(alarmsRuntime->windows().windows().isEmpty());
}

TEST_F(ClockAlarmsTest, ANoticeIsAlsoADesktopNotificationUntilItsWindowCloses)
{
    prefs.AlarmsEnabled = true;
    tick();
    ASSERT_EQ(alarmsRuntime->windows().windows().size(), 1);
    auto *notice = static_cast<AlarmNotice *>(alarmsRuntime->windows().windows().first());
    ASSERT_EQ(notifier.shown.size(), 1);
    EXPECT_EQ(notifier.shown[0],
              QStringList({QStringLiteral("Vega"), QStringLiteral("Sidereal Alarm: Vega"), notice->message()}));
    EXPECT_TRUE(notice->message().startsWith(QStringLiteral("LMST "))) << "time fields expanded";
    EXPECT_TRUE(notifier.withdrawn.isEmpty());

    for (int s = 0; s < 601; ++s)
        tick();
    EXPECT_TRUE(alarmsRuntime->windows().windows().isEmpty());
    EXPECT_EQ(notifier.withdrawn, QStringList{QStringLiteral("Vega")});
    EXPECT_EQ(notifier.shown.size(), 1);
}

// Fired 15 s before the spring-forward switch of the computer's zone with
// five minutes to run: the switch to summer time neither ends it early nor
// fires it again.
TEST_F(ClockAlarmsTest, AnAlarmFiredJustBeforeTheSpringForwardSwitchFiresOnce)
{
    const ZoneScope berlin("CET-1CEST,M3.5.0,M10.5.0/3");
    clock.zone = QTimeZone("Europe/Berlin");
    const QDateTime switchUt(QDate(2026, 3, 29), QTime(1, 0, 0), Qt::UTC);
    ASSERT_EQ(clock.zone.offsetFromUtc(switchUt.addSecs(-1)) + 3600, clock.zone.offsetFromUtc(switchUt));
    clock.now = switchUt.addSecs(-16);
    alarms[0].SiderealTime =
        ephemkit::localMeanSiderealTime(automation::toAutomationDate(switchUt.addSecs(-15)), 0) / 24;
    alarms[0].Duration = 5.0 / 1440;
    prefs.AlarmsEnabled = true;
    for (int s = 0; s < 2 * 3600; ++s)
        tick();
    EXPECT_EQ(notifier.shown.size(), 1);
    EXPECT_EQ(notifier.withdrawn.size(), 1) << "closed once, five minutes after firing";
}

// Each way the user ends a notice, and the clock quitting, takes its
// notification away, once.
TEST_F(ClockAlarmsTest, TheNotificationGoesWhenTheNoticeIsDismissedOrTheClockQuits)
{
    const std::pair<QString, std::function<void(AlarmNotice &)>> ways[] = {
        {QStringLiteral("Stop"), [](AlarmNotice &n) { click(n, "CancelButton"); }},
        {QStringLiteral("CloseBox"), [](AlarmNotice &n) { n.windowHandle()->close(); }},
        {QStringLiteral("Escape"), [](AlarmNotice &n) { QTest::keyClick(&n, Qt::Key_Escape); }},
        {QStringLiteral("DesktopStop"),
         [this](AlarmNotice &) { notifier.choose(QStringLiteral("DesktopStop"), QStringLiteral("stop")); }},
        {QStringLiteral("Quit"), {}},
    };
    alarms.resize(int(std::size(ways)));
    for (int i = 0; i < alarms.size(); ++i) {
        alarms[i] = alarms[0];
        alarms[i].Name = ways[i].first;
    }
    prefs.AlarmsEnabled = true;
    // The actions of one tick may run over a few turns.
    for (int i = 0; i < 10 && notifier.shown.size() < alarms.size(); ++i)
        tick();
    ASSERT_EQ(notifier.shown.size(), alarms.size());
    EXPECT_EQ(notifier.actions[0], QStringList({QStringLiteral("stop"), QStringLiteral("snooze")}));

    QStringList expected;
    for (const auto &[tag, dismiss] : ways) {
        if (!dismiss)
            continue;
        SCOPED_TRACE(tag.toStdString());
        const QList<QWidget *> open = alarmsRuntime->windows().windows(tag);
        ASSERT_EQ(open.size(), 1);
        dismiss(*static_cast<AlarmNotice *>(open.first()));
        tick();
        expected << tag;
        EXPECT_EQ(notifier.withdrawn, expected);
        EXPECT_TRUE(alarmsRuntime->windows().windows(tag).isEmpty());
    }
    alarmsRuntime.reset();
    EXPECT_EQ(notifier.withdrawn, expected << QStringLiteral("Quit"));
}

// Snoozed from the window or from the notification, a notice comes back
// after its minutes and not before, sound and notification included, while
// nothing else of its alarms runs again.
TEST_F(ClockAlarmsTest, ASnoozedNoticeComesBackAfterItsMinutesAlone)
{
    alarms.resize(2);
    alarms[0].Action = kActionMessageBoxSound;
    alarms[0].Param2 = QStringLiteral("/sounds/bell.wav");
    alarms[0].Duration = 60.0 / 1440;
    alarms[1] = alarms[0];
    alarms[1].Action = kActionLaunchProgram;  // the same alarm's other action
    alarms[1].Param1 = QStringLiteral("camera --start");
    prefs.AlarmsEnabled = true;
    for (int i = 0; i < 10 && launcher.started.isEmpty(); ++i)
        tick();
    ASSERT_EQ(alarmsRuntime->windows().windows().size(), 1);
    ASSERT_EQ(launcher.started.size(), 1);
    auto *notice = static_cast<AlarmNotice *>(alarmsRuntime->windows().windows().first());
    const QString message = notice->message();

    const std::pair<const char *, int> snoozes[] = {{"window", 3}, {"notification", 5}};
    for (const auto &[from, minutes] : snoozes) {
        SCOPED_TRACE(from);
        if (QLatin1String(from) == QLatin1String("window")) {
            child<QSpinBox>(*notice, "SnoozeMinutes")->setValue(minutes);
            click(*notice, "SnoozeButton");
        } else {
            notifier.choose(QStringLiteral("Vega"), QStringLiteral("snooze"));  // the spin box's 5 minutes
        }
        const qsizetype shownBefore = notifier.shown.size();
        EXPECT_EQ(notifier.withdrawn.size(), shownBefore);
        for (int s = 1; s < minutes * 60; ++s) {
            tick();
            fire(alarmsRuntime->snoozes().timer());
            ASSERT_TRUE(alarmsRuntime->windows().windows().isEmpty()) << s << " s after snoozing";
        }
        tick();
        fire(alarmsRuntime->snoozes().timer());
        ASSERT_EQ(alarmsRuntime->windows().windows(QStringLiteral("Vega")).size(), 1);
        notice = static_cast<AlarmNotice *>(alarmsRuntime->windows().windows().first());
        EXPECT_EQ(notice->windowTitle(), QStringLiteral("Sidereal Alarm: Vega"));
        EXPECT_EQ(notice->message(), message);
        EXPECT_EQ(notifier.shown.size(), shownBefore + 1);
        EXPECT_EQ(notifier.shown.last(), notifier.shown.first());
        sounds->calls.clear();
        fire(notice->timer());
        EXPECT_EQ(sounds->calls, QStringList{QStringLiteral("play /sounds/bell.wav")});
        EXPECT_TRUE(alarms[0].Triggered) << "still the one firing";
    }
    EXPECT_EQ(launcher.started.size(), 1);
    EXPECT_EQ(alarmsRuntime->snoozes().size(), 0);
}

// The reports of missed alarms share one notification, without actions; it
// goes with the last report window, and they cannot be snoozed.
TEST(NotifyingActions, TheMissedAlarmsNotificationGoesWithTheLastReport)
{
    Preferences prefs;
    ManualClock clock;
    FakeLauncher launcher;
    FakeNotifier notifier;
    AlarmWindows windows(prefs, clock, QStringLiteral("Ephemlib.Ephemkit"), launcher, {});
    NotifyingActions actions(windows, &notifier, clock);
    NoticeOrder report;
    report.caption = QStringLiteral("Missed alarms");
    actions.reportMissed(report);
    actions.reportMissed(report);
    ASSERT_EQ(windows.missedReports().size(), 2);
    EXPECT_EQ(notifier.actions, QList<QStringList>({{}, {}}));
    auto *first = static_cast<AlarmNotice *>(windows.missedReports().first());
    EXPECT_FALSE(first->snoozeOffered());
    click(*first, "CancelButton");
    EXPECT_TRUE(notifier.withdrawn.isEmpty()) << "another report still shows it";
    static_cast<AlarmNotice *>(windows.missedReports().last())->windowHandle()->close();
    EXPECT_EQ(notifier.withdrawn, QStringList{NotifyingActions::missedTag()});
}

TEST_F(ClockAlarmsTest, ALaunchAlarmStartsItsProgramOnce)
{
    alarms[0].Action = kActionLaunchProgram;
    alarms[0].Param1 = QStringLiteral("xterm -e \"tail -f log\"");
    alarms[0].Param2 = QStringLiteral("Yes");
    prefs.AlarmsEnabled = true;
    tick();
    tick();
    EXPECT_EQ(launcher.started, QStringList({QStringLiteral("xterm -e \"tail -f log\" [min]")}));
    EXPECT_TRUE(notifier.shown.isEmpty()) << "only notices notify";
}

TEST_F(ClockAlarmsTest, TheCheckTakesTheLmstOfUt1LikeTheFace)
{
    // An alarm that starts 0.1 s of sidereal time after the LMST of the
    // whole UT1 second: the face passes it within that second, by DUT1's
    // part of a second, and the check must go off in the same tick.
    alarms[0].Enabled = false;
    prefs.AlarmsEnabled = true;
    const double dut1s[] = {0.5, -0.5, -0.2, -0.7};
    alarms.resize(5);
    for (int i = 0; i < 4; ++i) {
        const double dut1 = dut1s[i];
        prefs.DUT1 = dut1;
        const QDateTime due(QDate(2024, 3, 20), QTime(8 + 2 * i, 0, 0), Qt::UTC);
        const double wholeUt1 = automation::toAutomationDate(due) - (dut1 < 0 ? 1.0 / 86400 : 0);
        AlarmDef &a = alarms[i + 1];
        a.Name = QStringLiteral("DUT1 %1").arg(dut1);
        a.Action = kActionMessageBox;
        a.Enabled = true;
        a.SiderealTime = (ephemkit::localMeanSiderealTime(wholeUt1, 0) + 0.1 / 3600) / 24;
        a.Duration = 10.0 / 1440;

        clock.now = due.addSecs(-2);
        tick();
        EXPECT_TRUE(alarmsRuntime->windows().windows(a.Name).isEmpty()) << "a second early, DUT1 " << dut1;
        tick();
        EXPECT_EQ(alarmsRuntime->windows().windows(a.Name).size(), 1) << "DUT1 " << dut1;
    }
}

// A clock that moves on a second at every reading.
class SteppingClock : public Clock {
public:
    QDateTime utcNowMs() const override { return std::exchange(now, now.addSecs(1)); }
    QTimeZone systemZone() const override { return QTimeZone::utc(); }
    mutable QDateTime now = QDateTime(QDate(2024, 3, 20), QTime(11, 59, 59, 500), Qt::UTC);
};

TEST(OneReadingPerTick, UtRowEngineAlarmAndNoticeShareTheTicksReading)
{
    AppParts parts;
    SteppingClock stepping;
    const AppContext context{parts.prefs, parts.alarms, parts.settings, parts.messages, stepping, parts.observer};
    FakeLauncher launcher;
    ClockWindow form(context);
    SiderealAlarms alarmsRuntime(form, context, &launcher,
                                 [] { return std::make_unique<FakeSoundPlayer>(std::make_shared<SoundLog>()); });
    form.load();
    AlarmDef &a = parts.alarms[0];
    a.Name = QStringLiteral("Always");
    a.Enabled = true;
    a.Duration = 1.5;  // due at any LMST
    a.Param1 = QStringLiteral("UT [UT HH:MM:SS] LMST [LMST HH:MM:SS]");
    parts.prefs.AlarmsEnabled = true;

    fire(form.timer());
    const double engineUt = automation::toDate(form.engine().get(QStringLiteral("UTDate")));
    EXPECT_EQ(form.utClockLabel()->text(), formatTime(engineUt, u"HH:nn:ss"));
    EXPECT_EQ(automation::toAutomationDate(*parts.prefs.CurrentUT), engineUt);
    ASSERT_EQ(alarmsRuntime.windows().windows().size(), 1);
    EXPECT_EQ(static_cast<AlarmNotice *>(alarmsRuntime.windows().windows().first())->message(),
              QStringLiteral("UT ") + form.utClockLabel()->text() + QStringLiteral(" LMST ")
                  + form.findChild<QLabel *>(QStringLiteral("LBLClk"))->text());
    EXPECT_NEAR(automation::toAutomationDate(*a.TriggeredUntil) - 1.5, engineUt, 1e-9) << "the check's now";
}

}  // namespace
