// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// NotifyingActions: the alarm windows, with a desktop notification beside
// each notice that lasts as long as its window, and the notices' Snooze.
// Stop and Snooze chosen on a notification do what the notice's buttons do;
// a snoozed notice comes back, with its notification and its sound, without
// firing anything else of its alarm again.
#pragma once

#include "alarmwindows.h"
#include "noticesnoozes.h"
#include "notifier.h"

#include <QCoreApplication>
#include <QSet>

namespace noctalis {

class Clock;

class NotifyingActions : public AlarmActions {
    Q_DECLARE_TR_FUNCTIONS(NotifyingActions)

public:
    // notifier may be null: notices then show in their windows only. clock
    // times the snoozes.
    NotifyingActions(AlarmWindows &windows, Notifier *notifier, const Clock &clock);
    // Withdraws every notification still shown.
    ~NotifyingActions() override;
    NotifyingActions(const NotifyingActions &) = delete;
    NotifyingActions &operator=(const NotifyingActions &) = delete;

    void openNotice(const NoticeOrder &order) override;
    bool launchProgram(const QString &commandLine, bool minimized) override;
    void openSender(const SenderOrder &order) override;
    void closeWindows(const QString &tag) override;
    void reportMissed(const NoticeOrder &report) override;

    NoticeSnoozes &snoozes() { return m_snoozes; }

    // The tag of the notification of missed alarms.
    static QString missedTag() { return QStringLiteral("missed-alarms"); }

private:
    void watch(AlarmNotice &notice, const NoticeOrder &order);
    void withdraw(const QString &tag);
    void onAction(const QString &tag, const QString &key);

    AlarmWindows &m_windows;
    Notifier *m_notifier;
    NoticeSnoozes m_snoozes;
    QSet<QString> m_shown;  // tags of the notifications shown
    int m_openReports = 0;  // notice windows of missed alarms open
};

}  // namespace noctalis
