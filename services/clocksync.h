// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Whether the computer's clock is kept to a time server. A clock is only as
// right as the computer's: the kernel's own account (adjtimex) says whether
// the clock is synchronised and how far off it may be. Where the kernel
// cannot be asked, the time-date service on the system bus
// (org.freedesktop.timedate1, its NTPSynchronized) is asked, without waiting
// for it. Where neither can say, nothing is claimed.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace noctalis {

// What adjtimex(2) gave with modes 0, unchanged: its return value (the clock
// state; -1 when the call failed), the status bits and the estimated error.
struct KernelClockReading {
    int state = -1;
    int status = 0;
    long esterrorUs = 0;
};

// Where the readings come from: the system, or answers a test sets.
class ClockSyncSource {
public:
    virtual ~ClockSyncSource() = default;
    virtual KernelClockReading readKernelClock() = 0;
    // Asks whether the time-date service calls the clock synchronised.
    // answer runs once, at once or later, with none when no one can say;
    // the call never waits for the service.
    virtual void askNtpSynchronized(std::function<void(std::optional<bool>)> answer) = 0;
};

// The kernel and the system bus of this computer.
class SystemClockSyncSource : public QObject, public ClockSyncSource {
    Q_OBJECT

public:
    // How long the time-date service has to answer, milliseconds.
    static constexpr int kServiceTimeoutMs = 2000;

    explicit SystemClockSyncSource(QObject *parent = nullptr) : QObject(parent) {}

    KernelClockReading readKernelClock() override;
    // Without a system bus (containers, build machines) the answer is none,
    // at once and without a word in the log.
    void askNtpSynchronized(std::function<void(std::optional<bool>)> answer) override;
};

enum class ClockSyncState { Unknown, Synchronised, NotSynchronised };

// The state a kernel reading says: unknown when the call failed, not
// synchronised when the kernel says TIME_ERROR or STA_UNSYNC.
ClockSyncState kernelSyncState(const KernelClockReading &reading);

// An estimated error as shown, whole milliseconds: rounded up, so the clock
// is never claimed better than the kernel estimates it, and at least 1.
long shownErrorMs(long esterrorUs);

struct ClockSyncStatus {
    ClockSyncState state = ClockSyncState::Unknown;
    std::optional<long> errorUs;     // the kernel's estimate; none from the service
    QDateTime notSynchronisedSince;  // UTC of the first reading that said so; invalid while synchronised
};

// Reads the status at most once a minute, from the readings of the clock it
// is given, and keeps since when the clock has not been synchronised.
class ClockSyncMonitor : public QObject {
    Q_OBJECT

public:
    static constexpr int kReadIntervalSeconds = 60;

    explicit ClockSyncMonitor(ClockSyncSource &source, QObject *parent = nullptr);

    // The source of the next reading.
    void setSource(ClockSyncSource &source) { m_source = &source; }

    // Reads the status when due: at the first call, then once a minute of
    // utcReading has passed since the last reading (or the clock was set
    // back).
    //
    // Notes:
    //  1. The time-date service is asked only when the kernel cannot be
    //     read; its answer may come after poll has returned, and an answer
    //     overtaken by a later reading is dropped.
    //  2. A reading that can say nothing keeps the time since when the clock
    //     has not been synchronised: nothing said it was synchronised since.
    void poll(const QDateTime &utcReading);

    const ClockSyncStatus &status() const { return m_status; }

    // The face's line for the status ("System clock: synchronised, ±3 ms");
    // empty when nothing can be said. The date of the time since when is
    // shown when it is not the UT date of nowUtc.
    QString statusLine(const QDateTime &nowUtc) const;

signals:
    // A reading has been taken in, whatever it said.
    void statusRead();

private:
    void take(ClockSyncState state, std::optional<long> errorUs, const QDateTime &utcReading);

    ClockSyncSource *m_source;
    ClockSyncStatus m_status;
    QDateTime m_lastReading;  // UTC of the last reading; invalid before the first
    quint64 m_serial = 0;     // of the last reading, to drop answers it overtook
};

}  // namespace noctalis
