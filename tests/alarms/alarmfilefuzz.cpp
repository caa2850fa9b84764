// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "alarmfilefuzz.h"

#include "alarmfile.h"
#include "variant.h"

#include <algorithm>

namespace alarmfuzz {

QString checkLoad(const QByteArray &bytes)
{
    constexpr int kBefore = 3;
    noctalis::AlarmTable alarms;
    alarms.resize(kBefore);
    for (int i = 0; i < kBefore; ++i) {
        alarms[i].Name = QStringLiteral("before %1").arg(i);
        alarms[i].Triggered = true;
        alarms[i].TriggeredUntil = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC).addSecs(i);
    }
    noctalis::RecordingMessageService messages;
    const int result = noctalis::loadAlarmBytes(bytes, QStringLiteral("fuzz.alm"), alarms, messages);

    if (result < -1)
        return QStringLiteral("result %1 below -1").arg(result);
    if (result == -1) {
        if (alarms.size() != kBefore)
            return QStringLiteral("result -1 but the table changed size to %1").arg(alarms.size());
        for (int i = 0; i < kBefore; ++i) {
            if (alarms[i].Name != QStringLiteral("before %1").arg(i))
                return QStringLiteral("result -1 but record %1 changed").arg(i);
        }
    } else if (alarms.size() != result + 1) {
        return QStringLiteral("result %1 with %2 records").arg(result).arg(alarms.size());
    }
    for (int i = 0; i < std::min(kBefore, alarms.size()); ++i) {
        if (!alarms[i].Triggered || alarms[i].TriggeredUntil != QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC).addSecs(i))
            return QStringLiteral("record %1 lost its run-time state").arg(i);
    }
    for (int i = kBefore; i < alarms.size(); ++i) {
        if (alarms[i].Triggered || alarms[i].TriggeredUntil)
            return QStringLiteral("new record %1 is not fresh").arg(i);
    }
    for (int i = 0; i <= result; ++i) {
        const double start = alarms[i].SiderealTime;
        if (alarms[i].Enabled && !(start >= 0 && start < 1 && alarms[i].Duration.value_or(0) >= 0))
            return QStringLiteral("alarm %1 left enabled to fire at every tick").arg(i + 1);
    }
    // At most the failure and then the list of alarms loaded disabled.
    const auto &all = messages.messages;
    if (all.size() > 2 || (all.size() == 2 && !all[1].text.startsWith(noctalis::disabledAlarmsHeading())))
        return QStringLiteral("%1 messages").arg(all.size());
    for (const auto &m : all) {
        if (m.title != noctalis::programTitle() || m.buttons != noctalis::MessageButtons::Ok)
            return QStringLiteral("message without the program's title or OK button");
    }
    return QString();
}

} // namespace alarmfuzz
