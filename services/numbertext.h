// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Numbers to text and back, the same way in every window and file of the
// program. "." is the decimal separator whatever the locale, but for the
// shown forms, which people read in windows.
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace noctalis {

// The leading-number rule: blanks, tabs and line feeds anywhere are skipped;
// then an optional sign, digits, at most one ".", an optional exponent ("E"
// or "D" with optional sign and digits); reading stops at the first other
// character (a "," ends the number). "&H" reads a hexadecimal integer, "&O"
// an octal one (letters in either case, read as non-negative integers of any
// length). No number in front gives 0. The result is always finite and never
// -0: a value beyond the double range gives the largest double with its sign,
// one too small for a double gives 0.
double leadingNumber(QStringView text);

// Whole-number conversion into the signed 16-bit range: nearest integer, ties
// to even (2.5 gives 2, 3.5 gives 4). Nothing when the result overflows.
std::optional<qint16> wholeNumber16(double value);

// Conversion into a 32-bit float (nearest); nothing when the value lies
// beyond the float range or is not a number.
std::optional<float> float32Number(double value);

// Plain form: up to 15 significant digits, no trailing zeros, no padding, no
// thousands separator. Exponent form (mantissa, "E", sign, two or more
// digits) when fixed notation would need more than 15 digits before or after
// the point: 0.5 gives "0.5", 12.5/24 ".520833333333333" in the short form,
// 10/1440 "6.94444444444444E-03", 1e15 "1E+15". Not-a-number and infinities
// give "nan", "inf" and "-inf".
QString plainNumberText(double value);
// The room the number writers below need: a number's characters (ASCII,
// at most 24) and more, which they may write over; anything in the room
// after the returned end is not kept.
constexpr int kNumberRoom = 40;
// The characters of plainNumberText written at out[0 ..), kNumberRoom
// bytes; where they end.
char *putPlainNumber(double value, char *out);
// The same for a 32-bit value: up to 7 significant digits.
QString plainNumberText32(float value);

// Shown forms: plainNumberText and formatNumber with the decimal separator
// of the default locale (QLocale()), for numbers people read in a window
// ("52,5" in German). Files and addresses keep the forms above with ".".
QString shownNumberText(double value);
QString shownFormattedNumber(double value, QStringView pattern);
// A text made by the forms above (an angle "51:28:38.5" too) with its first
// "." in the default locale's way.
QString withShownPoint(QString plainText);

// Short form: a blank before a non-negative number and no 0 before the
// point (" .5", " 1", "-.25", " 0"); callers trim it where they want no
// blank.
QString shortNumberText(double value);
// The characters of shortNumberText without its blank, as putPlainNumber
// writes them.
char *putShortNumber(double value, char *out);

// Number with a digit pattern: "00", "00.0", "0000", "0.0000", "0.#", and the
// general subset of "0", "#", "." and literal characters; half away from zero
// to the shown digits, taken from the value's 15-significant-digit decimal
// form (so 1.005 with "0.00" gives "1.01"). Before the point the digits fill
// the "0" and "#" slots from the right, the leftmost slot taking any digits
// left over ("00": 5 gives "05", 123 "123"); an empty "0" slot shows 0, an
// empty "#" slot nothing. After the point they fill the slots from the left,
// and trailing zeros in "#" slots are left out ("0.#": -5 gives "-5.", 5.75
// "5.8"). The first "." is the point and is always written; other characters
// stand as they are. A pattern without slots before the point gets the whole
// digits at the point or at its end. No "-" when every shown digit is 0.
// Not-a-number, infinities and an empty pattern give the plain form.
QString formatNumber(double value, QStringView pattern);

// Time of day of an automation date with "HH:nn:ss", "HH", "nn" or "ss":
// 24-hour, two digits each, rounded to the nearest second (a time that rounds
// to 24:00:00 shows 00:00:00). The letter pairs match in either case; other
// characters stand as they are.
QString formatTime(double automationDate, QStringView pattern);

}  // namespace noctalis
