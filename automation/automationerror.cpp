// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "automationerror.h"

namespace automation {

QString errorText(int number)
{
    switch (number) {
    case kInvalidProcedureCall: return QStringLiteral("Invalid procedure call or argument");
    case kOverflow: return QStringLiteral("Overflow");
    case kTypeMismatch: return QStringLiteral("Type mismatch");
    case kObjectNotSet: return QStringLiteral("Object variable or With block variable not set");
    case kInvalidUseOfNull: return QStringLiteral("Invalid use of Null");
    case kCantAssignReadOnly: return QStringLiteral("Can't assign to read-only property");
    case kArgumentNotOptional: return QStringLiteral("Argument not optional");
    case kCantCreateObject: return QStringLiteral("ActiveX component can't create object");
    case kMemberNotSupported: return QStringLiteral("Object doesn't support this property or method");
    case kWrongArgumentCount: return QStringLiteral("Wrong number of arguments or invalid property assignment");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

AutomationError::AutomationError(int number, const QString &description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
{
}

AutomationError::AutomationError(int number) : AutomationError(number, errorText(number)) {}

}  // namespace automation
