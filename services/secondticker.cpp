// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "secondticker.h"

#include "clock.h"

#include <QTimer>

#include <algorithm>

namespace noctalis {

SecondTicker::SecondTicker(const Clock &clock, std::function<void(const QDateTime &)> tick, QObject *parent)
    : QObject(parent), m_clock(clock), m_tick(std::move(tick)), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &SecondTicker::timerFired);
}

void SecondTicker::start()
{
    m_running = true;
    m_lastSecond = QDateTime();
    arm();
}

void SecondTicker::stop()
{
    m_running = false;
    m_timer->stop();
}

bool SecondTicker::isActive() const { return m_running; }

int SecondTicker::msecsToNextTick(const QDateTime &reading) { return 1000 - reading.time().msec() + kPhaseMs; }

void SecondTicker::setBeat(std::function<std::optional<int>(const QDateTime &)> nextBeatMs,
                           std::function<void(const QDateTime &)> beat)
{
    m_nextBeatMs = std::move(nextBeatMs);
    m_beat = std::move(beat);
}

void SecondTicker::arm()
{
    const QDateTime reading = m_clock.utcNowMs();
    int ms = msecsToNextTick(reading);
    if (m_nextBeatMs) {
        if (const std::optional<int> beat = m_nextBeatMs(reading))
            ms = std::min(ms, std::max(0, *beat) + kPhaseMs);
    }
    m_timer->start(ms);
}

void SecondTicker::timerFired()
{
    const QDateTime reading = m_clock.utcNowMs();
    const QDateTime second = wholeSecond(reading);
    if (second != m_lastSecond) {
        m_lastSecond = second;
        m_tick(reading);
    } else if (m_beat) {
        m_beat(reading);
    }
    // Armed from a fresh reading: the time the tick took is not added on.
    // A tick that stopped the ticker leaves it stopped.
    if (m_running)
        arm();
}

}  // namespace noctalis
