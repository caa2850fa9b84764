// Where the program reads the time: the system clock in the program, a set
// instant in tests.
#pragma once

#include <QDateTime>

namespace noctalis {

class Clock {
public:
    virtual ~Clock() = default;
    // Local civil date and time now, whole seconds (Qt::UTC time, read as a
    // civil time without zone).
    virtual QDateTime localNow() const = 0;
    // Offset of local civil time from UT now, seconds, east positive,
    // daylight saving included; 0 when the system cannot say.
    virtual int zoneOffsetSeconds() const = 0;
};

// The system clock and the system's time zone.
class SystemClock : public Clock {
public:
    QDateTime localNow() const override;
    int zoneOffsetSeconds() const override;
};

// A clock that shows what it is told (tests).
class ManualClock : public Clock {
public:
    QDateTime localNow() const override { return now; }
    int zoneOffsetSeconds() const override { return offsetSeconds; }
    void advance(int seconds) { now = now.addSecs(seconds); }

    QDateTime now = QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);
    int offsetSeconds = 0;
};

} // namespace noctalis
