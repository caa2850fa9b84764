// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The notice window of an alarm: place, look and its sound every ten seconds.

#include "alarmfakes.h"
#include "alarmnotice.h"
#include "uidriver.h"
#include "windowplacement.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QWindow>
#include <QTimer>

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

namespace {

using namespace noctalis;

std::unique_ptr<AlarmNotice> notice(const std::shared_ptr<SoundLog> &log)
{
    return std::make_unique<AlarmNotice>(std::make_unique<FakeSoundPlayer>(log));
}

TEST(AlarmNotice, LoadsOnTopInTheTopRightCornerWithATenSecondTimer)
{
    auto log = std::make_shared<SoundLog>();
    auto form = notice(log);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(form->x() + form->width(), screen.x() + screen.width());
    EXPECT_EQ(form->y(), notificationCorner(screen).bottom() + 1) << "just below the notifications' pop-ups";
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(form->testAttribute(Qt::WA_ShowWithoutActivating)) << "typing goes on where it went";
    EXPECT_TRUE(form->timer()->isActive()) << "running from load, before it is shown";
    EXPECT_EQ(form->timer()->interval(), 10000);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Sidereal Alarm"));
    EXPECT_EQ(form->message(), QStringLiteral("Message:"));

    const QFont font = form->messageLabel()->font();
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.pointSize(), 12);
    EXPECT_TRUE(form->messageLabel()->wordWrap());
    EXPECT_EQ(form->findChild<QPushButton *>(QStringLiteral("CancelButton"))->text(), QStringLiteral("S&top"));
}

TEST(AlarmNotice, ALongMessageWrapsOverSeveralLines)
{
    auto form = notice(std::make_shared<SoundLog>());
    form->setMessage(QStringLiteral("Jupiter transits the meridian now; open the dome, "
                                    "uncap the telescope and start the camera run."));
    const QFontMetrics metrics(form->messageLabel()->font());
    EXPECT_GE(form->messageLabel()->height(), 3 * metrics.lineSpacing()) << "room for a few lines";
    EXPECT_LE(form->x() + form->width(), QGuiApplication::primaryScreen()->geometry().right() + 1);
}

TEST(AlarmNotice, AHugeMessageIsShownCutAndKeptWhole)
{
    auto form = notice(std::make_shared<SoundLog>());
    const QString message = QStringLiteral("Saturn transit, dome open\n").repeated(400000);  // about 10 MB
    form->setMessage(message);
    EXPECT_EQ(form->message(), message);
    const QString shown = form->messageLabel()->text();
    EXPECT_TRUE(message.startsWith(shown.chopped(1)));
    EXPECT_TRUE(shown.endsWith(QChar(0x2026)));
    EXPECT_LE(shown.count(QLatin1Char('\n')), 11) << "a few lines";
    EXPECT_LE(form->messageLabel()->sizeHint().height(), QGuiApplication::primaryScreen()->geometry().height());
}

TEST(AlarmNotice, SoundAtEveryTimerEvent)
{
    auto log = std::make_shared<SoundLog>();
    auto wave = notice(log);
    wave->SoundFile = QStringLiteral("C:\\Sounds\\Bell.wav");
    fire(wave->timer());
    fire(wave->timer());
    EXPECT_EQ(log->calls,
              QStringList({QStringLiteral("play C:\\Sounds\\Bell.wav"), QStringLiteral("play C:\\Sounds\\Bell.wav")}));

    log->calls.clear();
    auto beeper = notice(log);
    beeper->BeepOn = true;
    fire(beeper->timer());
    fire(beeper->timer());
    EXPECT_EQ(log->calls, QStringList({QStringLiteral("beep"), QStringLiteral("beep")}));

    log->calls.clear();
    auto other = notice(log);
    other->SoundFile = QStringLiteral("bell.mp3");
    fire(other->timer());
    auto silent = notice(log);
    fire(silent->timer());
    EXPECT_TRUE(log->calls.isEmpty()) << "only wave files are played; a silent notice makes no sound";
}

