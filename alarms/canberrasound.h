// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The desktop's event sounds through libcanberra: wave files and the bell,
// played by the sound server (PipeWire, PulseAudio) or ALSA.
#pragma once

#include "soundplayer.h"

#include <QObject>

#include <cstdint>

struct ca_context;

namespace noctalis {

// CanberraSound: plays one file at a time on libcanberra's own threads and
// reports its end through the event loop of the thread that made it. The
// sound device is opened at the first sound.
class CanberraSound : public SoundBackend {
public:
    CanberraSound();
    ~CanberraSound() override;
    CanberraSound(const CanberraSound &) = delete;
    CanberraSound &operator=(const CanberraSound &) = delete;

    void play(const QString &path, Finished finished) override;
    void beep() override;

private:
    static void onFinished(ca_context *context, std::uint32_t id, int error, void *self);
    void report(std::uint32_t id, int error);

    QObject m_receiver;  // takes the reports of libcanberra's threads
    ca_context *m_context = nullptr;
    int m_createError = 0;
    std::uint32_t m_lastId = 0;
    std::uint32_t m_playingId = 0;  // 0: nothing playing
    Finished m_finished;
};

}  // namespace noctalis
