// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "soundplayer.h"

#include "backgroundstep.h"

#include <QDir>

#include <utility>

namespace noctalis {

WaveSoundPlayer::WaveSoundPlayer() : WaveSoundPlayer(&desktopSoundBackend) {}

WaveSoundPlayer::WaveSoundPlayer(BackendFactory factory) : m_factory(std::move(factory)) {}

// The backend goes first: its pending reports call back into this player.
WaveSoundPlayer::~WaveSoundPlayer() { m_backend.reset(); }

SoundBackend &WaveSoundPlayer::backend()
{
    if (!m_backend)
        m_backend = m_factory();
    return *m_backend;
}

void WaveSoundPlayer::beep() { backend().beep(); }

void WaveSoundPlayer::playWave(const QString &path)
{
    if (m_playing) {
        m_pending = path;
        return;
    }
    start(path);
}

void WaveSoundPlayer::start(const QString &path)
{
    m_playing = true;
    backend().play(path, [this, path](const QString &error) { finished(path, error); });
}

void WaveSoundPlayer::finished(const QString &path, const QString &error)
{
    m_playing = false;
    if (error.isEmpty()) {
        m_lastFailure.reset();
    } else {
        const QString failure = QDir::toNativeSeparators(path) + QStringLiteral(": ") + error;
        if (failure != m_lastFailure)
            logSkippedStep(lcAlarms, "play the alarm sound", failure);
        m_lastFailure = failure;
    }
    if (m_pending.isEmpty())
        return;
    const QString next = std::exchange(m_pending, QString());
    start(next);
}

}  // namespace noctalis
