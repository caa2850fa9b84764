// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "tonighttargets.h"

#include "backgroundstep.h"
#include "settingvalues.h"
#include "strictinput.h"

#include <QStringList>
#include <QUrl>

#include <cmath>

namespace noctalis {

namespace {

const QString kKey = QStringLiteral("TonightTargets");
const QLatin1Char kTargetSeparator('|');

// What a name keeps as it is in the stored text besides letters, digits and
// "-._~".
const QByteArray kKeptInNames(" ");

}  // namespace

std::optional<double> ParseRightAscension(const QString &text)
{
    constexpr double kHoursPerDay = 24;
    const std::optional<double> hours = sexagesimalFromText(text, AngleUnit::Hours);
    if (!hours || std::signbit(*hours) || *hours >= kHoursPerDay)
        return std::nullopt;
    return hours;
}

std::optional<double> ParseDeclination(const QString &text)
{
    constexpr double kPoleDeg = 90;
    const std::optional<double> degrees = sexagesimalFromText(text, AngleUnit::Degrees);
    if (!degrees || *degrees < -kPoleDeg || *degrees > kPoleDeg)
        return std::nullopt;
    return degrees;
}

QList<TonightTarget> readTonightTargets(const SettingsStore &store)
{
    QList<TonightTarget> targets;
    const QString text = readTextSetting(store, kKey, QString());
    for (const QString &entry : text.split(kTargetSeparator, Qt::SkipEmptyParts)) {
        const QStringList fields = entry.split(QLatin1Char(' '));
        bool raOk = false;
        bool decOk = false;
        TonightTarget t;
        if (fields.size() >= 3) {
            t.raHours = fields[0].toDouble(&raOk);
            t.decDeg = fields[1].toDouble(&decOk);
            t.name = QUrl::fromPercentEncoding(fields.mid(2).join(QLatin1Char(' ')).toLatin1());
        }
        if (!raOk || !decOk || !(t.raHours >= 0 && t.raHours < 24) || !(t.decDeg >= -90 && t.decDeg <= 90)
            || t.name.isEmpty()) {
            qCInfo(lcSettings).noquote() << "target" << entry << "of" << kKey << "left out: not readable";
            continue;
        }
        targets.push_back(t);
    }
    return targets;
}

void writeTonightTargets(SettingsStore &store, const QList<TonightTarget> &targets)
{
    QStringList entries;
    for (const TonightTarget &t : targets)
        entries << QString::number(t.raHours, 'g', 17) + QLatin1Char(' ') + QString::number(t.decDeg, 'g', 17)
                       + QLatin1Char(' ') + QString::fromLatin1(QUrl::toPercentEncoding(t.name, kKeptInNames));
    writeSetting(store, kKey, entries.join(kTargetSeparator));
}

}  // namespace noctalis
