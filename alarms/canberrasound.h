// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The desktop's event sounds through libcanberra: wave files and the bell,
// played by the sound server (PipeWire, PulseAudio) or ALSA. The library is
// opened with the backend, at the first sound, not with the program.
#pragma once

#include "soundplayer.h"

#include <QObject>

#include <cstdint>
#include <memory>

struct ca_context;

namespace noctalis {

// CanberraSound: plays one file at a time on libcanberra's own threads and
// reports its end through the event loop of the thread that made it. The
// library and the sound device are opened when the backend is made; without
// the library every sound fails with the loader's reason and the bell is
// the window system's.
class CanberraSound : public SoundBackend {
public:
    // library: the name of libcanberra for QLibrary (major version 0);
    // tests name one that does not exist.
    explicit CanberraSound(const QString &library = QStringLiteral("canberra"));
    ~CanberraSound() override;
    CanberraSound(const CanberraSound &) = delete;
    CanberraSound &operator=(const CanberraSound &) = delete;

    void play(const QString &path, Finished finished) override;
    void beep() override;

private:
    struct Library;

    static void onFinished(ca_context *context, std::uint32_t id, int error, void *self);
    void report(std::uint32_t id, const QString &error);
    void reportLater(std::uint32_t id, const QString &error);

    QObject m_receiver;                        // takes the reports of libcanberra's threads
    std::unique_ptr<const Library> m_library;  // null when it could not be opened
    ca_context *m_context = nullptr;
    QString m_createError;  // why there is no context; empty when there is one
    std::uint32_t m_lastId = 0;
    std::uint32_t m_playingId = 0;  // 0: nothing playing
    Finished m_finished;
};

}  // namespace noctalis
