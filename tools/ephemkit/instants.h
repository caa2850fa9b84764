// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// UT instants as a script types them, and the instants of a table.
#pragma once

#include "clock.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <variant>

namespace driver {

// parseInstant: a UT instant typed on the command line.
//
// Given:   text   "now" (any case), or ISO 8601 yyyy-MM-dd[Thh:mm[:ss[.f]]]
//                 with a blank allowed for the T and, after a time, an
//                 optional zone: Z, +hh, +hh:mm or +hhmm (or -)
//          clock  where "now" is read (its UTC, to the millisecond)
// Returned (function value):
//   the instant in UT (Qt::UTC, to the millisecond; a longer fraction is
//   rounded); nothing when the text is no such instant.
// Notes:
//   A time with a zone is local time of that zone: 12:00+01:00 is 11:00 UT.
//   The instant may fall outside the engine's years 100 to 9999; the caller
//   refuses it (automation::toAutomationDate raises error 6 "Overflow").
std::optional<QDateTime> parseInstant(const QString &text, const noctalis::Clock &clock);

// An instant as ISO 8601 UT: yyyy-MM-ddThh:mm:ss, with .zzz when it has
// milliseconds.
QString formatInstant(const QDateTime &utc);

// The instants from `from` to `to` (both included when `to` falls on a step)
// every stepMs milliseconds.
struct InstantRange {
    QDateTime from;
    qint64 stepMs = 0;
    qint64 count = 0;
    QDateTime at(qint64 index) const { return from.addMSecs(index * stepMs); }
};

// The most rows one table prints.
inline constexpr qint64 kMaxRows = 1000000;

// makeRange: the table of the options --from, --to and --step.
//
// Given:   fromText, toText  instants (parseInstant)
//          stepText          seconds between rows: a positive number, to the
//                            millisecond
//          clock             for "now"
// Returned (function value):
//   the range, or the message that refuses it: an instant that does not
//   read or lies outside the years 100 to 9999, a step that is no positive
//   number of milliseconds, --to before --from, or more than kMaxRows rows.
std::variant<InstantRange, QString> makeRange(const QString &fromText, const QString &toText, const QString &stepText,
                                              const noctalis::Clock &clock);

}  // namespace driver