// Stop, Escape and the close box each end the notice, once; none snoozes it.
TEST(AlarmNotice, StopEscapeAndTheCloseBoxCloseItOnce)
{
    const std::pair<const char *, std::function<void(AlarmNotice &)>> ways[] = {
        {"Stop", [](AlarmNotice &n) { click(n, "CancelButton"); }},
        {"Escape", [](AlarmNotice &n) { QTest::keyClick(&n, Qt::Key_Escape); }},
        {"close box", [](AlarmNotice &n) { n.windowHandle()->close(); }},
    };
    for (const auto &[name, dismiss] : ways) {
        SCOPED_TRACE(name);
        auto form = notice(std::make_shared<SoundLog>());
        form->show();
        QSignalSpy closed(form.get(), &AlarmNotice::closed);
        QSignalSpy snoozed(form.get(), &AlarmNotice::snoozed);
        dismiss(*form);
        EXPECT_FALSE(form->isVisible());
        form->close();  // the tick closing the alarm's windows afterwards
        EXPECT_EQ(closed.count(), 1);
        EXPECT_EQ(snoozed.count(), 0);
    }
    auto form = notice(std::make_shared<SoundLog>());
    form->show();
    QSignalSpy closed(form.get(), &AlarmNotice::closed);
    QTest::keyClick(form.get(), Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_TRUE(form->isVisible()) << "only a plain Escape";
    EXPECT_EQ(closed.count(), 0);
}

TEST(AlarmNotice, SnoozeTellsTheMinutesChosenAndCloses)
{
    auto form = notice(std::make_shared<SoundLog>());
    auto *minutes = child<QSpinBox>(*form, "SnoozeMinutes");
    ASSERT_NE(minutes, nullptr);
    EXPECT_EQ(minutes->value(), 5);
    EXPECT_FALSE(minutes->accessibleName().isEmpty());
    EXPECT_FALSE(child<QPushButton>(*form, "SnoozeButton")->accessibleName().isEmpty());
    minutes->setValue(0);
    EXPECT_EQ(minutes->value(), 1);
    minutes->setValue(500);
    EXPECT_EQ(minutes->value(), 120);
    minutes->setValue(17);

    form->show();
    QSignalSpy closed(form.get(), &AlarmNotice::closed);
    QSignalSpy snoozed(form.get(), &AlarmNotice::snoozed);
    click(*form, "SnoozeButton");
    ASSERT_EQ(snoozed.count(), 1);
    EXPECT_EQ(snoozed[0][0].toInt(), 17);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(form->isVisible());

    auto report = notice(std::make_shared<SoundLog>());
    report->setSnoozeOffered(false);
    report->show();
    EXPECT_FALSE(child<QPushButton>(*report, "SnoozeButton")->isVisible());
    QSignalSpy silent(report.get(), &AlarmNotice::snoozed);
    report->snooze();
    EXPECT_EQ(silent.count(), 0);
    EXPECT_TRUE(report->isVisible());
}

// The spot of a new alarm window is clear of the notifications' corner on
// screens large and small, wherever they sit on the desktop.
TEST(AlarmNotice, PlacementKeepsClearOfTheNotificationsCorner)
{
    const QSize frame(380, 190);
    const QRect areas[] = {QRect(0, 0, 1920, 1080), QRect(1920, 28, 1280, 772), QRect(-1024, -768, 1024, 768),
                           QRect(0, 0, 500, 420)};
    for (const QRect &area : areas) {
        SCOPED_TRACE(testing::PrintToString(area));
        const QRect corner = notificationCorner(area);
        EXPECT_TRUE(area.contains(corner));
        EXPECT_EQ(corner.topRight(), area.topRight());
        EXPECT_GE(corner.width() * corner.height(), std::min(area.width(), 400) * std::min(area.height(), 200));
        const QRect spot(freeTopRightSpot(frame, area, {corner}), frame);
        EXPECT_TRUE(area.contains(spot));
        EXPECT_FALSE(spot.intersects(corner));
        EXPECT_EQ(spot.right(), area.right()) << "still at the right edge";
    }
}

}  // namespace
