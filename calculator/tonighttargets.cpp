// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "tonighttargets.h"

#include "backgroundstep.h"
#include "settingvalues.h"

#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

namespace noctalis {

namespace {

const QString kKey = QStringLiteral("TonightTargets");
const QLatin1Char kTargetSeparator('|');

// What a name keeps as it is in the stored text besides letters, digits and
// "-._~".
const QByteArray kKeptInNames(" ");

double number(const QString &field)
{
    return field.isEmpty() ? 0 : QString(field).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

} // namespace

std::optional<double> AngleTextValue(const QString &text)
{
    static const QRegularExpression form(QStringLiteral(
        R"(^([+-]?)(\d+(?:[.,]\d*)?|[.,]\d+)$|^([+-]?)(\d+):([0-5]?\d(?:[.,]\d*)?)(?::([0-5]?\d(?:[.,]\d*)?))?$)"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    if (m.capturedLength(2) > 0) {
        const double value = number(m.captured(2));
        return m.captured(1) == QLatin1String("-") ? -value : value;
    }
    const double value = m.captured(4).toDouble() + number(m.captured(5)) / 60 + number(m.captured(6)) / 3600;
    return m.captured(3) == QLatin1String("-") ? -value : value;
}

std::optional<double> ParseRightAscension(const QString &text)
{
    const std::optional<double> hours = AngleTextValue(text);
    if (!hours || text.trimmed().startsWith(QLatin1Char('-')) || *hours >= 24)
        return std::nullopt;
    return hours;
}

std::optional<double> ParseDeclination(const QString &text)
{
    const std::optional<double> degrees = AngleTextValue(text);
    if (!degrees || *degrees < -90 || *degrees > 90)
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
        entries << QString::number(t.raHours, 'g', 17) + QLatin1Char(' ') + QString::number(t.decDeg, 'g', 17) +
                       QLatin1Char(' ') + QString::fromLatin1(QUrl::toPercentEncoding(t.name, kKeptInNames));
    writeSetting(store, kKey, entries.join(kTargetSeparator));
}

} // namespace noctalis
