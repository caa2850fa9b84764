// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "alarmnotice.h"

#include "alarmdue.h"
#include "displaytext.h"
#include "windowfit.h"
#include "ui_alarmnotice.h"
#include "windowplacement.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

namespace noctalis {

namespace {

constexpr int kSoundIntervalMs = 10000;
// The most of a message the window shows; a longer one is cut with "…".
constexpr qsizetype kShownChars = 600;
constexpr int kShownLines = 12;

}  // namespace

AlarmNotice::AlarmNotice(std::unique_ptr<SoundPlayer> player, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::AlarmNotice>()), m_player(std::move(player))
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint
                   | Qt::WindowStaysOnTopHint);
    // Typing at the telescope goes on in the window it went to.
    setAttribute(Qt::WA_ShowWithoutActivating);
    connect(ui->CancelButton, &QPushButton::clicked, this, &AlarmNotice::stop);
    connect(ui->SnoozeButton, &QPushButton::clicked, this, &AlarmNotice::snooze);
    m_message = ui->LBLMsg->text();

    adjustSize();
    setFixedSize(size());
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    // Clear of the notifications' corner where the screen has room for
    // that, and wholly on the screen always.
    const QSize frame = size().grownBy(frameMargins(*this, nullptr));
    move(clampFrame(QRect(freeTopRightSpot(frame, area, {notificationCorner(area)}), frame), area).topLeft());
    keepOnScreenOnceFramed(*this);

    m_timer = new QTimer(this);
    m_timer->setInterval(kSoundIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &AlarmNotice::tick);
    m_timer->start();
}

AlarmNotice::~AlarmNotice() = default;

QLabel *AlarmNotice::messageLabel() const { return ui->LBLMsg; }

void AlarmNotice::setMessage(const QString &text)
{
    m_message = text;
    ui->LBLMsg->setText(boundedText(text, kShownChars, kShownLines));
}

QString AlarmNotice::message() const { return m_message; }

void AlarmNotice::tick()
{
    if (!m_player)
        return;
    if (BeepOn)
        m_player->beep();
    if (IsWaveFile(SoundFile))
        m_player->playWave(SoundFile);
}

void AlarmNotice::setSnoozeOffered(bool offered)
{
    ui->SnoozeButton->setVisible(offered);
    ui->SnoozeMinutes->setVisible(offered);
}

bool AlarmNotice::snoozeOffered() const { return !ui->SnoozeButton->isHidden(); }

int AlarmNotice::snoozeMinutes() const { return ui->SnoozeMinutes->value(); }

void AlarmNotice::stop() { close(); }

void AlarmNotice::snooze()
{
    if (!snoozeOffered())
        return;
    emit snoozed(snoozeMinutes());
    close();
}

void AlarmNotice::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted() && !m_closed) {
        m_closed = true;  // hidden and closed again (the program's close after the user's) is one close
        emit closed();
    }
}

void AlarmNotice::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        stop();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace noctalis
