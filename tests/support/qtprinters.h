// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Readable QString and QVariant values in test failure messages.
#pragma once

#include <QString>
#include <QVariant>

#include <ostream>

inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

inline void PrintTo(const QVariant &v, std::ostream *os)
{
    *os << v.typeName() << "(" << v.toString().toStdString() << ")";
}
