// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "variant.h"

#include "automationdate.h"
#include "automationerror.h"

#include <QRegularExpression>

#include <cmath>

namespace automation {

namespace {

// Julian day number of 1899-12-30, day 0 of the automation date.
constexpr qint64 kEpochJulianDay = 2415019;

bool isMetaType(const QVariant &v, const char *name) { return v.isValid() && qstrcmp(v.metaType().name(), name) == 0; }

std::optional<double> parseNumberText(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double d = t.toDouble(&ok);  // C locale: "." is the decimal point
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

}  // namespace

QVariant missing() { return QVariant::fromValue(Missing{}); }
QVariant null() { return QVariant::fromValue(nullptr); }
bool isMissing(const QVariant &v) { return isMetaType(v, "automation::Missing"); }
bool isNull(const QVariant &v) { return v.isValid() && v.metaType().id() == QMetaType::Nullptr; }
bool isEmpty(const QVariant &v) { return !v.isValid(); }
bool isDate(const QVariant &v) { return v.isValid() && v.metaType().id() == QMetaType::QDateTime; }
bool isText(const QVariant &v) { return v.isValid() && v.metaType().id() == QMetaType::QString; }

bool isNumber(const QVariant &v)
{
    if (!v.isValid())
        return false;
    switch (v.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar: return true;
    default: return false;
    }
}

double toAutomationDate(const QDate &date, const QTime &time)
{
    // An invalid date has no day number to count from.
    if (!date.isValid())
        throw AutomationError(kTypeMismatch);
    const qint64 day = date.toJulianDay() - kEpochJulianDay;
    const double fraction = double(time.msecsSinceStartOfDay()) / double(kMsPerDay);
    return day >= 0 ? double(day) + fraction : double(day) - fraction;
}

double toAutomationDate(const QDateTime &civil) { return toAutomationDate(civil.date(), civil.time()); }

namespace {

DayAndMs checkedSplit(double days)
{
    const std::optional<DayAndMs> split = splitDayAndMs(days);
    if (!split)
        throw AutomationError(kOverflow);
    return *split;
}

}  // namespace

QDateTime fromAutomationDate(double days)
{
    const DayAndMs split = checkedSplit(days);
    const QDate date = QDate::fromJulianDay(split.day + kEpochJulianDay);
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(int(split.msOfDay)), Qt::UTC);
}

QVariant dateValue(double days) { return QVariant(fromAutomationDate(days)); }

DayAndSeconds splitAutomationDate(double days)
{
    const DayAndMs split = checkedSplit(days);
    return {split.day, int(split.msOfDay / 1000)};
}

double toDouble(const QVariant &v)
{
    if (isEmpty(v))
        return 0.0;
    if (isNull(v))
        throw AutomationError(kInvalidUseOfNull);
    if (isDate(v))
        return toAutomationDate(v.toDateTime());
    if (v.metaType().id() == QMetaType::Bool)
        return v.toBool() ? -1.0 : 0.0;
    if (isNumber(v))
        return v.toDouble();
    if (isText(v)) {
        if (const auto d = parseNumberText(v.toString()))
            return *d;
        if (const auto d = parseIsoDate(v.toString()))
            return *d;
    }
    throw AutomationError(kTypeMismatch);
}

double toDate(const QVariant &v)
{
    if (isText(v)) {
        if (const auto d = parseIsoDate(v.toString()))
            return *d;
        throw AutomationError(kTypeMismatch);
    }
    const double d = toDouble(v);
    if (!isAutomationDate(d))
        throw AutomationError(kOverflow);
    return d;
}

QString toText(const QVariant &v)
{
    if (isEmpty(v) || isMissing(v))
        return QString();
    if (isNull(v))
        throw AutomationError(kInvalidUseOfNull);
    if (isDate(v))
        return formatIsoDate(toAutomationDate(v.toDateTime()));
    if (v.metaType().id() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (v.metaType().id() == QMetaType::Double || v.metaType().id() == QMetaType::Float)
        return QString::number(v.toDouble(), 'g', 15);
    if (v.canConvert<QString>())
        return v.toString();
    throw AutomationError(kTypeMismatch);
}

std::optional<double> numericValue(const QVariant &v)
{
    if (isNull(v) || isMissing(v))
        return std::nullopt;
    if (isText(v))
        return parseNumberText(v.toString());
    try {
        return toDouble(v);
    } catch (const AutomationError &) {
        return std::nullopt;
    }
}

bool looselyEqual(const QVariant &a, const QVariant &b)
{
    if (isEmpty(a) && isEmpty(b))
        return true;
    if (isEmpty(a) || isEmpty(b)) {
        const QVariant &other = isEmpty(a) ? b : a;
        if (isText(other))
            return other.toString().isEmpty();
        if (isNumber(other) || isDate(other))
            return toDouble(other) == 0.0;
        return false;
    }
    if (isText(a) && isText(b))
        return a.toString() == b.toString();
    if ((isNumber(a) || isDate(a)) && (isNumber(b) || isDate(b)))
        return toDouble(a) == toDouble(b);
    return a == b;
}

std::optional<double> parseIsoDate(const QString &text)
{
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*(\d{1,4})-(\d{1,2})-(\d{1,2})(?:[T ](\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!date.isValid() || date.year() < 100)
        return std::nullopt;
    QTime time(0, 0);
    if (m.capturedLength(4) > 0) {
        time = QTime(m.captured(4).toInt(), m.captured(5).toInt(), m.capturedLength(6) > 0 ? m.captured(6).toInt() : 0);
        if (!time.isValid())
            return std::nullopt;
    }
    return toAutomationDate(date, time);
}

QString formatIsoDate(double days)
{
    const DayAndSeconds ds = splitAutomationDate(days + (days >= 0 ? 0.5 : -0.5) / 86400.0);
    const QDate date = QDate::fromJulianDay(ds.day + kEpochJulianDay);
    const QTime time = QTime(0, 0).addSecs(ds.secondsOfDay);
    return date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('T') + time.toString(QStringLiteral("HH:mm:ss"));
}

}  // namespace automation
