// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// NoticeSnoozes: notices put off by their Snooze button, each given back
// once its minutes have passed on the program's clock. A snoozed notice is
// the same notice shown again, not a new firing of its alarm.
#pragma once

#include "alarmactions.h"

#include <QDateTime>
#include <QList>
#include <QObject>

#include <functional>

class QTimer;

namespace noctalis {

class Clock;

class NoticeSnoozes : public QObject {
    Q_OBJECT

public:
    using Reopen = std::function<void(const NoticeOrder &order)>;

    // reopen is handed each order when its time comes; clock says when.
    NoticeSnoozes(const Clock &clock, Reopen reopen, QObject *parent = nullptr);

    // Puts order off for minutes from the clock's now.
    void add(const NoticeOrder &order, int minutes);
    // The orders still put off.
    qsizetype size() const { return m_waiting.size(); }

    // Looks at the clock once a second while something is put off.
    QTimer *timer() const { return m_timer; }

private:
    // Hands back, oldest due first, every order whose time has come.
    void check();

    struct Waiting {
        NoticeOrder order;
        QDateTime dueUtc;
    };

    const Clock &m_clock;
    Reopen m_reopen;
    QList<Waiting> m_waiting;
    QTimer *m_timer = nullptr;
};

}  // namespace noctalis
