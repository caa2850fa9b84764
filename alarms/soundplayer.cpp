#include "soundplayer.h"

#include <QApplication>
#include <QSoundEffect>
#include <QUrl>

namespace noctalis {

WaveSoundPlayer::WaveSoundPlayer(QObject *parent) : QObject(parent), m_effect(new QSoundEffect(this))
{
    connect(m_effect, &QSoundEffect::playingChanged, this, &WaveSoundPlayer::onPlayingChanged);
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

} // namespace noctalis
