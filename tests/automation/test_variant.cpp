// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Automation values: Empty, and the automation date.

#include "automationerror.h"
#include "civil.h"
#include "continuoustime.h"
#include "variant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace automation;

TEST(Variant, EmptyComparesEqualToEmptyTextAndConvertsToZero)
{
    const QVariant empty;
    EXPECT_TRUE(isEmpty(empty));
    EXPECT_TRUE(looselyEqual(empty, QString()));
    EXPECT_TRUE(looselyEqual(QString(), empty));
    EXPECT_TRUE(looselyEqual(empty, 0));
    EXPECT_FALSE(looselyEqual(empty, QStringLiteral(" ")));
    EXPECT_FALSE(looselyEqual(empty, 1.5));
    EXPECT_EQ(toDouble(empty), 0.0);
    EXPECT_EQ(toText(empty), QString());
    EXPECT_FALSE(isEmpty(QVariant(QString())));
}

TEST(Variant, ConversionsAndTheirErrors)
{
    EXPECT_EQ(toDouble(true), -1.0);
    EXPECT_EQ(toDouble(QStringLiteral(" 2.5 ")), 2.5);
    EXPECT_EQ(toDouble(QVariant(7)), 7.0);
    EXPECT_EQ(toDouble(dateValue(36526.5)), 36526.5);
    try {
        toDouble(QStringLiteral("2.5x"));
        FAIL() << "no error";
    } catch (const AutomationError &e) {
        EXPECT_EQ(e.number(), kTypeMismatch);
        EXPECT_EQ(e.description(), QStringLiteral("Type mismatch"));
    }
    try {
        toDate(null());
        FAIL() << "no error";
    } catch (const AutomationError &e) {
        EXPECT_EQ(e.number(), kInvalidUseOfNull);
    }
    EXPECT_EQ(toDate(QStringLiteral("2000-01-01T12:00:00")), 36526.5);
    EXPECT_EQ(toDate(QStringLiteral("2000-01-01 06:00")), 36526.25);
    EXPECT_EQ(toDate(QVariant()), 0.0);
    EXPECT_THROW(toDate(QStringLiteral("2000-02-30")), AutomationError);
    EXPECT_THROW(toDate(1e9), AutomationError);
    EXPECT_EQ(numericValue(QStringLiteral("abc")), std::nullopt);
    EXPECT_EQ(numericValue(null()), std::nullopt);
    EXPECT_EQ(numericValue(QVariant()), 0.0);
    EXPECT_TRUE(isMissing(missing()));
    EXPECT_FALSE(isMissing(QVariant()));
}

TEST(AutomationDate, KnownDays)
{
    EXPECT_EQ(civil(1899, 12, 30), 0.0);
    EXPECT_EQ(civil(2000, 1, 1), 36526.0);
    EXPECT_EQ(civil(2000, 1, 1, 12), 36526.5);
    EXPECT_EQ(civil(1899, 12, 29, 6), -1.25);
    EXPECT_EQ(civil(100, 1, 1), kMinAutomationDate);
    EXPECT_EQ(civil(9999, 12, 31), 2958465.0);
    EXPECT_EQ(fromAutomationDate(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0), Qt::UTC));
    EXPECT_EQ(formatIsoDate(-1.25), QStringLiteral("1899-12-29T06:00:00"));
    EXPECT_EQ(formatIsoDate(36526.5 - 0.2 / 86400), QStringLiteral("2000-01-01T12:00:00"));
}

