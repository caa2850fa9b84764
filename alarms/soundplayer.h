// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Sound of the alarm notices: a beep, or a wave file played without
// overlapping itself and without holding up the user-interface thread.
#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <optional>

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

// The sound device under a player: plays one file at a time without
// waiting for it, and rings the bell.
class SoundBackend {
public:
    // Called once per play, from the event loop of the thread that asked:
    // an empty text when the sound played to its end, otherwise why it did
    // not play (the file is missing, not a wave file, no sound device ...).
    using Finished = std::function<void(const QString &error)>;

    virtual ~SoundBackend() = default;
    virtual void play(const QString &path, Finished finished) = 0;
    virtual void beep() = 0;
};

// The sound backend of the desktop (libcanberra).
std::unique_ptr<SoundBackend> desktopSoundBackend();

// WaveSoundPlayer: the player of the notice windows. It makes its backend
// only when it first sounds, so that a silent notice (and the start of the
// program) opens no sound device. A file that cannot be played plays
// nothing; no message, one line in the category noctalis.alarms when the
// failure begins (not again while the same file fails the same way).
class WaveSoundPlayer : public SoundPlayer {
public:
    using BackendFactory = std::function<std::unique_ptr<SoundBackend>()>;

    WaveSoundPlayer();
    explicit WaveSoundPlayer(BackendFactory factory);
    ~WaveSoundPlayer() override;

    void beep() override;
    void playWave(const QString &path) override;

private:
    SoundBackend &backend();
    void start(const QString &path);
    void finished(const QString &path, const QString &error);

    BackendFactory m_factory;
    std::unique_ptr<SoundBackend> m_backend;
    bool m_playing = false;
    QString m_pending;
    std::optional<QString> m_lastFailure;  // path and error; nothing after a sound played
};

}  // namespace noctalis
