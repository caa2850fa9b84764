// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// What a person types into a box, read whole: a value in its range or
// nothing, never a plausible number made of part of the text. Files keep
// their own, forgiving readers (numbertext.h, latlng.h).
//
// Every reader takes blanks around the text, a "+" or "-" in front, and "."
// or "," as the decimal point in any locale (never a thousands separator or
// an exponent). Angles and hours take one to three parts, the last of which
// alone may carry decimals, parts after the first below 60:
//   "70:40:01"  "70:40.5"        colons
//   "70 40 01"                   blanks
//   "70°40'01\"" "70°40′01″"     marks, with blanks between parts or not; the
//   "70d40m01s"  "18h36m56s"     last part may leave its mark out
#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>

namespace noctalis {

// Which way a longitude box counts its degrees.
enum class LongitudeSense { West, East };

// The range a number must lie in; each end included unless said.
struct NumberRange {
    double low;
    double high;
    bool lowIncluded = true;
    bool highIncluded = true;
};

// A decimal number ("12", "-0.5", "0,25", ".5") in range; nothing for any
// other text, the empty one included.
std::optional<double> numberFromText(QStringView text, const NumberRange &range);

// A whole number (digits with an optional sign, no point) from low to high.
std::optional<int> wholeNumberFromText(QStringView text, int low, int high);

// The kind of unit of an angle text: the first part's mark is "°" or "d" for
// degrees and "h" for hours.
enum class AngleUnit { Degrees, Hours };

// An angle or hours text without a hemisphere letter: the signed value
// D + M/60 + S/3600 ("-0:30" gives -0.5), any magnitude; nothing for any
// other text.
std::optional<double> sexagesimalFromText(QStringView text, AngleUnit unit);

// longitudeWestFromText: a longitude box's text.
//
// Given:
//   text      degrees in the box's sense, from -180 to 360 (a negative value
//             counts the other way round: "-75" in a west box is 75 east), or
//             degrees 0 to 360 with "E" or "W" after them ("10 E", "75W"),
//             which stand whatever the box shows; a sign beside a letter
//             must agree with it as on a map ("-" is west: "-75 W")
//   boxSense  east or west, as the box shows
// Returned (function value):
//   degrees west, [0, 360); nothing for any other text
std::optional<double> longitudeWestFromText(QStringView text, LongitudeSense boxSense);

// A latitude box's text: degrees from -90 to 90, north positive, or degrees
// 0 to 90 with "N" or "S" after them ("33:52 S"); a sign beside a letter must
// agree with it ("-" is south). Degrees north, or nothing.
std::optional<double> latitudeFromText(QStringView text);

// A time zone: hours east of UT from -24 to 24, decimal ("-5", "5.5") or
// hours and minutes ("+5:30", "-3:30"). Nothing for any other text.
std::optional<double> zoneHoursFromText(QStringView text);

// DUT1 = UT1 - UTC, seconds, strictly between -0.9 and 0.9.
std::optional<double> dut1FromText(QStringView text);

// The calendar dates the program works with, those of the automation date.
constexpr int kFirstCivilYear = 100;
constexpr int kLastCivilYear = 9999;

// A civil date from the texts of its year, month and day boxes: whole
// numbers, the year from 100 to 9999, a day the month has (February 30 is
// none). Nothing otherwise.
std::optional<QDate> dateFromFields(QStringView year, QStringView month, QStringView day);

// A civil date as one text in the program's date format: "MM/DD/YYYY" puts
// the month first, any other format (the program knows "DD/MM/YYYY") the
// day; the three numbers are separated by "/", "." or "-".
std::optional<QDate> dateFromText(QStringView text, QStringView dateFormat);

// A time of day from the texts of its hour, minute and second boxes: whole
// numbers 0-23, 0-59 and 0-59. Nothing otherwise.
std::optional<QTime> timeOfDayFromFields(QStringView hours, QStringView minutes, QStringView seconds);

// A time of day as one text, "HH:MM:SS" or "HH:MM", ranges as above.
std::optional<QTime> timeOfDayFromText(QStringView text);

// The second line of a message about a refused box: the forms the box takes,
// in the user's language.
class InputForms {
    Q_DECLARE_TR_FUNCTIONS(InputForms)

public:
    static QString longitude();
    static QString latitude();
    static QString zoneHours();
    static QString date();
    static QString timeOfDay();
};

}  // namespace noctalis