// Every day from year 100 to 9999 at three times, and every second of two
// whole days on either side of day 0, come back exactly.
TEST(AutomationDate, RoundTripEveryDayAndEverySecondOfSomeDays)
{
    const QTime times[] = {QTime(0, 0, 0), QTime(12, 34, 56), QTime(23, 59, 59)};
    const qint64 first = QDate(100, 1, 1).toJulianDay();
    const qint64 last = QDate(9999, 12, 31).toJulianDay();
    qint64 failures = 0;
    for (qint64 jd = first; jd <= last && failures < 5; ++jd) {
        const QDate d = QDate::fromJulianDay(jd);
        for (const QTime &t : times) {
            const QDateTime civilTime(d, t, Qt::UTC);
            const QDateTime back = fromAutomationDate(toAutomationDate(civilTime));
            if (back != civilTime) {
                ADD_FAILURE() << civilTime.toString(Qt::ISODate).toStdString() << " came back as "
                              << back.toString(Qt::ISODate).toStdString();
                ++failures;
            }
        }
    }
    for (const QDate d : {QDate(1899, 12, 29), QDate(9999, 12, 31), QDate(100, 1, 1)}) {
        for (int s = 0; s < 86400; ++s) {
            const QDateTime civilTime(d, QTime(0, 0).addSecs(s), Qt::UTC);
            const double days = toAutomationDate(civilTime);
            ASSERT_EQ(fromAutomationDate(days), civilTime) << s;
            const DayAndSeconds split = splitAutomationDate(days);
            ASSERT_EQ(split.secondsOfDay, s);
            ASSERT_EQ(split.day, d.toJulianDay() - QDate(1899, 12, 30).toJulianDay());
        }
    }
}

// On the continuous line of days the span between two automation dates is
// the civil time between them, on both sides of 1899-12-30; the inverse
// gives the very automation date back, and an instant that rounds onto a
// midnight is that midnight, never a day off.
TEST(AutomationDate, ContinuousDaysMeasureTheTimeBetweenDates)
{
    const QDateTime base(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    for (qint64 day = -657434; day < 2958466; day += 4567) {
        for (int s : {0, 1, 21600, 45296, 86399}) {
            const QDateTime t = base.addDays(day).addSecs(s);
            const double date = toAutomationDate(t);
            const double days = continuousDays(date);
            ASSERT_NEAR(days, double(base.secsTo(t)) / 86400, 1e-9) << t.toString(Qt::ISODate).toStdString();
            ASSERT_EQ(automationDateOf(days), date) << t.toString(Qt::ISODate).toStdString();
            ASSERT_EQ(julianDateOf(date), days + 2415018.5);
            if (s == 0) {
                ASSERT_EQ(double(civilDayNumber(t.date().year(), t.date().month(), t.date().day())), date);
            }
        }
    }
    EXPECT_EQ(continuousDays(-1.25), -0.75);
    EXPECT_EQ(automationDateOf(-0.75), -1.25);
    EXPECT_EQ(automationDateOf(-1e-300), 0.0);
    // Just after midnight of day -18000; and just before midnight of day -3,
    // where day -4 less the fraction rounds to -5: that midnight is -3.
    EXPECT_EQ(automationDateOf(std::nextafter(-18000.0, 0.0)), std::nextafter(-18000.0, -1e9));
    EXPECT_EQ(automationDateOf(std::nextafter(-3.0, -1e9)), -3.0);
}

// Numbers that no civil date stands for are refused as an overflow, never
// cast out of the range of the integers; the years 100 and 9999 still convert.
TEST(AutomationDate, NumbersBeyondTheCalendarOverflow)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    const double beyond[] = {1e308, -1e308, inf, -inf, std::nan(""), 2958467.0, -657435.0, 9.3e18};
    for (const double days : beyond) {
        SCOPED_TRACE(days);
        EXPECT_FALSE(isAutomationDate(days));
        EXPECT_FALSE(splitDayAndMs(days).has_value());
        for (const auto &convert : {+[](double d) { dateValue(d); }, +[](double d) { splitAutomationDate(d); },
                                    +[](double d) { formatIsoDate(d); }, +[](double d) { toDate(d); }}) {
            try {
                convert(days);
                ADD_FAILURE() << "no error";
            } catch (const AutomationError &e) {
                EXPECT_EQ(e.number(), kOverflow);
            }
        }
    }
    EXPECT_EQ(fromAutomationDate(civil(100, 1, 1, 12)), QDateTime(QDate(100, 1, 1), QTime(12, 0), Qt::UTC));
    EXPECT_EQ(formatIsoDate(civil(9999, 12, 31, 23, 59, 59)), QStringLiteral("9999-12-31T23:59:59"));
    EXPECT_THROW(toDouble(QVariant(QDateTime())), AutomationError) << "an invalid date has no day number";
}

}  // namespace
