// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// AlarmQueue: the actions of fired alarms, carried out a few at a time. A
// tick in which hundreds of alarms fall due only queues their actions; the
// queue runs a short batch at once and the rest in later turns of the event
// loop, so that no turn holds the clock's face for long.
#pragma once

#include <QString>
#include <QTimer>

#include <deque>
#include <functional>

namespace noctalis {

class AlarmQueue {
public:
    // The most actions one turn runs, and the time after which a turn stops
    // starting new ones, milliseconds.
    static constexpr int kMaxPerTurn = 8;
    static constexpr int kTurnBudgetMs = 8;

    AlarmQueue();

    AlarmQueue(const AlarmQueue &) = delete;
    AlarmQueue &operator=(const AlarmQueue &) = delete;

    // Appends the action of the alarm named tag; actions run in the order
    // they were pushed.
    void push(const QString &tag, std::function<void()> action);

    // runTurn: one batch.
    //
    // Returned (function value): the number of actions run.
    //
    // Notes:
    //  1. Runs the oldest actions, at most kMaxPerTurn, and none more once
    //     kTurnBudgetMs have passed since the turn began (at least one runs).
    //  2. While actions are left, the next batch runs in a later turn of the
    //     event loop, from a zero-interval timer.
    //  3. An action that throws is skipped with one line in noctalis.alarms.
    int runTurn();

    // Takes the actions of the alarm named tag out of the queue, unrun, with
    // one line in noctalis.alarms for each. Returns how many were dropped.
    int drop(const QString &tag);

    qsizetype size() const { return qsizetype(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }

private:
    struct Item {
        QString tag;
        std::function<void()> action;
    };

    std::deque<Item> m_items;
    QTimer m_nextTurn;
};

}  // namespace noctalis
