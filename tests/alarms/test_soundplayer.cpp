// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The notice windows' player over a recording backend: when it opens the
// sound device, the one kept request while a sound plays, files that
// cannot be played; the libcanberra backend's reports, with and without
// the library.

#include "canberrasound.h"
#include "logcapture.h"
#include "soundplayer.h"

#include "qtprinters.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using namespace noctalis;

// What the backends of one player were asked; the sounds still playing,
// each ended by the test.
struct BackendLog {
    int made = 0;
    QStringList calls;
    std::vector<SoundBackend::Finished> playing;

    void end(const QString &error = QString())
    {
        ASSERT_FALSE(playing.empty());
        const SoundBackend::Finished finished = playing.front();
        playing.erase(playing.begin());
        finished(error);
    }
};

class RecordingBackend : public SoundBackend {
public:
    explicit RecordingBackend(BackendLog &log) : m_log(log) {}
    void play(const QString &path, Finished finished) override
    {
        m_log.calls << QStringLiteral("play ") + path;
        m_log.playing.push_back(std::move(finished));
    }
    void beep() override { m_log.calls << QStringLiteral("beep"); }

private:
    BackendLog &m_log;
};

WaveSoundPlayer player(BackendLog &log)
{
    return WaveSoundPlayer([&log] {
        ++log.made;
        return std::make_unique<RecordingBackend>(log);
    });
}

TEST(SoundPlayer, OpensTheDeviceAtTheFirstSoundOnly)
{
    for (const bool beepFirst : {true, false}) {
        BackendLog log;
        auto sound = player(log);
        EXPECT_EQ(log.made, 0) << "a silent notice opens no sound device";
        if (beepFirst)
            sound.beep();
        else
            sound.playWave(QStringLiteral("a.wav"));
        sound.beep();
        EXPECT_EQ(log.made, 1) << beepFirst;
        EXPECT_EQ(log.calls.size(), 2) << beepFirst;
    }
}

TEST(SoundPlayer, KeepsTheLatestRequestWhilePlayingAndPlaysItNext)
{
    BackendLog log;
    auto sound = player(log);
    sound.playWave(QStringLiteral("a.wav"));
    sound.beep();  // the bell does not wait for the file
    sound.playWave(QStringLiteral("b.wav"));
    sound.playWave(QStringLiteral("c.wav"));
    EXPECT_EQ(log.calls, (QStringList{"play a.wav", "beep"})) << "no overlap";

    log.end();
    EXPECT_EQ(log.calls.last(), QStringLiteral("play c.wav")) << "the latest request, right after the end";
    log.end();
    EXPECT_EQ(log.calls.size(), 3) << "the kept request is used up";
    EXPECT_TRUE(log.playing.empty());

    sound.playWave(QStringLiteral("d.wav"));
    EXPECT_EQ(log.calls.last(), QStringLiteral("play d.wav")) << "idle again: plays at once";
}

TEST(SoundPlayer, AFileThatCannotBePlayedLogsOneLineUntilASoundPlays)
{
    LogCapture capture;
    BackendLog log;
    auto sound = player(log);
    const QString bad = QStringLiteral("/tmp/bell.mp3.wav");
    const QString line =
        QStringLiteral("noctalis.alarms: play the alarm sound skipped: ") + bad + QStringLiteral(": Not supported");

    // Every ten seconds the notice asks again; the failure is one line.
    for (int i = 0; i < 3; ++i) {
        sound.playWave(bad);
        log.end(QStringLiteral("Not supported"));
    }
    EXPECT_EQ(capture.lines(), QStringList{line});
    EXPECT_EQ(log.calls.size(), 3) << "tried again each time: a sound server may come back";

    // Kept while the bad file was playing: still played after its failure.
    sound.playWave(bad);
    sound.playWave(QStringLiteral("good.wav"));
    log.end(QStringLiteral("Not supported"));
    EXPECT_EQ(log.calls.last(), QStringLiteral("play good.wav"));
    log.end();
    sound.playWave(bad);
    log.end(QStringLiteral("Not supported"));
    EXPECT_EQ(capture.lines(), (QStringList{line, line})) << "a new failure after a sound played";
}

}  // namespace

// The real backend, with no file to play, and without its library: whatever
// the machine's sound device, the failure comes once, from the event loop,
// not from play(), and the bell still rings somewhere.
TEST(CanberraSound, ReportsAFailureOnceThroughTheEventLoop)
{
    for (const QString &library : {QStringLiteral("canberra"), QStringLiteral("noctalis-missing-canberra")}) {
        QStringList errors;
        {
            CanberraSound sound(library);
            sound.play(QStringLiteral("/nonexistent/noctalis-test.wav"), [&errors](const QString &e) { errors << e; });
            EXPECT_TRUE(errors.isEmpty()) << "play() returns before the report; " << library.toStdString();
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            ASSERT_EQ(errors.size(), 1) << library.toStdString();
            EXPECT_FALSE(errors.first().isEmpty()) << library.toStdString();
            sound.beep();

            sound.play(QStringLiteral("/nonexistent/noctalis-test.wav"), [&errors](const QString &e) { errors << e; });
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(errors.size(), 1) << "no report after the backend is gone; " << library.toStdString();
    }
}
