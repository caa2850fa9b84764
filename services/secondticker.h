// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// SecondTicker: a tick once a second, in step with the clock's seconds of
// UTC. Each tick fires a few milliseconds after a whole second of the clock,
// from a precise single-shot timer armed afresh after every tick from the
// clock's own millisecond reading, so the ticks never drift from the clock.
// Between ticks it can wake for a second beat of its own (the sidereal
// second, which runs 1.0027 times as fast).
#pragma once

#include <QDateTime>
#include <QObject>

#include <functional>
#include <optional>

class QTimer;

namespace noctalis {

class Clock;

class SecondTicker : public QObject {
    Q_OBJECT

public:
    // How long after a whole second of the clock a tick aims to fire.
    static constexpr int kPhaseMs = 5;

    // tick receives the clock's reading (to the millisecond) that the tick
    // belongs to.
    SecondTicker(const Clock &clock, std::function<void(const QDateTime &reading)> tick, QObject *parent = nullptr);

    // A beat between the ticks: nextBeatMs gives, for a reading, the
    // milliseconds to the next beat (none for no beat); the ticker then wakes
    // kPhaseMs after it, unless a tick comes first, and calls beat with the
    // reading it woke at.
    void setBeat(std::function<std::optional<int>(const QDateTime &reading)> nextBeatMs,
                 std::function<void(const QDateTime &reading)> beat);

    // Arms the timer for the next second; the first tick follows at most a
    // second later, and is a tick even within the second last ticked before
    // a stop (what it shows may have changed meanwhile).
    void start();
    void stop();
    bool isActive() const;

    // The timer's event: one tick for a second of the clock not ticked yet,
    // a beat otherwise; then the timer is armed for the next second or the
    // next beat, whichever comes first.
    //
    // Notes:
    //  1. A late wake-up ticks once, with the reading it woke at, and the
    //     next tick still comes a few milliseconds after the next second: a
    //     late tick never delays the ones after it.
    //  2. The clock set back ticks on: only a second equal to the last
    //     ticked one is left out.
    void timerFired();

    // Milliseconds from a reading to kPhaseMs after the next whole second.
    static int msecsToNextTick(const QDateTime &reading);

    QTimer *timer() const { return m_timer; }

private:
    void arm();

    const Clock &m_clock;
    std::function<void(const QDateTime &)> m_tick;
    std::function<std::optional<int>(const QDateTime &)> m_nextBeatMs;
    std::function<void(const QDateTime &)> m_beat;
    QTimer *m_timer = nullptr;
    bool m_running = false;
    QDateTime m_lastSecond;  // whole second of the last tick; invalid before the first
};

}  // namespace noctalis
