// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The notice window of an alarm: place, look and its sound every ten seconds.

#include "alarmfakes.h"
#include "alarmnotice.h"
#include "uidriver.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <memory>

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
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(form->x() + form->width(), screen.x() + screen.width());
    EXPECT_EQ(form->y(), screen.y());
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
    EXPECT_EQ(form->findChild<QPushButton *>(QStringLiteral("CancelButton"))->text(), QStringLiteral("Cancel"));
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
    EXPECT_EQ(log->calls, QStringList({QStringLiteral("play C:\\Sounds\\Bell.wav"),
                                       QStringLiteral("play C:\\Sounds\\Bell.wav")}));

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

} // namespace
