// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "instants.h"

#include <QRegularExpression>

#include <cmath>

namespace driver {

namespace {

// Longer than the years 100 to 9999 hold (about 3.1e14 ms): one row.
constexpr double kLongestStepMs = 1e15;

bool inEngineYears(const QDateTime &utc)
{
    const int year = utc.toUTC().date().year();
    return year >= 100 && year <= 9999;
}

}  // namespace

std::optional<QDateTime> parseInstant(const QString &text, const noctalis::Clock &clock)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("now"), Qt::CaseInsensitive) == 0)
        return clock.utcNowMs().toUTC();
    static const QRegularExpression re(
        QStringLiteral(R"(^(\d{1,4})-(\d{1,2})-(\d{1,2})(?:[T ](\d{1,2}):(\d{2})(?::(\d{2})(?:[.,](\d+))?)?)"
                       R"((Z|[+-]\d{2}(?::?\d{2})?)?)?$)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(t);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    const QTime time(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
    if (!date.isValid() || date.year() < 100 || !time.isValid())
        return std::nullopt;
    QDateTime utc(date, time, Qt::UTC);
    if (const QString fraction = m.captured(7); !fraction.isEmpty())
        utc = utc.addMSecs(std::llround((QStringLiteral("0.") + fraction).toDouble() * 1000));
    const QString zone = m.captured(8);
    if (!zone.isEmpty() && zone.compare(QLatin1String("Z"), Qt::CaseInsensitive) != 0) {
        const QString digits = zone.mid(1).remove(QLatin1Char(':'));
        const int hours = digits.left(2).toInt();
        const int minutes = digits.size() > 2 ? digits.mid(2).toInt() : 0;
        if (hours > 23 || minutes > 59)
            return std::nullopt;
        const int eastSeconds = (hours * 3600 + minutes * 60) * (zone.startsWith(QLatin1Char('-')) ? -1 : 1);
        utc = utc.addSecs(-eastSeconds);
    }
    return utc;
}

QString formatInstant(const QDateTime &utc)
{
    const QDateTime t = utc.toUTC();
    return t.toString(t.time().msec() ? QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")
                                      : QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

std::variant<InstantRange, QString> makeRange(const QString &fromText, const QString &toText, const QString &stepText,
                                              const noctalis::Clock &clock)
{
    const auto from = parseInstant(fromText, clock);
    const auto to = parseInstant(toText, clock);
    for (const auto &[option, text, instant] : {std::tuple{"--from", fromText, from}, std::tuple{"--to", toText, to}}) {
        if (!instant)
            return QStringLiteral("%1 %2: not a UT instant (2000-01-01T12:00:00, with .5, Z or +01:00, or now)")
                .arg(QLatin1String(option), text);
        if (!inEngineYears(*instant))
            return QStringLiteral("%1 %2: outside the years 100 to 9999").arg(QLatin1String(option), text);
    }
    static const QRegularExpression number(QStringLiteral(R"(^\s*\+?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\s*$)"));
    const double stepMs = stepText.toDouble() * 1000;
    if (!number.match(stepText).hasMatch() || !(std::round(stepMs) >= 1))
        return QStringLiteral("--step %1: not a positive number of seconds (at least 0.001)").arg(stepText);
    InstantRange range;
    range.from = *from;
    range.stepMs = std::llround(std::min(stepMs, kLongestStepMs));
    const qint64 spanMs = from->msecsTo(*to);
    if (spanMs < 0)
        return QStringLiteral("--to %1 is before --from %2: no instant to run").arg(toText, fromText);
    range.count = spanMs / range.stepMs + 1;
    if (range.count > kMaxRows)
        return QStringLiteral("%1 rows from --from to --to every %2 s: more than %3")
            .arg(range.count)
            .arg(stepText.trimmed())
            .arg(kMaxRows);
    return range;
}

}  // namespace driver
