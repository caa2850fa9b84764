// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "canberrasound.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include <canberra.h>

#include <type_traits>
#include <utility>

namespace noctalis {

std::unique_ptr<SoundBackend> desktopSoundBackend() { return std::make_unique<CanberraSound>(); }

// The few functions of libcanberra the backend calls, resolved when the
// first sound needs them: the program starts without loading the library
// and the codecs and sound-server clients behind it. The types come from
// canberra.h.
struct CanberraSound::Library {
    decltype(&::ca_context_create) contextCreate = nullptr;
    decltype(&::ca_context_destroy) contextDestroy = nullptr;
    decltype(&::ca_context_change_props) contextChangeProps = nullptr;
    decltype(&::ca_context_play) contextPlay = nullptr;
    decltype(&::ca_context_play_full) contextPlayFull = nullptr;
    decltype(&::ca_proplist_create) proplistCreate = nullptr;
    decltype(&::ca_proplist_destroy) proplistDestroy = nullptr;
    decltype(&::ca_proplist_sets) proplistSets = nullptr;
    decltype(&::ca_strerror) strerror = nullptr;

    // Null with the reason in why when the library or one of the functions
    // is missing. The library stays loaded for the rest of the process: its
    // threads may still run after a context is destroyed.
    static std::unique_ptr<const Library> open(const QString &name, QString &why)
    {
        QLibrary library(name, 0);
        if (!library.load()) {
            why = library.errorString();
            return nullptr;
        }
        auto calls = std::make_unique<Library>();
        bool complete = true;
        const auto resolve = [&](auto &function, const char *symbol) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(symbol));
            if (!function && complete) {
                why = library.errorString();
                complete = false;
            }
        };
        resolve(calls->contextCreate, "ca_context_create");
        resolve(calls->contextDestroy, "ca_context_destroy");
        resolve(calls->contextChangeProps, "ca_context_change_props");
        resolve(calls->contextPlay, "ca_context_play");
        resolve(calls->contextPlayFull, "ca_context_play_full");
        resolve(calls->proplistCreate, "ca_proplist_create");
        resolve(calls->proplistDestroy, "ca_proplist_destroy");
        resolve(calls->proplistSets, "ca_proplist_sets");
        resolve(calls->strerror, "ca_strerror");
        if (!complete)
            return nullptr;
        return calls;
    }
};

CanberraSound::CanberraSound(const QString &library)
{
    m_library = Library::open(library, m_createError);
    if (!m_library)
        return;
    const int error = m_library->contextCreate(&m_context);
    if (error != CA_SUCCESS) {
        m_context = nullptr;
        m_createError = QString::fromUtf8(m_library->strerror(error));
        return;
    }
    const QByteArray name = QGuiApplication::applicationDisplayName().toUtf8();
    const QByteArray id = QGuiApplication::desktopFileName().toUtf8();
    m_library->contextChangeProps(m_context, CA_PROP_APPLICATION_NAME, name.constData(), CA_PROP_APPLICATION_ID,
                                  id.constData(), nullptr);
}

// Destroying the context stops the sounds and calls their callbacks before
// it returns; their reports, queued to the receiver, die with it.
CanberraSound::~CanberraSound()
{
    if (m_context)
        m_library->contextDestroy(m_context);
}

void CanberraSound::play(const QString &path, Finished finished)
{
    m_finished = std::move(finished);
    m_playingId = ++m_lastId;
    if (!m_context) {
        reportLater(m_playingId, m_createError);
        return;
    }
    const QByteArray file = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    ca_proplist *props = nullptr;
    int error = m_library->proplistCreate(&props);
    if (error == CA_SUCCESS) {
        m_library->proplistSets(props, CA_PROP_MEDIA_FILENAME, file.constData());
        m_library->proplistSets(props, CA_PROP_MEDIA_ROLE, "event");
        // The user may change the file between two sounds.
        m_library->proplistSets(props, CA_PROP_CANBERRA_CACHE_CONTROL, "never");
        error = m_library->contextPlayFull(m_context, m_playingId, props, &CanberraSound::onFinished, this);
        m_library->proplistDestroy(props);
    }
    if (error != CA_SUCCESS)
        onFinished(m_context, m_playingId, error, this);
}

void CanberraSound::onFinished(ca_context *, std::uint32_t id, int error, void *self)
{
    auto *sound = static_cast<CanberraSound *>(self);
    sound->reportLater(id, error == CA_SUCCESS ? QString() : QString::fromUtf8(sound->m_library->strerror(error)));
}

// From any thread: the report comes from the event loop of the receiver's.
void CanberraSound::reportLater(std::uint32_t id, const QString &error)
{
    QMetaObject::invokeMethod(
        &m_receiver, [this, id, error] { report(id, error); }, Qt::QueuedConnection);
}

// One report per sound: a failed start may be reported by both
// ca_context_play_full's result and its callback.
void CanberraSound::report(std::uint32_t id, const QString &error)
{
    if (id != m_playingId)
        return;
    m_playingId = 0;
    const Finished finished = std::exchange(m_finished, Finished());
    finished(error);
}

// The X server's bell heeds the desktop's bell settings; elsewhere (Wayland
// has no bell a program may ring) the sound theme's bell.
void CanberraSound::beep()
{
    if (QGuiApplication::platformName() == QLatin1String("xcb") || !m_context
        || m_library->contextPlay(m_context, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_MEDIA_ROLE, "event", nullptr)
               != CA_SUCCESS)
        QApplication::beep();
}

}  // namespace noctalis
