// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Automation values held in QVariant, and the automation date.
//
// An invalid QVariant is Empty: it compares equal to "" and converts to 0 and
// to "". A QVariant holding std::nullptr_t is Null. A QVariant holding a
// QDateTime (Qt::UTC time, read as a civil date and time without zone) is a
// date. automation::Missing marks an optional argument that was left out.
//
// The automation date is a double counting days from 1899-12-30 00:00; the
// fraction is the time of day. Before 1899-12-30 the integer part counts days
// back and the fraction still runs forward from midnight (-1.25 is
// 1899-12-29 06:00).
#pragma once

#include "automationdate.h"

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QVariant>

#include <optional>

namespace automation {

struct Missing {};

QVariant missing();
QVariant null();
bool isMissing(const QVariant &v);
bool isNull(const QVariant &v);
bool isEmpty(const QVariant &v);
bool isDate(const QVariant &v);
bool isText(const QVariant &v);
bool isNumber(const QVariant &v);  // numbers and Booleans, not dates or texts

// Civil date and time <-> automation date. Exact for every whole second from
// year 100 to 9999; times keep their milliseconds. A number that is no
// automation date (isAutomationDate: NaN, the infinities, anything before
// year 100 or after year 9999) throws AutomationError 6 "Overflow" from
// every function below that takes days; an invalid QDate or QDateTime throws
// 13 "Type mismatch".
double toAutomationDate(const QDateTime &civil);
double toAutomationDate(const QDate &date, const QTime &time);
QDateTime fromAutomationDate(double days);  // rounded to the millisecond, Qt::UTC
QVariant dateValue(double days);            // a date variant for an automation date

// A civil date and time taken apart into the day (days since 1899-12-30) and
// whole seconds of that day: the fraction of the automation date is rounded
// to the millisecond first, then cut to the whole second.
struct DayAndSeconds {
    qint64 day;
    int secondsOfDay;
};
DayAndSeconds splitAutomationDate(double days);

// Conversions with the run-time's rules; each throws AutomationError
// (13 "Type mismatch", 94 "Invalid use of Null") when the value does not convert.
double toDouble(const QVariant &v);  // Empty 0, True -1, a date its day count, a numeric text
double toDate(const QVariant &v);    // automation date of a date, number, ISO text or Empty (6 out of range)
QString toText(const QVariant &v);   // Empty "", numbers in 15 significant digits

// The number a range-tested setter sees, or nothing when the value is not
// numeric (Null, Missing, a text that is no number).
std::optional<double> numericValue(const QVariant &v);

// Equality with Empty equal to "" and to 0.
bool looselyEqual(const QVariant &a, const QVariant &b);

// A date text: "yyyy-MM-ddTHH:mm:ss" (or a blank for the T; seconds and the
// time optional); nothing when it is not one.
std::optional<double> parseIsoDate(const QString &text);
QString formatIsoDate(double days);  // "yyyy-MM-ddTHH:mm:ss", rounded to the second

}  // namespace automation

Q_DECLARE_METATYPE(automation::Missing)
