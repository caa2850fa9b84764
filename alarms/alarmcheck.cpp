// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "alarmcheck.h"

#include "alarmdue.h"
#include "alarmtable.h"
#include "backgroundstep.h"
#include "clock.h"
#include "numbertext.h"
#include "astroconst.h"
#include "variant.h"

#include <QCoreApplication>

#include <cmath>
#include <optional>

namespace noctalis {

AlarmCheck::AlarmCheck(AlarmTable &alarms, const Clock &clock, AlarmHost &host, AlarmActions &actions)
    : m_alarms(alarms), m_clock(clock), m_host(host), m_actions(actions)
{
}

namespace {

// Whether a whole activation of an alarm lay in the LMST the clock did not
// show: its window [start, start + duration) began after fromDays and ended
// by toDays. Both ends are LMST in days, counted on without wrapping, so
// toDays - fromDays is the unseen span in sidereal days.
bool WindowPassedUnseen(double startDays, double durationDays, double fromDays, double toDays)
{
    if (!(durationDays > 0) || !(durationDays < toDays - fromDays))
        return false;
    // The first start after fromDays.
    const double firstStartDays = startDays + std::floor(fromDays - startDays) + 1;
    return firstStartDays + durationDays <= toDays;
}

}  // namespace

void AlarmCheck::run()
{
    // One "now" for the whole table: the tick's reading.
    const QDateTime now = m_clock.utcNow();
    const std::optional<QDateTime> lastUt = std::exchange(m_lastUt, now);
    if (m_alarms[0].Name.isEmpty())
        return;

    std::optional<double> lmstDays;
    m_readLmst.run([&] { lmstDays = m_host.lmstHours() / 24; });
    const double nowDays = automation::toAutomationDate(now);
    // After a late tick: the LMST the clock did not show, (unseenFrom, LMST now).
    std::optional<double> unseenFromDays;
    if (lmstDays && lastUt && lastUt->secsTo(now) > kLateTickSeconds)
        unseenFromDays = *lmstDays - lastUt->msecsTo(now) / 1000.0 * ephemkit::kSiderealPerUtLmst / 86400.0;
    QList<const AlarmDef *> missed;

    for (int i = 0; i < m_alarms.size(); ++i) {
        AlarmDef &alarm = m_alarms[i];

        runStep(lcAlarms, "expire an alarm", [&] {
            if (alarm.Triggered && (!alarm.TriggeredUntil || now > *alarm.TriggeredUntil)) {
                m_queue.drop(alarm.Name);
                m_actions.closeWindows(alarm.Name);
                alarm.Triggered = false;
            }
        });

        if (!lmstDays || !alarm.Enabled || alarm.Triggered)
            continue;
        runStep(lcAlarms, "test whether an alarm is due",
                [&] { alarm.Triggered = AlarmDue(alarm.SiderealTime, alarm.Duration.value_or(0), *lmstDays); });
        if (!alarm.Triggered) {
            if (unseenFromDays
                && WindowPassedUnseen(alarm.SiderealTime, alarm.Duration.value_or(0), *unseenFromDays, *lmstDays))
                missed.append(&alarm);
            continue;
        }

        // The end of the activation first: an alarm whose values make no
        // date (a duration of 1e308 days) is not fired at all, and says so
        // once, not at every tick.
        QDateTime until;
        RepeatedStep &endStep =
            m_endSteps.try_emplace(alarm.Name, lcAlarms, "compute the end of an alarm").first->second;
        if (!endStep.run([&] { until = automation::fromAutomationDate(nowDays + alarm.Duration.value_or(0)); })) {
            alarm.Triggered = false;
            continue;
        }
        runStep(lcAlarms, "fire an alarm", [&] { fire(alarm); });
        alarm.TriggeredUntil = until;
    }

    if (!missed.isEmpty())
        runStep(lcAlarms, "report missed alarms", [&] { reportMissed(missed); });
    if (!m_queue.isEmpty())
        m_queue.runTurn();
}

void AlarmCheck::reportMissed(const QList<const AlarmDef *> &missed)
{
    NoticeOrder report;
    const int count = int(missed.size());
    report.caption = QCoreApplication::translate("AlarmCheck", "Missed alarms", nullptr, count);
    QStringList lines;
    for (const AlarmDef *alarm : missed) {
        const QString at = formatTime(alarm->SiderealTime, u"HH:nn:ss");
        qCWarning(lcAlarms).noquote() << "alarm" << alarm->Name << "at LMST" << at
                                      << "fell due and ended while the clock did not tick; not carried out";
        //: %1 is an alarm's name, %2 its sidereal time (HH:MM:SS).
        lines << QCoreApplication::translate("AlarmCheck", "%1 at LMST %2").arg(alarm->Name, at);
    }
    report.message = QCoreApplication::translate("AlarmCheck",
                                                 "While the clock was stopped, these alarms fell due and ended; "
                                                 "they were not carried out:\n%1",
                                                 nullptr, count)
                         .arg(lines.join(QLatin1Char('\n')));
    m_actions.reportMissed(report);
}

void AlarmCheck::fire(const AlarmDef &alarm)
{
    // The orders are made now, with this tick's readings; they are carried
    // out from the queue.
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
        m_queue.push(alarm.Name, [this, notice] { m_actions.openNotice(notice); });
    } else if (alarm.Action == kActionLaunchProgram) {
        // A program that cannot start is skipped; the alarm still counts as fired.
        m_queue.push(alarm.Name, [this, commandLine = alarm.Param1, minimized = LaunchMinimized(alarm.Param2)] {
            m_actions.launchProgram(commandLine, minimized);
        });
    } else if (alarm.Action == kActionSendLmstTcp) {
        SenderOrder sender;
        sender.tag = alarm.Name;
        runStep(lcAlarms, "read the engine longitude", [&] { sender.senderLng = m_host.engineLng(); });
        runStep(lcAlarms, "read the sender text", [&] { sender.messageTemplate = alarm.Param1; });
        runStep(lcAlarms, "read the sender address", [&] { sender.url = alarm.Param2; });
        sender.repeatMinutes = alarm.Param3;
        m_queue.push(alarm.Name, [this, sender] { m_actions.openSender(sender); });
    }
}

}  // namespace noctalis
