// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "strictinput.h"

#include "longitude.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace noctalis {

namespace {

constexpr double kMinutesPerUnit = 60;
constexpr double kSecondsPerUnit = 3600;
constexpr int kMaxParts = 3;

constexpr double kLatitudeLimitDeg = 90;
constexpr double kFullCircleDeg = 360;
constexpr double kHalfCircleDeg = 180;
constexpr double kZoneLimitHours = 24;
constexpr double kDut1LimitSeconds = 0.9;

// What an angle or hours text may hold.
struct AngleForm {
    AngleUnit unit = AngleUnit::Degrees;
    bool marks = true;       // "°", "'", "\"" and their kin after the parts
    bool blankParts = true;  // parts separated by blanks ("70 40 01")
    int maxParts = kMaxParts;
    QStringView letters;  // the hemisphere letters taken at the end
};

// An angle or hours text taken apart.
struct AngleText {
    double magnitude = 0;  // D + M/60 + S/3600
    char16_t sign = 0;     // '+', '-' or none
    char16_t letter = 0;   // the hemisphere letter, upper case, or none
    bool lastHasPoint = false;
    int parts = 0;
};

// The characters of a text, one after the other.
class Scanner {
public:
    explicit Scanner(QStringView text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    char16_t peek(qsizetype ahead = 0) const
    {
        return m_pos + ahead < m_text.size() ? m_text[m_pos + ahead].unicode() : u'\0';
    }
    void next(qsizetype count = 1) { m_pos += count; }
    bool skipBlanks()
    {
        const qsizetype start = m_pos;
        while (!atEnd() && m_text[m_pos].isSpace())
            ++m_pos;
        return m_pos > start;
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isPoint(char16_t c) { return c == u'.' || c == u','; }

struct NumberToken {
    double value = 0;
    bool hasPoint = false;
};

// Digits with at most one point ("." or ","): "12", "12.5", "12,", ".5".
std::optional<NumberToken> readNumber(Scanner &in)
{
    std::string digits;
    NumberToken token;
    while (isDigit(in.peek())) {
        digits += char(in.peek());
        in.next();
    }
    if (isPoint(in.peek())) {
        in.next();
        token.hasPoint = true;
        std::string fraction;
        while (isDigit(in.peek())) {
            fraction += char(in.peek());
            in.next();
        }
        if (digits.empty() && fraction.empty())
            return std::nullopt;
        digits = (digits.empty() ? std::string("0") : digits) + '.' + (fraction.empty() ? "0" : fraction);
    }
    if (digits.empty())
        return std::nullopt;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), token.value);
    if (result.ec != std::errc() || !std::isfinite(token.value))
        return std::nullopt;
    return token;
}

// The mark of part 0 (degrees or hours), 1 (minutes) or 2 (seconds) at the
// scanner: its length, 0 when there is none. The letters "d", "h", "m" and
// "s" are lower case only, so that "S" after the seconds stays south.
int markLength(const Scanner &in, int part, AngleUnit unit)
{
    const char16_t c = in.peek();
    switch (part) {
    case 0:
        if (unit == AngleUnit::Hours)
            return c == u'h' ? 1 : 0;
        return c == u'\u00b0' || c == u'\u00ba' || c == u'd' ? 1 : 0;
    case 1:
        if (c == u'\'' && in.peek(1) == u'\'')
            return 0;  // two apostrophes mark seconds
        return c == u'\'' || c == u'\u2032' || c == u'\u2019' || c == u'm' ? 1 : 0;
    default:
        if (c == u'\'' && in.peek(1) == u'\'')
            return 2;
        return c == u'"' || c == u'\u2033' || c == u'\u201d' || c == u's' ? 1 : 0;
    }
}

std::optional<char16_t> hemisphereLetter(char16_t c, QStringView letters)
{
    const QChar upper = QChar(c).toUpper();
    if (!letters.contains(upper))
        return std::nullopt;
    return upper.unicode();
}

std::optional<AngleText> readAngleText(QStringView text, const AngleForm &form)
{
    enum class Separator { None, Colon, Blank };
    Scanner in(text);
    AngleText out;
    in.skipBlanks();
    if (in.peek() == u'+' || in.peek() == u'-' || in.peek() == u'\u2212') {
        out.sign = in.peek() == u'+' ? u'+' : u'-';
        in.next();
        in.skipBlanks();
    }
    std::array<double, kMaxParts> values{};
    Separator separator = Separator::None;
    bool markedForm = false;  // the first part carries its mark
    for (;;) {
        if (out.parts == form.maxParts || out.lastHasPoint)
            return std::nullopt;  // too many parts, or decimals before the last
        const std::optional<NumberToken> number = readNumber(in);
        if (!number)
            return std::nullopt;
        values[out.parts] = number->value;
        out.lastHasPoint = number->hasPoint;
        bool marked = false;
        if (form.marks && (out.parts == 0 || markedForm)) {
            if (const int length = markLength(in, out.parts, form.unit)) {
                in.next(length);
                marked = true;
            }
        }
        if (out.parts == 0)
            markedForm = marked;
        ++out.parts;
        const bool blank = in.skipBlanks();
        if (in.atEnd())
            break;
        const char16_t c = in.peek();
        if (c == u':' && !markedForm && separator != Separator::Blank) {
            separator = Separator::Colon;
            in.next();
            in.skipBlanks();
            continue;
        }
        if ((isDigit(c) || isPoint(c)) && separator != Separator::Colon) {
            // A marked form marks every part but the last; a plain one
            // separates its parts by blanks.
            const bool next = markedForm ? marked : form.blankParts && blank;
            if (!next)
                return std::nullopt;
            separator = Separator::Blank;
            continue;
        }
        const std::optional<char16_t> letter = hemisphereLetter(c, form.letters);
        if (!letter)
            return std::nullopt;
        out.letter = *letter;
        in.next();
        in.skipBlanks();
        if (!in.atEnd())
            return std::nullopt;
        break;
    }
    for (int i = 1; i < out.parts; ++i) {
        if (!(values[i] < kMinutesPerUnit))
            return std::nullopt;
    }
    out.magnitude = values[0] + values[1] / kMinutesPerUnit + values[2] / kSecondsPerUnit;
    return out;
}

double signedValue(const AngleText &t) { return t.sign == u'-' ? -t.magnitude : t.magnitude; }

bool inRange(double value, const NumberRange &range)
{
    const bool aboveLow = range.lowIncluded ? value >= range.low : value > range.low;
    const bool belowHigh = range.highIncluded ? value <= range.high : value < range.high;
    return aboveLow && belowHigh;
}

// A sign beside a hemisphere letter must say the same: "-" goes with the
// letter of the negative side (south, west), "+" with the other.
bool signAgrees(const AngleText &t, char16_t negativeLetter)
{
    if (t.sign == 0 || t.letter == 0)
        return true;
    return (t.sign == u'-') == (t.letter == negativeLetter);
}

// A west longitude in [0, 360).
double wrappedWest(double lngWestDeg) { return Longitude::wrapped(lngWestDeg).west(); }

// Splits a text at any of the separators; blanks around it aside.
QList<QStringView> fieldsOf(QStringView text, QStringView separators)
{
    QList<QStringView> fields;
    const QStringView trimmed = text.trimmed();
    qsizetype start = 0;
    for (qsizetype i = 0; i <= trimmed.size(); ++i) {
        if (i == trimmed.size() || separators.contains(trimmed[i])) {
            fields.push_back(trimmed.sliced(start, i - start));
            start = i + 1;
        }
    }
    return fields;
}

}  // namespace

std::optional<double> numberFromText(QStringView text, const NumberRange &range)
{
    AngleForm form;
    form.marks = false;
    form.maxParts = 1;
    const std::optional<AngleText> t = readAngleText(text, form);
    if (!t || !inRange(signedValue(*t), range))
        return std::nullopt;
    return signedValue(*t);
}

std::optional<int> wholeNumberFromText(QStringView text, int low, int high)
{
    AngleForm form;
    form.marks = false;
    form.maxParts = 1;
    const std::optional<AngleText> t = readAngleText(text, form);
    if (!t || t->lastHasPoint)
        return std::nullopt;
    const double value = signedValue(*t);
    if (!(value >= low && value <= high))
        return std::nullopt;
    return int(value);
}

std::optional<double> sexagesimalFromText(QStringView text, AngleUnit unit)
{
    AngleForm form;
    form.unit = unit;
    const std::optional<AngleText> t = readAngleText(text, form);
    if (!t)
        return std::nullopt;
    return signedValue(*t);
}

std::optional<double> longitudeWestFromText(QStringView text, LongitudeSense boxSense)
{
    AngleForm form;
    form.letters = u"EW";
    const std::optional<AngleText> t = readAngleText(text, form);
    if (!t)
        return std::nullopt;
    if (t->letter) {
        if (!signAgrees(*t, u'W') || t->magnitude > kFullCircleDeg)
            return std::nullopt;
        return wrappedWest(Longitude::fromShown(t->magnitude, t->letter == u'W').west());
    }
    const double value = signedValue(*t);
    if (value < -kHalfCircleDeg || value > kFullCircleDeg)
        return std::nullopt;
    return wrappedWest(boxSense == LongitudeSense::West ? value : -value);
}

std::optional<double> latitudeFromText(QStringView text)
{
    AngleForm form;
    form.letters = u"NS";
    const std::optional<AngleText> t = readAngleText(text, form);
    if (!t || !signAgrees(*t, u'S') || t->magnitude > kLatitudeLimitDeg)
        return std::nullopt;
    if (t->letter)
        return t->letter == u'S' ? -t->magnitude : t->magnitude;
    return signedValue(*t);
}

std::optional<double> zoneHoursFromText(QStringView text)
{
    AngleForm form;
    form.unit = AngleUnit::Hours;
    form.marks = false;
    form.blankParts = false;
    form.maxParts = 2;
    const std::optional<AngleText> t = readAngleText(text, form);
    if (!t || t->magnitude > kZoneLimitHours)
        return std::nullopt;
    return signedValue(*t);
}

std::optional<double> dut1FromText(QStringView text)
{
    return numberFromText(text, {-kDut1LimitSeconds, kDut1LimitSeconds, false, false});
}

std::optional<QDate> dateFromFields(QStringView year, QStringView month, QStringView day)
{
    constexpr int kMonths = 12;
    constexpr int kLongestMonthDays = 31;
    const std::optional<int> y = wholeNumberFromText(year, kFirstCivilYear, kLastCivilYear);
    const std::optional<int> m = wholeNumberFromText(month, 1, kMonths);
    const std::optional<int> d = wholeNumberFromText(day, 1, kLongestMonthDays);
    if (!y || !m || !d || !QDate::isValid(*y, *m, *d))
        return std::nullopt;
    return QDate(*y, *m, *d);
}

std::optional<QDate> dateFromText(QStringView text, QStringView dateFormat)
{
    const QList<QStringView> fields = fieldsOf(text, u"/.");
    if (fields.size() != 3)
        return std::nullopt;
    const bool monthFirst = dateFormat == u"MM/DD/YYYY";
    return dateFromFields(fields[2], monthFirst ? fields[0] : fields[1], monthFirst ? fields[1] : fields[0]);
}

std::optional<QTime> timeOfDayFromFields(QStringView hours, QStringView minutes, QStringView seconds)
{
    constexpr int kLastHour = 23;
    constexpr int kLastMinute = 59;
    const std::optional<int> h = wholeNumberFromText(hours, 0, kLastHour);
    const std::optional<int> m = wholeNumberFromText(minutes, 0, kLastMinute);
    const std::optional<int> s = wholeNumberFromText(seconds, 0, kLastMinute);
    if (!h || !m || !s)
        return std::nullopt;
    return QTime(*h, *m, *s);
}

std::optional<QTime> timeOfDayFromText(QStringView text)
{
    const QList<QStringView> fields = fieldsOf(text, u":");
    if (fields.size() != 2 && fields.size() != 3)
        return std::nullopt;
    for (QStringView field : fields) {
        if (field.isEmpty() || !isDigit(field.front().unicode()))
            return std::nullopt;  // no sign inside a time of day
    }
    return timeOfDayFromFields(fields[0], fields[1], fields.size() == 3 ? fields[2] : QStringView(u"0"));
}

QString InputForms::longitude()
{
    return tr("Use degrees such as 70.667, 70:40:01, 70 40 01 or 70°40'01\", with E or W if you like.");
}

QString InputForms::latitude()
{
    return tr("Use degrees from -90 to 90 such as 40.5, 40:30:00, 40 30 00 or 40°30'00\", with N or S if you "
              "like.");
}

QString InputForms::zoneHours() { return tr("Use hours east of UT from -24 to 24, such as -5, 5.5 or +5:30."); }

QString InputForms::date()
{
    return tr("Use a month from 1 to 12, a day that the month has and a year from 100 to 9999.");
}

QString InputForms::timeOfDay() { return tr("Use whole hours from 0 to 23, minutes and seconds from 0 to 59."); }

}  // namespace noctalis
