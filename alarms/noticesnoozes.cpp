// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "noticesnoozes.h"

#include "clock.h"

#include <QTimer>

#include <algorithm>

namespace noctalis {

namespace {

// Often enough that a snoozed notice is back within a second of its time.
constexpr int kCheckIntervalMs = 1000;

}  // namespace

NoticeSnoozes::NoticeSnoozes(const Clock &clock, Reopen reopen, QObject *parent)
    : QObject(parent), m_clock(clock), m_reopen(std::move(reopen)), m_timer(new QTimer(this))
{
    m_timer->setInterval(kCheckIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &NoticeSnoozes::check);
}

void NoticeSnoozes::add(const NoticeOrder &order, int minutes)
{
    const QDateTime due = m_clock.utcNowMs().addSecs(qint64(minutes) * 60);
    // Kept in the order they fall due; one due at the same time as another
    // goes after it.
    const auto at = std::upper_bound(m_waiting.begin(), m_waiting.end(), due,
                                     [](const QDateTime &t, const Waiting &w) { return t < w.dueUtc; });
    m_waiting.insert(at, Waiting{order, due});
    m_timer->start();
}

void NoticeSnoozes::check()
{
    const QDateTime now = m_clock.utcNowMs();
    QList<NoticeOrder> due;
    while (!m_waiting.isEmpty() && m_waiting.first().dueUtc <= now)
        due.append(m_waiting.takeFirst().order);
    if (m_waiting.isEmpty())
        m_timer->stop();
    // Taken out first: a notice reopened here may be snoozed again at once.
    for (const NoticeOrder &order : std::as_const(due))
        m_reopen(order);
}

}  // namespace noctalis
