// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "clocksync.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QPointer>

#include <algorithm>

#if defined(Q_OS_LINUX)
#include <sys/timex.h>
#endif

namespace noctalis {

namespace {

#if defined(Q_OS_LINUX)
constexpr int kTimeError = TIME_ERROR;
constexpr int kUnsynchronised = STA_UNSYNC;
#else
// Linux's values; elsewhere the kernel's account is never read.
constexpr int kTimeError = 5;
constexpr int kUnsynchronised = 0x0040;
#endif

}  // namespace

KernelClockReading SystemClockSyncSource::readKernelClock()
{
#if defined(Q_OS_LINUX)
    struct timex tx {};
    tx.modes = 0;  // read only
    const int state = ::adjtimex(&tx);
    return KernelClockReading{state, tx.status, tx.esterror};
#else
    return KernelClockReading{-1, 0, 0};  // no such account here: the system bus alone can say
#endif
}

void SystemClockSyncSource::askNtpSynchronized(std::function<void(std::optional<bool>)> answer)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        answer(std::nullopt);
        return;
    }
    const QString service = QStringLiteral("org.freedesktop.timedate1");
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/timedate1"),
                                       QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << service << QStringLiteral("NTPSynchronized");
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kServiceTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [answer](QDBusPendingCallWatcher *finished) {
        finished->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *finished;
        // No service, no such property, no answer in time: nothing said.
        const QVariant value = reply.isError() ? QVariant() : reply.value().variant();
        answer(value.typeId() == QMetaType::Bool ? std::optional<bool>(value.toBool()) : std::nullopt);
    });
}

ClockSyncState kernelSyncState(const KernelClockReading &reading)
{
    if (reading.state == -1)
        return ClockSyncState::Unknown;
    if (reading.state == kTimeError || (reading.status & kUnsynchronised) != 0)
        return ClockSyncState::NotSynchronised;
    return ClockSyncState::Synchronised;
}

long shownErrorMs(long esterrorUs)
{
    constexpr long kUsPerMs = 1000;
    return std::max(1L, (esterrorUs + kUsPerMs - 1) / kUsPerMs);
}

ClockSyncMonitor::ClockSyncMonitor(ClockSyncSource &source, QObject *parent) : QObject(parent), m_source(&source) {}

void ClockSyncMonitor::poll(const QDateTime &utcReading)
{
    if (m_lastReading.isValid() && utcReading >= m_lastReading
        && m_lastReading.secsTo(utcReading) < kReadIntervalSeconds)
        return;
    m_lastReading = utcReading;
    const quint64 serial = ++m_serial;
    const KernelClockReading kernel = m_source->readKernelClock();
    const ClockSyncState state = kernelSyncState(kernel);
    if (state != ClockSyncState::Unknown) {
        take(state, state == ClockSyncState::Synchronised ? std::optional<long>(kernel.esterrorUs) : std::nullopt,
             utcReading);
        return;
    }
    QPointer<ClockSyncMonitor> self(this);
    m_source->askNtpSynchronized([self, serial, utcReading](std::optional<bool> synchronised) {
        if (!self || self->m_serial != serial)
            return;
        self->take(!synchronised   ? ClockSyncState::Unknown
                   : *synchronised ? ClockSyncState::Synchronised
                                   : ClockSyncState::NotSynchronised,
                   std::nullopt, utcReading);
    });
}

void ClockSyncMonitor::take(ClockSyncState state, std::optional<long> errorUs, const QDateTime &utcReading)
{
    m_status.state = state;
    m_status.errorUs = errorUs;
    if (state == ClockSyncState::Synchronised)
        m_status.notSynchronisedSince = QDateTime();
    else if (state == ClockSyncState::NotSynchronised && !m_status.notSynchronisedSince.isValid())
        m_status.notSynchronisedSince = utcReading.toUTC();
    emit statusRead();
}

QString ClockSyncMonitor::statusLine(const QDateTime &nowUtc) const
{
    switch (m_status.state) {
    case ClockSyncState::Unknown: break;
    case ClockSyncState::Synchronised:
        if (m_status.errorUs)
            return tr("System clock: synchronised, ±%1 ms").arg(shownErrorMs(*m_status.errorUs));
        return tr("System clock: synchronised");
    case ClockSyncState::NotSynchronised: {
        const QDateTime &since = m_status.notSynchronisedSince;
        const QString time = since.toString(QStringLiteral("HH:mm"));
        if (since.date() == nowUtc.toUTC().date())
            return tr("System clock: not synchronised since %1 UT").arg(time);
        return tr("System clock: not synchronised since %1 %2 UT")
            .arg(since.toString(QStringLiteral("yyyy-MM-dd")), time);
    }
    }
    return QString();
}

}  // namespace noctalis
