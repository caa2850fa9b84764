// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "notifyingactions.h"

#include "alarmnotice.h"

namespace noctalis {

namespace {

const QString kStopKey = QStringLiteral("stop");
const QString kSnoozeKey = QStringLiteral("snooze");

}  // namespace

NotifyingActions::NotifyingActions(AlarmWindows &windows, Notifier *notifier, const Clock &clock)
    : m_windows(windows),
      m_notifier(notifier),
      m_snoozes(clock, [this](const NoticeOrder &order) { openNotice(order); })
{
    m_windows.setNoticeHook([this](AlarmNotice &notice, const NoticeOrder &order) { watch(notice, order); });
    if (m_notifier)
        m_notifier->setActionHandler([this](const QString &tag, const QString &key) { onAction(tag, key); });
}

NotifyingActions::~NotifyingActions()
{
    m_windows.setNoticeHook({});
    if (!m_notifier)
        return;
    m_notifier->setActionHandler({});
    const QSet<QString> shown = m_shown;
    for (const QString &tag : shown)
        withdraw(tag);
}

void NotifyingActions::watch(AlarmNotice &notice, const NoticeOrder &order)
{
    if (order.tag.isEmpty()) {
        // A report of missed alarms: its notification goes with the last
        // report window.
        ++m_openReports;
        QObject::connect(&notice, &AlarmNotice::closed, &notice, [this] {
            if (--m_openReports == 0)
                withdraw(missedTag());
        });
        return;
    }
    const QString tag = order.tag;
    QObject::connect(&notice, &AlarmNotice::closed, &notice, [this, tag] { withdraw(tag); });
    QObject::connect(&notice, &AlarmNotice::snoozed, &notice,
                     [this, order](int minutes) { m_snoozes.add(order, minutes); });
}

void NotifyingActions::withdraw(const QString &tag)
{
    if (m_notifier && m_shown.remove(tag))
        m_notifier->withdraw(tag);
}

void NotifyingActions::onAction(const QString &tag, const QString &key)
{
    // The newest notice of the tag is the one its notification stands beside.
    const QList<QWidget *> open = m_windows.windows(tag);
    for (auto it = open.crbegin(); it != open.crend(); ++it) {
        if (auto *notice = qobject_cast<AlarmNotice *>(*it)) {
            if (key == kStopKey)
                notice->stop();
            else if (key == kSnoozeKey)
                notice->snooze();
            return;
        }
    }
}

void NotifyingActions::openNotice(const NoticeOrder &order)
{
    m_windows.openNotice(order);
    if (!m_notifier)
        return;
    m_notifier->notify(order.tag, order.caption, order.message, {{kStopKey, tr("Stop")}, {kSnoozeKey, tr("Snooze")}});
    m_shown.insert(order.tag);
}

bool NotifyingActions::launchProgram(const QString &commandLine, bool minimized)
{
    return m_windows.launchProgram(commandLine, minimized);
}

void NotifyingActions::openSender(const SenderOrder &order) { m_windows.openSender(order); }

void NotifyingActions::closeWindows(const QString &tag)
{
    // A notice closing withdraws its own notification.
    m_windows.closeWindows(tag);
}

void NotifyingActions::reportMissed(const NoticeOrder &report)
{
    m_windows.reportMissed(report);
    if (!m_notifier)
        return;
    m_notifier->notify(missedTag(), report.caption, report.message, {});
    m_shown.insert(missedTag());
}

}  // namespace noctalis
