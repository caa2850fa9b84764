// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Where the program reads the time: the system clock in the program, a set
// instant in tests.
#pragma once

#include <QDateTime>

#include <optional>

namespace noctalis {

class Clock {
public:
    virtual ~Clock() = default;
    // Local civil date and time now, whole seconds (Qt::UTC time, read as a
    // civil time without zone).
    virtual QDateTime localNow() const = 0;
    // The same reading to the millisecond; its whole seconds are those of
    // localNow(). A clock without a finer reading gives localNow().
    virtual QDateTime localNowMs() const { return localNow(); }
    // Offset of local civil time from UT now, seconds, east positive,
    // daylight saving included; 0 when the system cannot say.
    virtual int zoneOffsetSeconds() const = 0;
};

// A reading cut to its whole second.
QDateTime wholeSecond(const QDateTime &reading);

// The system clock and the system's time zone.
class SystemClock : public Clock {
public:
    QDateTime localNow() const override;
    QDateTime localNowMs() const override;
    int zoneOffsetSeconds() const override;
};

// A clock that shows what it is told (tests). now may carry milliseconds;
// localNow() gives its whole seconds.
class ManualClock : public Clock {
public:
    QDateTime localNow() const override { return wholeSecond(now); }
    QDateTime localNowMs() const override { return now; }
    int zoneOffsetSeconds() const override { return offsetSeconds; }
    void advance(int seconds) { now = now.addSecs(seconds); }

    QDateTime now = QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);
    int offsetSeconds = 0;
};

// A clock that, while it holds a reading, answers with that reading, and
// otherwise with the clock below it: every value of one clock tick comes
// from the one reading the tick took.
class HeldClock : public Clock {
public:
    explicit HeldClock(const Clock &source) : m_source(source) {}

    QDateTime localNow() const override { return m_held ? wholeSecond(*m_held) : m_source.localNow(); }
    QDateTime localNowMs() const override { return m_held ? *m_held : m_source.localNowMs(); }
    int zoneOffsetSeconds() const override { return m_source.zoneOffsetSeconds(); }

    void hold(const QDateTime &reading) { m_held = reading; }
    void release() { m_held.reset(); }

private:
    const Clock &m_source;
    std::optional<QDateTime> m_held;
};

} // namespace noctalis
