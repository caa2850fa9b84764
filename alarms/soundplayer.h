// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Sound of the alarm notices: a beep, or a wave file played without
// overlapping itself and without holding up the user-interface thread.
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QSoundEffect;

namespace noctalis {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void beep() = 0;
    // Starts playing a wave file and returns at once. While this player is
    // still playing, the file is played right after the current sound ends
    // (one such request is kept, the latest).
    virtual void playWave(const QString &path) = 0;
};

// The system beep and Qt Multimedia. A file that cannot be loaded plays
// nothing; no message, one line in the category noctalis.alarms.
class WaveSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT

public:
    explicit WaveSoundPlayer(QObject *parent = nullptr);
    ~WaveSoundPlayer() override;

    void beep() override;
    void playWave(const QString &path) override;

private:
    void start(const QString &path);
    void onPlayingChanged();
    void onStatusChanged();

    QSoundEffect *m_effect = nullptr;
    QString m_pending;
};

}  // namespace noctalis
