// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "canberrasound.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include <canberra.h>

#include <utility>

namespace noctalis {

std::unique_ptr<SoundBackend> desktopSoundBackend() { return std::make_unique<CanberraSound>(); }

CanberraSound::CanberraSound()
{
    m_createError = ca_context_create(&m_context);
    if (m_createError != CA_SUCCESS) {
        m_context = nullptr;
        return;
    }
    const QByteArray name = QGuiApplication::applicationDisplayName().toUtf8();
    const QByteArray id = QGuiApplication::desktopFileName().toUtf8();
    ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, name.constData(), CA_PROP_APPLICATION_ID,
                            id.constData(), nullptr);
}

// Destroying the context stops the sounds and calls their callbacks before
// it returns; their reports, queued to the receiver, die with it.
CanberraSound::~CanberraSound()
{
    if (m_context)
        ca_context_destroy(m_context);
}

void CanberraSound::play(const QString &path, Finished finished)
{
    m_finished = std::move(finished);
    m_playingId = ++m_lastId;
    int error = m_createError;
    if (m_context) {
        const QByteArray file = QFile::encodeName(QFileInfo(path).absoluteFilePath());
        ca_proplist *props = nullptr;
        error = ca_proplist_create(&props);
        if (error == CA_SUCCESS) {
            ca_proplist_sets(props, CA_PROP_MEDIA_FILENAME, file.constData());
            ca_proplist_sets(props, CA_PROP_MEDIA_ROLE, "event");
            // The user may change the file between two sounds.
            ca_proplist_sets(props, CA_PROP_CANBERRA_CACHE_CONTROL, "never");
            error = ca_context_play_full(m_context, m_playingId, props, &CanberraSound::onFinished, this);
            ca_proplist_destroy(props);
        }
    }
    if (error != CA_SUCCESS)
        onFinished(m_context, m_playingId, error, this);
}

void CanberraSound::onFinished(ca_context *, std::uint32_t id, int error, void *self)
{
    auto *sound = static_cast<CanberraSound *>(self);
    QMetaObject::invokeMethod(
        &sound->m_receiver, [sound, id, error] { sound->report(id, error); }, Qt::QueuedConnection);
}

// One report per sound: a failed start may be reported by both
// ca_context_play_full's result and its callback.
void CanberraSound::report(std::uint32_t id, int error)
{
    if (id != m_playingId)
        return;
    m_playingId = 0;
    const Finished finished = std::exchange(m_finished, Finished());
    finished(error == CA_SUCCESS ? QString() : QString::fromUtf8(ca_strerror(error)));
}

// The X server's bell heeds the desktop's bell settings; elsewhere (Wayland
// has no bell a program may ring) the sound theme's bell.
void CanberraSound::beep()
{
    if (QGuiApplication::platformName() == QLatin1String("xcb") || !m_context
        || ca_context_play(m_context, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_MEDIA_ROLE, "event", nullptr) != CA_SUCCESS)
        QApplication::beep();
}

}  // namespace noctalis
