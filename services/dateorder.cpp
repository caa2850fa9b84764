// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "dateorder.h"

namespace noctalis {

QString defaultDateFormat(const QLocale &locale)
{
    const QString monthFirst = QStringLiteral("MM/DD/YYYY");
    // The C locale has no language of its own; its "d MMM yyyy" is no
    // reader's habit.
    if (locale.language() == QLocale::C)
        return monthFirst;
    const QString pattern = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype day = pattern.indexOf(QLatin1Char('d'));
    const qsizetype month = pattern.indexOf(QLatin1Char('M'));
    if (day >= 0 && month >= 0 && day < month)
        return QStringLiteral("DD/MM/YYYY");
    return monthFirst;
}

}  // namespace noctalis
