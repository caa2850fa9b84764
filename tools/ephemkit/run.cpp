// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "run.h"

#include "automationerror.h"
#include "members.h"
#include "variant.h"

#include <vector>

namespace driver {

namespace {

// A CSV field: quoted, its quotes doubled, when it holds a comma, a quote or
// a line break.
QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool isLongitude(const QString &canonical) { return canonical == QLatin1String(kLongitudeMember); }

}  // namespace

QStringList expandStandardInput(const QStringList &steps, QTextStream &in)
{
    QStringList expanded;
    for (const QString &step : steps) {
        if (step != QLatin1String("-")) {
            expanded << step;
            continue;
        }
        int lineNumber = 0;
        QString line;
        while (in.readLineInto(&line)) {
            ++lineNumber;
            try {
                expanded << splitStepLine(line);
            } catch (const automation::AutomationError &e) {
                throw automation::AutomationError(
                    e.number(), QStringLiteral("standard input line %1: %2").arg(lineNumber).arg(e.description()));
            }
        }
    }
    return expanded;
}

Runner::Runner(automation::Object &object, const Options &options, const noctalis::Clock &clock, QTextStream &out,
               QTextStream &err)
    : m_object(object), m_options(options), m_clock(clock), m_out(out), m_err(err)
{
}

int Runner::run(const QStringList &steps) { return m_options.table ? runTable(steps) : runOnce(steps); }

void Runner::set(const Step &step, const QString &text, int index)
{
    QVariant value = step.args.value(0);
    const Member *member = m_options.engineMembers ? findMember(m_object.memberName(step.member)) : nullptr;
    if (member) {
        if (const auto why = ignoredBecause(*member, value, m_options.east)) {
            if (m_warned.insert(index).second)
                m_err << "ephemkit: " << text.trimmed() << " ignored: " << *why << "\n";
            if (m_options.east && isLongitude(QLatin1String(member->name)))
                return;  // its west value could fall in range
        } else if (m_options.east && isLongitude(QLatin1String(member->name))) {
            value = eastToWestDeg(*automation::numericValue(value));
        }
    }
    m_object.set(step.member, value);
}

std::optional<QString> Runner::runStep(const Step &step, const QString &text, int index)
{
    QVariant result;
    switch (step.kind) {
    case Step::Set: set(step, text, index); return std::nullopt;
    case Step::Get: result = m_object.get(step.member); break;
    case Step::Call: result = m_object.call(step.member, step.args); break;
    }
    if (m_options.east && m_options.engineMembers && step.kind == Step::Get
        && isLongitude(m_object.memberName(step.member))) {
        if (const auto west = automation::numericValue(result))
            result = westToEastDeg(*west);
    }
    return formatValue(result, m_options.iso);
}

int Runner::fail(const QString &text, const QString &where, int number, const QString &description)
{
    m_out.flush();
    m_err << "ephemkit: step '" << text << "'" << where << ": error " << number << ": " << description << "\n";
    return 1;
}

int Runner::runOnce(const QStringList &steps)
{
    for (int i = 0; i < steps.size(); ++i) {
        try {
            if (const auto line = runStep(parseStep(steps[i], m_clock), steps[i], i)) {
                m_out << *line << "\n";
                m_out.flush();
            }
        } catch (const automation::AutomationError &e) {
            return fail(steps[i], QString(), e.number(), e.description());
        }
        m_err.flush();
    }
    return 0;
}

int Runner::runTable(const QStringList &steps)
{
    std::vector<Step> parsed;
    QStringList header{QStringLiteral("UTDate")};
    for (const QString &text : steps) {
        try {
            parsed.push_back(parseStep(text, m_clock));
        } catch (const automation::AutomationError &e) {
            return fail(text, QString(), e.number(), e.description());
        }
        if (parsed.back().kind != Step::Set)
            header << text;
    }
    int current = 0;
    try {
        for (; current < int(parsed.size()) && parsed[size_t(current)].kind == Step::Set; ++current)
            runStep(parsed[size_t(current)], steps[current], current);
    } catch (const automation::AutomationError &e) {
        return fail(steps[current], QString(), e.number(), e.description());
    }
    m_err.flush();
    if (m_options.csv)
        printRow(header);

    const InstantRange &range = *m_options.table;
    for (qint64 row = 0; row < range.count; ++row) {
        const QDateTime instant = range.at(row);
        QStringList cells{formatInstant(instant)};
        current = -1;
        try {
            m_object.set(QStringLiteral("UTDate"), automation::dateValue(automation::toAutomationDate(instant)));
            for (current = 0; current < int(parsed.size()); ++current) {
                if (const auto value = runStep(parsed[size_t(current)], steps[current], current))
                    cells << *value;
            }
        } catch (const automation::AutomationError &e) {
            return fail(steps.value(current, QStringLiteral("UTDate")), QStringLiteral(" at ") + cells.first(),
                        e.number(), e.description());
        }
        printRow(cells);
    }
    m_out.flush();
    return 0;
}

void Runner::printRow(const QStringList &cells)
{
    if (!m_options.csv) {
        m_out << cells.join(QLatin1Char('\t')) << "\n";
        return;
    }
    QStringList fields;
    for (const QString &cell : cells)
        fields << csvField(cell);
    m_out << fields.join(QLatin1Char(',')) << "\n";
}

}  // namespace driver
