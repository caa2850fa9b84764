// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// AlarmNotice: the notice window of an alarm. Shows the alarm's message in the
// top-right corner of the screen above all other windows and, every ten
// seconds until it closes, beeps or plays a wave file when told to.
#pragma once

#include "soundplayer.h"

#include <QWidget>

#include <memory>

class QLabel;
class QTimer;

namespace Ui {
class AlarmNotice;
}

namespace noctalis {

class AlarmNotice : public QWidget {
    Q_OBJECT

public:
    // Loads the window: on top of all others, in the top-right corner, its
    // ten-second timer running; shown, it leaves the keyboard focus where it
    // was. player makes its sounds.
    explicit AlarmNotice(std::unique_ptr<SoundPlayer> player, QWidget *parent = nullptr);
    ~AlarmNotice() override;

    // The expanded alarm message; the window shows as much of it as a few
    // lines hold.
    void setMessage(const QString &text);
    QString message() const;

    bool BeepOn = false;  // beep at every timer event
    QString SoundFile;    // wave file played at every timer event, when it names one

    QTimer *timer() const { return m_timer; }
    QLabel *messageLabel() const;

private slots:
    // Every ten seconds: beep when BeepOn; play SoundFile when it holds
    // ".WAV" in any case. Playback never waits.
    void tick();
    void dismiss();

private:
    std::unique_ptr<Ui::AlarmNotice> ui;
    std::unique_ptr<SoundPlayer> m_player;
    QTimer *m_timer = nullptr;
    QString m_message;
};

} // namespace noctalis
