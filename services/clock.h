// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Where the program reads the time: the system clock in the program, a set
// instant in tests. UT always comes from the clock's UTC; a time zone only
// turns it into a civil time for showing and typing.
#pragma once

#include <QDateTime>
#include <QTimeZone>

#include <optional>

namespace noctalis {

// A reading cut to its whole second.
QDateTime wholeSecond(const QDateTime &reading);

class Clock {
public:
    virtual ~Clock() = default;
    // UTC now to the millisecond (Qt::UTC).
    virtual QDateTime utcNowMs() const = 0;
    // The computer's civil time zone, daylight saving included; UTC when the
    // system cannot say.
    virtual QTimeZone systemZone() const = 0;

    // UTC now, whole seconds.
    QDateTime utcNow() const { return wholeSecond(utcNowMs()); }
    // The computer's local civil date and time now, whole seconds (a Qt::UTC
    // time read as a civil time without zone). For showing only: nothing is
    // computed from it.
    QDateTime localNow() const;
    // Offset of the computer's civil time from UT now, seconds, east
    // positive, daylight saving included.
    int zoneOffsetSeconds() const;
};

// The system clock and the system's time zone.
class SystemClock : public Clock {
public:
    QDateTime utcNowMs() const override;
    QTimeZone systemZone() const override;
};

// A clock that shows what it is told (tests). now is UTC and may carry
// milliseconds; zone is the computer's zone it reports.
class ManualClock : public Clock {
public:
    QDateTime utcNowMs() const override { return now; }
    QTimeZone systemZone() const override { return zone; }
    void advance(int seconds) { now = now.addSecs(seconds); }
    // A zone of a fixed offset, seconds east of UT.
    void setOffsetSeconds(int seconds) { zone = QTimeZone(seconds); }

    QDateTime now = QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);
    QTimeZone zone = QTimeZone::utc();
};

// A clock that, while it holds a reading, answers with that reading, and
// otherwise with the clock below it: every value of one clock tick comes
// from the one reading the tick took.
class HeldClock : public Clock {
public:
    explicit HeldClock(const Clock &source) : m_source(source) {}

    QDateTime utcNowMs() const override { return m_held ? *m_held : m_source.utcNowMs(); }
    QTimeZone systemZone() const override { return m_source.systemZone(); }

    void hold(const QDateTime &utcReading) { m_held = utcReading; }
    void release() { m_held.reset(); }

private:
    const Clock &m_source;
    std::optional<QDateTime> m_held;
};

}  // namespace noctalis
