// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Errors raised by automation objects: a run-time error number and its text,
// as the caller of a late-bound member sees them.
#pragma once

#include <QString>
#include <stdexcept>

namespace automation {

// Run-time error numbers that members of automation objects raise.
enum ErrorNumber : int {
    kInvalidProcedureCall = 5,   // "Invalid procedure call or argument"
    kOverflow = 6,               // "Overflow"
    kTypeMismatch = 13,          // "Type mismatch"
    kObjectNotSet = 91,          // "Object variable or With block variable not set"
    kInvalidUseOfNull = 94,      // "Invalid use of Null"
    kCantAssignReadOnly = 383,   // "Can't assign to read-only property"
    kArgumentNotOptional = 449,  // "Argument not optional"
    kCantCreateObject = 429,     // "ActiveX component can't create object"
    kMemberNotSupported = 438,   // "Object doesn't support this property or method"
    kWrongArgumentCount = 450,   // "Wrong number of arguments or invalid property assignment"
};

// The standard text of a run-time error number ("Type mismatch" for 13).
QString errorText(int number);

class AutomationError : public std::runtime_error {
public:
    AutomationError(int number, const QString &description);
    explicit AutomationError(int number);

    int number() const { return m_number; }
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

}  // namespace automation
