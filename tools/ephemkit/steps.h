// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Parsing the ephemkit driver's steps and printing their results.
#pragma once

#include "clock.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

namespace driver {

struct Step {
    enum Kind { Set, Get, Call } kind = Get;
    QString member;
    QVariantList args;  // the value of a Set; the arguments of a Call
};

// Throws automation::AutomationError (13, "Type mismatch" with the bad text)
// for a value that is none of the accepted forms, 5 for a malformed step, 6
// "Overflow" for a date outside the years 100 to 9999. A date is any
// instant parseInstant reads; "now" is read from clock when parsed.
Step parseStep(const QString &text, const noctalis::Clock &clock);
QVariant parseValue(const QString &text, const noctalis::Clock &clock);

// The steps of one line of a step file: split at blanks outside double
// quotes (the quotes stay in the step); a # that begins a step begins a
// comment to the end of the line. Throws 5 for an unterminated text.
QStringList splitStepLine(const QString &line);

// Numbers and dates in 15 significant digits (dates as ISO 8601 with iso),
// texts as they are, Empty as the empty text.
QString formatValue(const QVariant &value, bool iso);

}  // namespace driver
