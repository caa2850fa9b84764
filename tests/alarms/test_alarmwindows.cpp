// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The window list of fired alarms.

#include "alarmwindows.h"
#include "alarmfakes.h"
#include "clock.h"
#include "alarmnotice.h"
#include "preferences.h"
#include "programlauncher.h"
#include "uidriver.h"
#include "variant.h"
#include "windowplacement.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace noctalis;

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
    auto *form = qobject_cast<AlarmNotice *>(windows.windows(QStringLiteral("Vega")).first());
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isModal());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Sidereal Alarm: Vega"));
    EXPECT_EQ(form->message(), QStringLiteral("Vega at 07:15:00"));
    fire(form->timer());
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
        QObject::connect(w, &QObject::destroyed, &receiver,
                         [&closed, tag = AlarmWindows::tagOf(w), msg = static_cast<AlarmNotice *>(w)->message()] {
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
    auto *vega = static_cast<AlarmNotice *>(windows.windows(QStringLiteral("Vega")).first());
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

TEST_F(AlarmWindowsTest, ASenderOpensBesideTheClockNotUnderIt)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget clockWindow;
    clockWindow.setGeometry(area.right() - 300, area.top(), 300, 80);
    clockWindow.show();
    open("Vega");  // a notice in the corner too
    SenderOrder order;
    order.tag = QStringLiteral("Deneb");
    order.repeatMinutes = QStringLiteral("5");
    windows.openSender(order);
    ASSERT_EQ(windows.windows(QStringLiteral("Deneb")).size(), 1);
    QWidget *sender = windows.windows(QStringLiteral("Deneb")).first();
    EXPECT_TRUE(sender->isVisible());
    EXPECT_TRUE(sender->testAttribute(Qt::WA_ShowWithoutActivating));
    const QRect frame = sender->frameGeometry();
    EXPECT_TRUE(area.contains(frame));
    EXPECT_FALSE(frame.intersects(clockWindow.frameGeometry()));
    EXPECT_FALSE(frame.intersects(windows.windows(QStringLiteral("Vega")).first()->frameGeometry()));
    EXPECT_GT(frame.right(), area.center().x()) << "in the right half";
    windows.closeWindows(QStringLiteral("Deneb"));
}

TEST(WindowPlacement, DownTheRightEdgeThenLeftPastEveryWindow)
{
    const QRect area(0, 0, 1000, 700);
    const QSize frame(300, 200);
    const int right = area.right() + 1 - frame.width();  // the right edge's column
    const QRect corner(QPoint(right, 0), frame);
    const QList<QRect> rightColumn{corner, corner.translated(0, 200), corner.translated(0, 400)};
    // Where the windows of a burst end once the area is full: all on the
    // same spot, many times over.
    const QList<QRect> pile(200, corner);
    struct Case {
        const char *what;
        QList<QRect> occupied;
        QPoint expected;
    };
    const Case cases[] = {
        {"empty area", {}, QPoint(right, 0)},
        {"below the clock", {QRect(right - 50, 0, 350, 80)}, QPoint(right, 80)},
        {"a window reaching into the column by one pixel", {QRect(0, 0, right + 1, 300)}, QPoint(right, 300)},
        {"a window ending one pixel left of the column", {QRect(0, 0, right, 700)}, QPoint(right, 0)},
        {"column full: the next one left", rightColumn, QPoint(right - frame.width(), 0)},
        {"column full and a pile on the corner", rightColumn + pile, QPoint(right - frame.width(), 0)},
        {"area full: the corner", {area}, QPoint(right, 0)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QPoint spot = freeTopRightSpot(frame, area, c.occupied);
        EXPECT_EQ(spot, c.expected);
    }
}

}  // namespace
