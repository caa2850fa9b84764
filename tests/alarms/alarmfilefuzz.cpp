// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "alarmfilefuzz.h"

#include "alarmfile.h"
#include "numbertext.h"
#include "variant.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

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
        if (!alarms[i].Triggered
            || alarms[i].TriggeredUntil != QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC).addSecs(i))
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

namespace {

// Pieces of the texts: every word the file gives a meaning, the marks of
// time fields, and characters that need more than ASCII.
const std::array<QStringView, 30> kPieces = {u"NAME:",
                                             u"ACTION:",
                                             u"SIDEREALTIME:",
                                             u"ENABLED:",
                                             u"PARAM1:",
                                             u"PARAM2:",
                                             u"PARAM3:",
                                             u"DURATION:",
                                             u"END ALARM DEF",
                                             u"SIDEREAL ALARM FILE",
                                             u"ENABLED: yes; LMST=",
                                             u"[LMST HH:MM:SS]",
                                             u"[UT HOURS]",
                                             u"[",
                                             u"]",
                                             u":",
                                             u"\"",
                                             u"'",
                                             u",",
                                             u" ",
                                             u"  ",
                                             u"\t",
                                             u"True",
                                             u"-1.5E-03",
                                             u"Caf\u00e9",
                                             u"\u20ac\u00a0",
                                             u"\u00c3\u00a9",
                                             u"\u0391\u03c9 \u6f22\u5b57",
                                             u"\U0001F52D",
                                             u"bell.wav"};

QString randomText(std::mt19937_64 &rng)
{
    const auto below = [&rng](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(rng)); };
    if (below(400) == 0)  // the longest a field may be, ending in a tag word
        return QString(noctalis::kMaxAlarmFieldChars - 4, QLatin1Char('x')) + QStringLiteral("DEF:");
    QString text;
    for (int n = below(7); n > 0; --n) {
        if (below(3) == 0)
            text += QChar(char16_t(0x20 + below(0x5F)));  // any printable ASCII
        else
            text += kPieces[std::size_t(below(int(kPieces.size())))];
    }
    return text;
}

// Minutes as the editor takes them: more than 0, at most 1440, a few decimals.
double randomMinutes(std::mt19937_64 &rng)
{
    return double(std::uniform_int_distribution<int>(1, 144000)(rng)) / 100.0;
}

bool sameNumber(double a, double b)
{
    return std::abs(a - b) <= 1e-14 * std::max(1.0, std::max(std::abs(a), std::abs(b)));
}

}  // namespace

noctalis::AlarmTable randomEditorTable(std::uint64_t seed)
{
    std::mt19937_64 rng(seed);
    const auto below = [&rng](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(rng)); };
    noctalis::AlarmTable table;
    table.resize(1 + below(6));
    for (int i = 0; i < table.size(); ++i) {
        noctalis::AlarmDef &alarm = table[i];
        alarm.Action = qint16(below(4));
        alarm.SiderealTime = below(86400) / 86400.0;
        alarm.Enabled = below(2) == 1;
        alarm.Name = randomText(rng);
        alarm.Param1 = randomText(rng);
        alarm.Param2 = randomText(rng);
        alarm.Param3 = alarm.Action == noctalis::kActionSendLmstTcp ? noctalis::plainNumberText(randomMinutes(rng))
                                                                    : randomText(rng);
        alarm.Duration = randomMinutes(rng) / 1440.0;
    }
    return table;
}

QString checkRoundTrip(const noctalis::AlarmTable &table)
{
    QString error;
    const std::optional<QByteArray> bytes = noctalis::alarmFileBytes(table, &error);
    if (!bytes)
        return QStringLiteral("not saved: ") + error;
    noctalis::AlarmTable loaded;
    noctalis::RecordingMessageService messages;
    const int last = noctalis::loadAlarmBytes(*bytes, QStringLiteral("round.alm"), loaded, messages);
    if (!messages.messages.isEmpty())
        return QStringLiteral("loading told: ") + messages.messages[0].text;
    if (last != table.size() - 1 || loaded.size() != table.size())
        return QStringLiteral("%1 alarms saved, %2 loaded").arg(table.size()).arg(last + 1);
    for (int i = 0; i < table.size(); ++i) {
        const noctalis::AlarmDef &a = table[i];
        const noctalis::AlarmDef &b = loaded[i];
        const QString at = QStringLiteral("alarm %1: ").arg(i + 1);
        if (a.Name != b.Name || a.Param1 != b.Param1 || a.Param2 != b.Param2 || a.Param3 != b.Param3)
            return at
                   + QStringLiteral("a text came back as \"%1\" \"%2\" \"%3\" \"%4\"")
                         .arg(b.Name.left(80), b.Param1.left(80), b.Param2.left(80), b.Param3.left(80));
        if (a.Action != b.Action || a.Enabled != b.Enabled)
            return at + QStringLiteral("action %1 enabled %2").arg(b.Action).arg(b.Enabled);
        if (!sameNumber(a.SiderealTime, b.SiderealTime)
            || noctalis::formatTime(a.SiderealTime, u"HH:nn:ss") != noctalis::formatTime(b.SiderealTime, u"HH:nn:ss"))
            return at + QStringLiteral("sidereal time %1").arg(b.SiderealTime, 0, 'g', 17);
        if (a.Duration.has_value() != b.Duration.has_value() || (a.Duration && !sameNumber(*a.Duration, *b.Duration)))
            return at + QStringLiteral("duration %1").arg(b.Duration.value_or(-1), 0, 'g', 17);
    }
    if (noctalis::alarmFileBytes(loaded) != bytes)
        return QStringLiteral("saving the loaded table gives other bytes");
    return QString();
}

}  // namespace alarmfuzz
