// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Loading and saving a full alarm file of 32768 alarms, each beside its
// reference: the same bytes written once through QSaveFile, and the file's
// lines read alone. A tick in which 300 alarms fall due at once.

#include "alarmcheck.h"
#include "alarmfile.h"
#include "alarmwindows.h"
#include "clock.h"
#include "fileroutines.h"
#include "filetext.h"
#include "preferences.h"
#include "programlauncher.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

constexpr int kFullTable = 32768;

noctalis::AlarmTable fullTable()
{
    noctalis::AlarmTable alarms;
    alarms.resize(kFullTable);
    for (int i = 0; i < kFullTable; ++i) {
        noctalis::AlarmDef &a = alarms[i];
        a.Name = QStringLiteral("Alarm %1").arg(i);
        a.Action = qint16(i % 4);
        a.SiderealTime = double(i % 86400) / 86400;
        a.Enabled = i % 2 == 0;
        a.Param1 = QStringLiteral("Transit of object %1, look south: [LMST HH:MM:SS]").arg(i);
        a.Param2 = QStringLiteral("127.0.0.1");
        a.Param3 = QStringLiteral("5");
        a.Duration = 10.0 / 1440;
    }
    return alarms;
}

// Writes the full table to full.alm in dir; the path, or empty after a
// failure (the benchmark is then skipped).
QString savedFullFile(const QTemporaryDir &dir, benchmark::State &state)
{
    const QString path = dir.filePath(QStringLiteral("full.alm"));
    noctalis::RecordingMessageService messages;
    if (noctalis::SaveAlarmFile(path, fullTable(), messages))
        return path;
    state.SkipWithError("save failed");
    return QString();
}

void BM_SaveFullAlarmFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.alm"));
    const noctalis::AlarmTable alarms = fullTable();
    noctalis::RecordingMessageService messages;
    for (auto _ : state) {
        if (!noctalis::SaveAlarmFile(path, alarms, messages))
            state.SkipWithError("save failed");
    }
    state.SetItemsProcessed(state.iterations() * kFullTable);
}
BENCHMARK(BM_SaveFullAlarmFile)->Unit(benchmark::kMillisecond);

// Reference: the bytes of that file, made beforehand, written in one write
// and committed the same way.
void BM_SaveFullAlarmFileBytesOnly(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = savedFullFile(dir, state);
    if (path.isEmpty())
        return;
    QFile made(path);
    if (!made.open(QIODevice::ReadOnly)) {
        state.SkipWithError("read failed");
        return;
    }
    const QByteArray bytes = made.readAll();
    for (auto _ : state) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size()
            || !noctalis::commitDurably(file))
            state.SkipWithError("write failed");
    }
    state.SetItemsProcessed(state.iterations() * kFullTable);
}
BENCHMARK(BM_SaveFullAlarmFileBytesOnly)->Unit(benchmark::kMillisecond);

// The other part of saving: the bytes of that file made, not written.
void BM_SaveFullAlarmFileMakingOnly(benchmark::State &state)
{
    const noctalis::AlarmTable alarms = fullTable();
    for (auto _ : state) {
        const std::optional<QByteArray> bytes = noctalis::alarmFileBytes(alarms);
        if (!bytes)
            state.SkipWithError("no bytes");
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kFullTable);
}
BENCHMARK(BM_SaveFullAlarmFileMakingOnly)->Unit(benchmark::kMillisecond);

void BM_LoadFullAlarmFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = savedFullFile(dir, state);
    if (path.isEmpty())
        return;
    noctalis::RecordingMessageService messages;
    noctalis::AlarmTable alarms;
    for (auto _ : state) {
        // Over a fresh table each time, so that every record is appended.
        state.PauseTiming();
        alarms.clear();
        state.ResumeTiming();
        if (noctalis::LoadAlarmFile(path, alarms, messages) != kFullTable - 1)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(alarms);
    }
    state.SetItemsProcessed(state.iterations() * kFullTable);
}
BENCHMARK(BM_LoadFullAlarmFile)->Unit(benchmark::kMillisecond);

// Reference: reading that file and going through its lines, nothing more.
void BM_LoadFullAlarmFileLinesOnly(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = savedFullFile(dir, state);
    if (path.isEmpty())
        return;
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("read failed");
            break;
        }
        const QString text = noctalis::decodeFileText(file.readAll());
        qsizetype lines = 0;
        for (const QStringView line : QStringView(text).tokenize(u"\r\n")) {
            benchmark::DoNotOptimize(line.data());
            ++lines;
        }
        if (lines < 9 * kFullTable)
            state.SkipWithError("lines missing");
    }
    state.SetItemsProcessed(state.iterations() * kFullTable);
}
BENCHMARK(BM_LoadFullAlarmFileLinesOnly)->Unit(benchmark::kMillisecond);

