// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "steps.h"

#include "automationerror.h"
#include "instants.h"
#include "variant.h"

#include <QRegularExpression>

namespace driver {

namespace {

[[noreturn]] void badStep(const QString &why)
{
    throw automation::AutomationError(automation::kInvalidProcedureCall, why);
}

// Splits "a, "b,c" ,d" at the commas outside double quotes.
QStringList splitArguments(const QString &text)
{
    QStringList parts;
    QString current;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c == QLatin1Char(',') && !quoted) {
            parts << current;
            current.clear();
        } else {
            current += c;
        }
    }
    if (quoted)
        badStep(QStringLiteral("unterminated text in %1").arg(text));
    parts << current;
    return parts;
}

}  // namespace

QVariant parseValue(const QString &text, const noctalis::Clock &clock)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("empty"), Qt::CaseInsensitive) == 0)
        return QVariant();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('"')) && t.endsWith(QLatin1Char('"')))
        return t.mid(1, t.size() - 2);
    if (const auto date = automation::parseIsoDate(t))
        return automation::dateValue(*date);
    if (const auto instant = parseInstant(t, clock))
        return automation::dateValue(automation::toAutomationDate(*instant));
    static const QRegularExpression number(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    if (number.match(t).hasMatch())
        return t.toDouble();
    throw automation::AutomationError(automation::kTypeMismatch,
                                      QStringLiteral("Type mismatch: not a value: %1").arg(t));
}

Step parseStep(const QString &text, const noctalis::Clock &clock)
{
    static const QRegularExpression name(QStringLiteral(R"(^[A-Za-z_][A-Za-z0-9_]*$)"));
    Step step;
    const int eq = text.indexOf(QLatin1Char('='));
    const int paren = text.indexOf(QLatin1Char('('));
    if (eq >= 0 && (paren < 0 || eq < paren)) {
        step.kind = Step::Set;
        step.member = text.left(eq).trimmed();
        step.args << parseValue(text.mid(eq + 1), clock);
    } else if (const int open = paren; open >= 0) {
        if (!text.endsWith(QLatin1Char(')')))
            badStep(QStringLiteral("missing ) in %1").arg(text));
        step.kind = Step::Call;
        step.member = text.left(open).trimmed();
        const QString inner = text.mid(open + 1, text.size() - open - 2);
        if (!inner.trimmed().isEmpty()) {
            for (const QString &arg : splitArguments(inner))
                step.args << (arg.trimmed().isEmpty() ? automation::missing() : parseValue(arg, clock));
        }
    } else {
        step.kind = Step::Get;
        step.member = text.trimmed();
    }
    if (!name.match(step.member).hasMatch())
        badStep(QStringLiteral("not a member name: %1").arg(step.member));
    return step;
}

QStringList splitStepLine(const QString &line)
{
    QStringList steps;
    QString current;
    bool quoted = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('#') && !quoted && current.isEmpty())
            break;  // a comment to the end of the line
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c.isSpace() && !quoted) {
            if (!current.isEmpty())
                steps << current;
            current.clear();
        } else {
            current += c;
        }
    }
    if (quoted)
        badStep(QStringLiteral("unterminated text in %1").arg(line.trimmed()));
    if (!current.isEmpty())
        steps << current;
    return steps;
}

QString formatValue(const QVariant &value, bool iso)
{
    if (automation::isEmpty(value))
        return QString();
    if (automation::isNull(value))
        return QStringLiteral("Null");
    if (automation::isDate(value)) {
        const double days = automation::toAutomationDate(value.toDateTime());
        return iso ? automation::formatIsoDate(days) : QString::number(days, 'g', 15);
    }
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (automation::isNumber(value))
        return QString::number(value.toDouble(), 'g', 15);
    return automation::toText(value);
}

}  // namespace driver
