// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Fakes of the alarm windows' sound players and of the program launcher,
// recording what they were asked.
#pragma once

#include "programlauncher.h"
#include "soundplayer.h"

#include <QStringList>

#include <memory>

namespace noctalis {

// What the notice windows asked of their sound players, in order.
struct SoundLog {
    QStringList calls;
};

class FakeSoundPlayer : public SoundPlayer {
public:
    explicit FakeSoundPlayer(std::shared_ptr<SoundLog> log) : m_log(std::move(log)) {}
    void beep() override { m_log->calls << QStringLiteral("beep"); }
    void playWave(const QString &path) override { m_log->calls << QStringLiteral("play ") + path; }

private:
    std::shared_ptr<SoundLog> m_log;
};

// Records the command lines it was asked to start; starts nothing.
class FakeLauncher : public ProgramLauncher {
public:
    bool start(const QString &commandLine, bool minimized) override
    {
        started << commandLine + (minimized ? QStringLiteral(" [min]") : QString());
        return true;
    }
    QStringList started;
};

}  // namespace noctalis
