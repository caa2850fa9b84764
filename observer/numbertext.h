// Numbers to text and back, the same way in every window and file of the
// program. "." is the decimal separator whatever the locale.
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace noctalis {

// The leading-number rule: blanks, tabs and line feeds anywhere are skipped;
// then an optional sign, digits, at most one ".", an optional exponent ("E"
// or "D" with optional sign and digits); reading stops at the first other
// character (a "," ends the number). "&H" reads a hexadecimal integer, "&O"
// an octal one. No number in front gives 0.
double leadingNumber(QStringView text);

// Whole-number conversion into the signed 16-bit range: nearest integer, ties
// to even (2.5 gives 2, 3.5 gives 4). Nothing when the result overflows.
std::optional<qint16> wholeNumber16(double value);

// Plain form: up to 15 significant digits, no trailing zeros, no padding, no
// thousands separator; exponent form for very small and very large values
// ("6.94444444444444E-03").
QString plainNumberText(double value);
// The same for a 32-bit value: up to 7 significant digits.
QString plainNumberText32(float value);

// Short form: a blank before a non-negative number and no 0 before the
// point (" .5", " 1", "-.25"); callers trim it where they want no blank.
QString shortNumberText(double value);

// Number with a digit pattern: "00", "00.0", "0000", "0.0000", "0.#", and the
// general subset of "0", "#", "." and literal characters; half away from zero
// to the shown digits.
QString formatNumber(double value, QStringView pattern);

// Time of day of an automation date with "HH:nn:ss", "HH", "nn" or "ss":
// 24-hour, two digits each, rounded to the nearest second.
QString formatTime(double automationDate, QStringView pattern);

} // namespace noctalis
