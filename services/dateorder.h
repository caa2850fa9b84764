// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The order of day and month a user's language writes dates in, for the
// "DateFormat" setting's default.
#pragma once

#include <QLocale>
#include <QString>

namespace noctalis {

// defaultDateFormat: "DD/MM/YYYY" where the locale's short dates put the day
// before the month (German, British English, French, ...), else
// "MM/DD/YYYY" (American English, year-first locales, and the C locale).
QString defaultDateFormat(const QLocale &locale = QLocale());

}  // namespace noctalis