// The clock window as the check reads it: an LMST inside every window.
class DueHost : public noctalis::AlarmHost {
public:
    double lmstHours() override { return 6.0; }
    QVariant engineLng() override { return 0.0; }
    QString expandTimeFields(const QString &text) override { return text; }
};

// 300 alarms due in one tick, notices (range 0) or TCP senders (range 3)
// to a local listener: the time of the tick itself (manual time) and the
// longest turn of the event loop until every window is open
// ("worst_turn_ms"), each turn with the events it lets through. For the
// senders also the longest turn from then until the listener has every
// text ("worst_send_turn_ms"): their first cycles, a second after opening.
void BM_TickWithBurstOfDueAlarms(benchmark::State &state)
{
    constexpr int kBurst = 300;
    const auto action = qint16(state.range(0));
    QTcpServer listener;
    if (!listener.listen(QHostAddress::LocalHost, 0)) {
        state.SkipWithError("no listener");
        return;
    }
    // The peers read what comes and stay until the end of the iteration.
    QList<QTcpSocket *> peers;
    int textsIn = 0;
    QObject::connect(&listener, &QTcpServer::newConnection, [&] {
        while (QTcpSocket *peer = listener.nextPendingConnection()) {
            peers.append(peer);
            QObject::connect(peer, &QTcpSocket::readyRead, [&textsIn, peer] {
                if (peer->property("gotText").toBool() || peer->readAll().isEmpty())
                    return;
                peer->setProperty("gotText", true);
                ++textsIn;
            });
        }
    });
    noctalis::Preferences prefs;
    noctalis::ManualClock clock;
    noctalis::ProcessLauncher launcher;
    noctalis::AlarmWindows windows(prefs, clock, QStringLiteral("Ephemlib.Ephemkit"), launcher, {},
                                   {QStringLiteral("127.0.0.1"), listener.serverPort()});
    DueHost host;
    noctalis::AlarmTable alarms;
    alarms.resize(kBurst);
    for (int i = 0; i < kBurst; ++i) {
        noctalis::AlarmDef &a = alarms[i];
        a.Name = QStringLiteral("Burst %1").arg(i);
        a.Action = action;
        a.SiderealTime = 0.25;
        a.Duration = 10.0 / 1440;
        a.Enabled = true;
        a.Param1 = QStringLiteral("Transit of object %1 at [LMST HH:MM:SS]").arg(i);
        a.Param3 = QStringLiteral("5");
    }
    noctalis::AlarmCheck check(alarms, clock, host, windows);
    double worstTurnMs = 0;
    double worstSendTurnMs = 0;
    constexpr qint64 kSendLimitMs = 5000;
    for (auto _ : state) {
        textsIn = 0;
        QElapsedTimer tick;
        tick.start();
        check.run();
        state.SetIterationTime(tick.nsecsElapsed() / 1e9);
        worstTurnMs = std::max(worstTurnMs, tick.nsecsElapsed() / 1e6);
        while (!check.queue().isEmpty()) {
            QElapsedTimer turn;
            turn.start();
            QCoreApplication::processEvents();
            worstTurnMs = std::max(worstTurnMs, turn.nsecsElapsed() / 1e6);
        }
        QElapsedTimer sending;
        sending.start();
        while (action == noctalis::kActionSendLmstTcp && textsIn < kBurst && !sending.hasExpired(kSendLimitMs)) {
            QElapsedTimer turn;
            turn.start();
            QCoreApplication::processEvents();
            worstSendTurnMs = std::max(worstSendTurnMs, turn.nsecsElapsed() / 1e6);
        }
        if (action == noctalis::kActionSendLmstTcp && textsIn < kBurst)
            state.SkipWithError("not every text came in");
        // Back to armed with no window open, outside the measurement.
        for (int i = 0; i < kBurst; ++i) {
            windows.closeWindows(alarms[i].Name);
            alarms[i].Triggered = false;
        }
        qDeleteAll(peers);
        peers.clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        check.pause();
    }
    state.counters["worst_turn_ms"] = worstTurnMs;
    if (action == noctalis::kActionSendLmstTcp)
        state.counters["worst_send_turn_ms"] = worstSendTurnMs;
    state.SetItemsProcessed(state.iterations() * kBurst);
}
BENCHMARK(BM_TickWithBurstOfDueAlarms)
    ->Arg(noctalis::kActionMessageBox)
    ->Arg(noctalis::kActionSendLmstTcp)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
