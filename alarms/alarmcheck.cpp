// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "alarmcheck.h"

#include "alarmdue.h"
#include "alarmtable.h"
#include "backgroundstep.h"
#include "clock.h"
#include "variant.h"

#include <QCoreApplication>

#include <optional>

namespace noctalis {

AlarmCheck::AlarmCheck(AlarmTable &alarms, const Clock &clock, AlarmHost &host, AlarmActions &actions)
    : m_alarms(alarms), m_clock(clock), m_host(host), m_actions(actions)
{
}

void AlarmCheck::run()
{
    if (m_alarms[0].Name.isEmpty())
        return;

    std::optional<double> lmstDays;
    m_readLmst.run([&] { lmstDays = m_host.lmstHours() / 24; });
    // One "now" for the whole table: the tick's reading.
    const QDateTime now = m_clock.utcNow();
    const double nowDays = automation::toAutomationDate(now);

    for (int i = 0; i < m_alarms.size(); ++i) {
        AlarmDef &alarm = m_alarms[i];

        runStep(lcAlarms, "expire an alarm", [&] {
            if (alarm.Triggered && (!alarm.TriggeredUntil || now > *alarm.TriggeredUntil)) {
                m_actions.closeWindows(alarm.Name);
                alarm.Triggered = false;
            }
        });

        if (!lmstDays || !alarm.Enabled || alarm.Triggered)
            continue;
        runStep(lcAlarms, "test whether an alarm is due", [&] {
            alarm.Triggered = AlarmDue(alarm.SiderealTime, alarm.Duration.value_or(0), *lmstDays);
        });
        if (!alarm.Triggered)
            continue;

        // The end of the activation first: an alarm whose values make no
        // date (a duration of 1e308 days) is not fired at all.
        QDateTime until;
        if (!runStep(lcAlarms, "compute the end of an alarm", [&] {
                until = automation::fromAutomationDate(nowDays + alarm.Duration.value_or(0));
            })) {
            alarm.Triggered = false;
            continue;
        }
        runStep(lcAlarms, "fire an alarm", [&] { fire(alarm); });
        alarm.TriggeredUntil = until;
    }
}

void AlarmCheck::fire(const AlarmDef &alarm)
{
    if (alarm.Action < kActionLaunchProgram) {
        NoticeOrder notice;
        notice.tag = alarm.Name;
        notice.caption = QCoreApplication::translate("AlarmCheck", "Sidereal Alarm: %1").arg(alarm.Name);
        runStep(lcAlarms, "expand the notice text", [&] { notice.message = m_host.expandTimeFields(alarm.Param1); });
        if (alarm.Action == kActionMessageBoxSound) {
            runStep(lcAlarms, "choose the notice sound", [&] {
                const QString sound = alarm.Param2;
                if (IsWaveFile(sound))
                    notice.soundFile = sound;
                else
                    notice.beepOn = true;
            });
        }
        m_actions.openNotice(notice);
    } else if (alarm.Action == kActionLaunchProgram) {
        // A program that cannot start is skipped; the alarm still counts as fired.
        m_actions.launchProgram(alarm.Param1,
                                LaunchMinimized(alarm.Param2));
    } else if (alarm.Action == kActionSendLmstTcp) {
        SenderOrder sender;
        sender.tag = alarm.Name;
        runStep(lcAlarms, "read the engine longitude", [&] { sender.senderLng = m_host.engineLng(); });
        runStep(lcAlarms, "read the sender text", [&] { sender.messageTemplate = alarm.Param1; });
        runStep(lcAlarms, "read the sender address", [&] { sender.url = alarm.Param2; });
        sender.repeatMinutes = alarm.Param3;
        m_actions.openSender(sender);
    }
}

} // namespace noctalis
