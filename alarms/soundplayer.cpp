// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "soundplayer.h"

#include "backgroundstep.h"

#include <QApplication>
#include <QDir>
#include <QSoundEffect>
#include <QUrl>

namespace noctalis {

WaveSoundPlayer::WaveSoundPlayer(QObject *parent) : QObject(parent), m_effect(new QSoundEffect(this))
{
    connect(m_effect, &QSoundEffect::playingChanged, this, &WaveSoundPlayer::onPlayingChanged);
    connect(m_effect, &QSoundEffect::statusChanged, this, &WaveSoundPlayer::onStatusChanged);
}

WaveSoundPlayer::~WaveSoundPlayer() = default;

void WaveSoundPlayer::beep() { QApplication::beep(); }

void WaveSoundPlayer::playWave(const QString &path)
{
    if (m_effect->isPlaying()) {
        m_pending = path;
        return;
    }
    start(path);
}

void WaveSoundPlayer::start(const QString &path)
{
    const QUrl source = QUrl::fromLocalFile(path);
    if (m_effect->source() != source)
        m_effect->setSource(source);
    m_effect->play();  // a sound still loading plays once it is loaded
}

void WaveSoundPlayer::onPlayingChanged()
{
    if (m_effect->isPlaying() || m_pending.isEmpty())
        return;
    const QString next = m_pending;
    m_pending.clear();
    start(next);
}

void WaveSoundPlayer::onStatusChanged()
{
    // Once per file: the effect stays in its error state while the source
    // is the same, and the notice's later requests change nothing.
    if (m_effect->status() == QSoundEffect::Error)
        logSkippedStep(lcAlarms, "play the alarm sound",
                       QDir::toNativeSeparators(m_effect->source().toLocalFile())
                           + QStringLiteral(": cannot be loaded as a wave file"));
}

}  // namespace noctalis
