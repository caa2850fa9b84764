// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// AlarmNotice: the notice window of an alarm. Shows the alarm's message at
// the right edge of the screen, just below the corner where the desktop's
// notifications pop up, above all other windows and, every ten seconds until
// it closes, beeps or plays a wave file when told to. Stop ends it; Snooze
// ends it and asks for it again after the minutes chosen beside the button.
#pragma once

#include "soundplayer.h"

#include <QWidget>

#include <memory>

class QKeyEvent;
class QLabel;
class QTimer;

namespace Ui {
class AlarmNotice;
}

namespace noctalis {

class AlarmNotice : public QWidget {
    Q_OBJECT

public:
    // Loads the window: on top of all others, at the right edge below the
    // notifications' corner, its ten-second timer running; shown, it leaves the keyboard focus where it
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

    // Whether the Snooze button and its minutes are shown (on by default).
    void setSnoozeOffered(bool offered);
    bool snoozeOffered() const;
    int snoozeMinutes() const;

public slots:
    // As the Stop button: closes the window (Escape does the same).
    void stop();
    // As the Snooze button: tells snoozed() the minutes chosen, then closes
    // the window. Nothing when Snooze is not offered.
    void snooze();

signals:
    // The window closes, whoever closes it: Stop, the close box, Escape,
    // Snooze, or the program.
    void closed();
    void snoozed(int minutes);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    // Every ten seconds: beep when BeepOn; play SoundFile when it holds
    // ".WAV" in any case. Playback never waits.
    void tick();

private:
    std::unique_ptr<Ui::AlarmNotice> ui;
    std::unique_ptr<SoundPlayer> m_player;
    QTimer *m_timer = nullptr;
    QString m_message;
    bool m_closed = false;
};

}  // namespace noctalis
