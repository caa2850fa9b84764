// The window list of fired alarms, and the alarms hooked into the clock
// window's tick.

#include "appparts.h"
#include "alarmtable.h"
#include "alarmwindows.h"
#include "clock.h"
#include "fakesound.h"
#include "formalarm.h"
#include "formclk.h"
#include "messageservice.h"
#include "modastrosubs.h"
#include "preferences.h"
#include "programlauncher.h"
#include "settingsstore.h"
#include "siderealalarms.h"
#include "variant.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "qstringprinter.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace noctalis;

class FakeLauncher : public ProgramLauncher {
public:
    bool start(const QString &commandLine, bool minimized) override
    {
        started << commandLine + (minimized ? QStringLiteral(" [min]") : QString());
        return true;
    }
    QStringList started;
};

class AlarmWindowsTest : public ::testing::Test {
protected:
    AlarmWindowsTest()
        : windows(prefs, clock, QStringLiteral("Ephemlib.Ephemkit"), launcher,
                  [this] { return std::make_unique<FakeSoundPlayer>(sounds); })
    {
    }

    void open(const char *tag, const char *message = "")
    {
        NoticeOrder order;
        order.tag = QLatin1String(tag);
        order.caption = QStringLiteral("Sidereal Alarm: ") + order.tag;
        order.message = QLatin1String(message);
        windows.openNotice(order);
    }

    // Deletes the windows closed so far.
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    Preferences prefs;
    ManualClock clock;
    FakeLauncher launcher;
    std::shared_ptr<SoundLog> sounds = std::make_shared<SoundLog>();
    AlarmWindows windows;
};

TEST_F(AlarmWindowsTest, NoticeIsFilledAndShownModeless)
{
    NoticeOrder order;
    order.tag = QStringLiteral("Vega");
    order.caption = QStringLiteral("Sidereal Alarm: Vega");
    order.message = QStringLiteral("Vega at 07:15:00");
    order.soundFile = QStringLiteral("/tmp/bell.WAV");
    windows.openNotice(order);

    ASSERT_EQ(windows.windows(QStringLiteral("Vega")).size(), 1);
    auto *form = qobject_cast<FormAlarm *>(windows.windows(QStringLiteral("Vega")).first());
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isModal());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Sidereal Alarm: Vega"));
    EXPECT_EQ(form->message(), QStringLiteral("Vega at 07:15:00"));
    form->Timer1_Timer();
    EXPECT_EQ(sounds->calls, QStringList({QStringLiteral("play /tmp/bell.WAV")}));
}

TEST_F(AlarmWindowsTest, ClosingByTagNewestFirstAndExactly)
{
    open("Vega", "first");
    open("Deneb");
    open("Vega", "second");
    open("vega");
    windows.windows(QStringLiteral("Vega")).first()->hide();

    QStringList closed;
    const QObject receiver;  // ends the connections with this test
    for (QWidget *w : windows.windows())
        QObject::connect(w, &QObject::destroyed, &receiver, [&closed, tag = AlarmWindows::tagOf(w),
                                                  msg = static_cast<FormAlarm *>(w)->message()] {
            closed << tag + QLatin1Char('/') + msg;
        });

    windows.closeWindows(QStringLiteral("Vega"));
    flushDeletes();
    EXPECT_EQ(closed, QStringList({QStringLiteral("Vega/second"), QStringLiteral("Vega/first")}))
        << "hidden windows count as open";
    EXPECT_TRUE(windows.windows(QStringLiteral("Vega")).isEmpty());
    EXPECT_EQ(windows.windows(QStringLiteral("Deneb")).size(), 1);
    EXPECT_EQ(windows.windows(QStringLiteral("vega")).size(), 1) << "tags compare with case";
}

TEST_F(AlarmWindowsTest, CancelOnOneNoticeLeavesTheOtherOpen)
{
    open("Vega");
    open("Deneb");
    auto *vega = static_cast<FormAlarm *>(windows.windows(QStringLiteral("Vega")).first());
    QSignalSpy gone(vega, &QObject::destroyed);
    QTest::mouseClick(vega->findChild<QPushButton *>(QStringLiteral("CancelButton")), Qt::LeftButton);
    flushDeletes();
    EXPECT_EQ(gone.count(), 1) << "closing frees the window";
    EXPECT_TRUE(windows.windows(QStringLiteral("Vega")).isEmpty());
    ASSERT_EQ(windows.windows(QStringLiteral("Deneb")).size(), 1);
    EXPECT_TRUE(windows.windows(QStringLiteral("Deneb")).first()->isVisible());

    windows.closeWindows(QStringLiteral("Vega"));  // the tick's expiry after an early Cancel
    EXPECT_EQ(windows.windows().size(), 1);
}

TEST_F(AlarmWindowsTest, LaunchGoesToTheLauncher)
{
    EXPECT_TRUE(windows.launchProgram(QStringLiteral("xclock -digital"), true));
    EXPECT_EQ(launcher.started, QStringList({QStringLiteral("xclock -digital [min]")}));
    EXPECT_TRUE(windows.windows().isEmpty()) << "a program gets no window of ours";
}

// The alarms in the clock window's tick, with the real engine.
class ClockAlarmsTest : public ::testing::Test, protected AppParts {
protected:
    ClockAlarmsTest()
    {
        clock.now = QDateTime(QDate(2024, 3, 20), QTime(5, 30, 0), Qt::UTC);
        form = std::make_unique<Formclk>(context());
        alarmsRuntime = std::make_unique<SiderealAlarms>(
            *form, context(), &launcher, [this] { return std::make_unique<FakeSoundPlayer>(sounds); });
        form->Form_Load();
        form->timer()->stop();  // ticks are driven by hand

        // An alarm whose window holds the LMST of the clock now (UT, west 0).
        const double lmstDays =
            ephemkit::localMeanSiderealTime(automation::toAutomationDate(clock.now), 0) / 24;
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
        form->Timer1_Timer();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    FakeLauncher launcher;
    std::shared_ptr<SoundLog> sounds = std::make_shared<SoundLog>();
    std::unique_ptr<Formclk> form;
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
    auto *notice = static_cast<FormAlarm *>(alarmsRuntime->windows().windows().first());
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

TEST_F(ClockAlarmsTest, ALaunchAlarmStartsItsProgramOnce)
{
    alarms[0].Action = kActionLaunchProgram;
    alarms[0].Param1 = QStringLiteral("xterm -e \"tail -f log\"");
    alarms[0].Param2 = QStringLiteral("Yes");
    prefs.AlarmsEnabled = true;
    tick();
    tick();
    EXPECT_EQ(launcher.started, QStringList({QStringLiteral("xterm -e \"tail -f log\" [min]")}));
}

} // namespace
