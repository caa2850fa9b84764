// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Parsing the ephemkit driver's steps and printing their results.
#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

namespace driver {

struct Step {
    enum Kind { Set, Get, Call } kind = Get;
    QString member;
    QVariantList args;  // the value of a Set; the arguments of a Call
};

// Throws automation::AutomationError (13, "Type mismatch" with the bad text)
// for a value that is none of the accepted forms, 5 for a malformed step.
Step parseStep(const QString &text);
QVariant parseValue(const QString &text);

// Numbers and dates in 15 significant digits (dates as ISO 8601 with iso),
// texts as they are, Empty as the empty text.
QString formatValue(const QVariant &value, bool iso);

}  // namespace driver
