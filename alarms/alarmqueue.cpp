// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "alarmqueue.h"

#include "backgroundstep.h"

#include <QElapsedTimer>

#include <algorithm>
#include <utility>

namespace noctalis {

AlarmQueue::AlarmQueue()
{
    m_nextTurn.setSingleShot(true);
    m_nextTurn.setInterval(0);
    QObject::connect(&m_nextTurn, &QTimer::timeout, [this] { runTurn(); });
}

void AlarmQueue::push(const QString &tag, std::function<void()> action) { m_items.push_back({tag, std::move(action)}); }

int AlarmQueue::runTurn()
{
    QElapsedTimer turn;
    turn.start();
    int run = 0;
    while (!m_items.empty() && run < kMaxPerTurn && (run == 0 || turn.elapsed() < kTurnBudgetMs)) {
        // Off the queue first: an action may push or drop.
        Item item = std::move(m_items.front());
        m_items.pop_front();
        runStep(lcAlarms, "carry out an alarm", item.action);
        ++run;
    }
    if (!m_items.empty() && !m_nextTurn.isActive())
        m_nextTurn.start();
    return run;
}

int AlarmQueue::drop(const QString &tag)
{
    const auto dropped =
        std::stable_partition(m_items.begin(), m_items.end(), [&](const Item &item) { return item.tag != tag; });
    const int count = int(std::distance(dropped, m_items.end()));
    for (int i = 0; i < count; ++i)
        qCWarning(lcAlarms).noquote() << "alarm" << tag << "ended before its action could run; not carried out";
    m_items.erase(dropped, m_items.end());
    return count;
}

}  // namespace noctalis
