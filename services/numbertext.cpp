// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "numbertext.h"

#include "asciicopy.h"

#include <QLocale>
#include <QtEndian>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <type_traits>

namespace noctalis {

namespace {

// Significant digits of the plain forms.
constexpr int kDoubleDigits = 15;
constexpr int kFloatDigits = 7;
// The powers of ten a double holds exactly.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The characters of a text with blanks, tabs and line feeds left out.
class NumberReader {
public:
    explicit NumberReader(QStringView text) : m_text(text) { skipBlanks(); }

    char16_t peek() const { return m_pos < m_text.size() ? m_text[m_pos].unicode() : u'\0'; }
    void next()
    {
        ++m_pos;
        skipBlanks();
    }
    bool take(char16_t upper)  // consumes the letter in either case
    {
        if ((peek() & ~char16_t(0x20)) != upper)
            return false;
        next();
        return true;
    }

private:
    void skipBlanks()
    {
        while (m_pos < m_text.size() && (m_text[m_pos] == u' ' || m_text[m_pos] == u'\t' || m_text[m_pos] == u'\n'))
            ++m_pos;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

int digitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// Digits of the given radix as a non-negative integer, DBL_MAX at most.
double radixInteger(NumberReader &in, int radix)
{
    double value = 0;
    for (int d = digitValue(in.peek()); d >= 0 && d < radix; d = digitValue(in.peek())) {
        value = std::min(value * radix + d, DBL_MAX);
        in.next();
    }
    return value;
}

// The text from_chars reads: on the stack for any usual number, on the heap
// only for one of more than 64 characters.
using ReadChars = QVarLengthArray<char, 64>;

// Appends the decimal digits that follow to text; how many there were.
std::size_t appendDigits(NumberReader &in, ReadChars &text)
{
    const auto start = std::size_t(text.size());
    for (char16_t c = in.peek(); c >= u'0' && c <= u'9'; c = in.peek()) {
        text.append(char(c));
        in.next();
    }
    return std::size_t(text.size()) - start;
}

// plainDecimal: the number of a plain decimal text, read straight from it.
//
// Given:
//   text  a number as files hold it: blanks, a sign, digits with a point
//         and an exponent ("0.123456789012345", "-2", "6.94444444444444E-03"),
//         then the end or other text
// Returned (function value):
//   the value, as from_chars reads it: the digits as an integer and the
//   power of ten are both exact doubles, so their quotient is the correctly
//   rounded value; nothing for any other form (more than 15 significant
//   digits, a power of ten beyond 1e22, blanks inside, a "D" exponent,
//   "&H", no digit), which the general reader takes.
std::optional<double> plainDecimal(QStringView text)
{
    constexpr int kMaxDigits = 15;  // below 2^53
    const auto isBlank = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; };
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i].unicode()))
        ++i;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (negative || text[i] == u'+'))
        ++i;
    std::uint64_t digits = 0;
    int significant = 0;
    int fraction = -1;  // digits after the point; none before a point
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'.' && fraction < 0) {
            fraction = 0;
            continue;
        }
        if (c < u'0' || c > u'9')
            break;
        anyDigit = true;
        if (fraction >= 0)
            ++fraction;
        if (digits == 0 && c == u'0')
            continue;  // leading zeros
        if (++significant > kMaxDigits)
            return std::nullopt;
        digits = digits * 10 + std::uint64_t(c - u'0');
    }
    if (!anyDigit)
        return std::nullopt;
    // An exponent as the program writes it ("6.94444444444444E-03"): a
    // letter, a sign and a few digits, the number ending there.
    int exponent = 0;
    if (i < text.size() && ((text[i].unicode() & ~char16_t(0x20)) == u'E')) {
        ++i;
        const bool negativeExponent = i < text.size() && text[i] == u'-';
        if (i < text.size() && (negativeExponent || text[i] == u'+'))
            ++i;
        const qsizetype first = i;
        for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9' && i - first < 4; ++i)
            exponent = exponent * 10 + (text[i].unicode() - u'0');
        if (i == first)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }
    // Blanks inside a number are skipped, and "D" is an exponent too: those
    // forms are the general reader's, as are longer exponents.
    if (i < text.size()) {
        const char16_t c = text[i].unicode();
        if (isBlank(c) || (c & ~char16_t(0x20)) == u'D' || (c & ~char16_t(0x20)) == u'E' || (c >= u'0' && c <= u'9'))
            return std::nullopt;
    }
    // One correctly rounded operation on exact operands.
    const int power = exponent - std::max(fraction, 0);
    if (power < -int(std::size(kPowersOfTen)) + 1 || power > int(std::size(kPowersOfTen)) - 1)
        return std::nullopt;
    const double value = power >= 0 ? double(digits) * kPowersOfTen[power] : double(digits) / kPowersOfTen[-power];
    return negative ? -value : value;
}

// A decimal number with optional sign, fraction and exponent ("E" or "D").
double decimalNumber(NumberReader &in)
{
    const bool negative = in.peek() == u'-';
    if (negative || in.peek() == u'+')
        in.next();
    // The digits go straight into the text from_chars reads: whole digits,
    // the point, fraction digits, then the exponent.
    ReadChars text;
    const std::size_t wholeLength = appendDigits(in, text);
    text.append('.');
    std::size_t fractionLength = 0;
    if (in.peek() == u'.') {
        in.next();
        fractionLength = appendDigits(in, text);
    }
    if (wholeLength == 0 && fractionLength == 0)
        return 0;

    long long exponent = 0;
    if (in.take(u'E') || in.take(u'D')) {
        const bool negativeExponent = in.peek() == u'-';
        if (negativeExponent || in.peek() == u'+')
            in.next();
        constexpr long long kExponentCap = 1000000000;  // far beyond any double
        for (char16_t c = in.peek(); c >= u'0' && c <= u'9'; c = in.peek()) {
            exponent = std::min(exponent * 10 + (c - u'0'), kExponentCap);
            in.next();
        }
        if (negativeExponent)
            exponent = -exponent;
    }

    if (exponent != 0) {
        char exponentText[24] = {'e'};
        const auto end = std::to_chars(exponentText + 1, exponentText + sizeof exponentText, exponent).ptr;
        text.append(exponentText, end - exponentText);
    }
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Decimal magnitude of the first significant digit tells overflow
        // from underflow.
        const std::string_view whole(text.data(), wholeLength);
        const std::string_view fraction(text.data() + wholeLength + 1, fractionLength);
        const auto first = whole.find_first_not_of('0');
        const long long magnitude = first != std::string_view::npos ? (long long)(whole.size() - first) - 1
                                                                    : -(long long)fraction.find_first_not_of('0') - 1;
        value = magnitude + exponent > 0 ? DBL_MAX : 0;
    }
    return negative ? -value : value;
}

// A finite magnitude rounded to `precision` (at most 15) significant
// decimal digits: value = d0.d1d2... x 10^exponent, no trailing zeros
// counted. The digits are the bytes of two words, d0 the lowest byte of the
// first, so that they are written from registers; bytes past count are
// '0' or 0.
struct Decimal {
    std::uint64_t words[2] = {};
    int count = 0;
    int exponent = 0;

    char digit(int index) const { return char(words[index / 8] >> (8 * (index % 8))); }
};

// The powers of five up to 5^22 (< 2^52).
constexpr auto kPowersOfFive = [] {
    std::array<std::uint64_t, 23> powers{};
    std::uint64_t p = 1;
    for (std::uint64_t &power : powers) {
        power = p;
        p *= 5;
    }
    return powers;
}();

// The exact product a * b as the words of a 128-bit number.
struct WideProduct {
    std::uint64_t high;
    std::uint64_t low;
};
WideProduct wideProduct(std::uint64_t a, std::uint64_t b)
{
#ifdef __SIZEOF_INT128__
    __extension__ using Wide = unsigned __int128;  // GCC and Clang
    const Wide p = Wide(a) * b;
    return {std::uint64_t(p >> 64), std::uint64_t(p)};
#else
    const std::uint64_t aLow = a & 0xFFFFFFFF, aHigh = a >> 32;
    const std::uint64_t bLow = b & 0xFFFFFFFF, bHigh = b >> 32;
    const std::uint64_t lowLow = aLow * bLow;
    const std::uint64_t middle1 = aHigh * bLow + (lowLow >> 32);
    const std::uint64_t middle2 = aLow * bHigh + (middle1 & 0xFFFFFFFF);
    return {aHigh * bHigh + (middle1 >> 32) + (middle2 >> 32), (middle2 << 32) | (lowLow & 0xFFFFFFFF)};
#endif
}

// The eight decimal digits of value < 10^8 (leading zeros included) as the
// bytes of a word, the first digit in the lowest byte: the number split
// into 4 + 4 digits, each half into 2 + 2, and each pair into tens and
// ones, all parts of a step computed at once in the lanes of the word. The
// multipliers divide exactly in their range: x * 10486 >> 20 is x / 100
// for x < 10^4, x * 103 >> 10 is x / 10 for x < 100.
Q_ALWAYS_INLINE std::uint64_t eightDigits(std::uint32_t value)
{
    const std::uint64_t fours = (value / 10000) | (std::uint64_t(value % 10000) << 32);
    const std::uint64_t hundreds = ((fours * 10486) >> 20) & 0x0000007F0000007Full;
    const std::uint64_t twos = hundreds | ((fours - hundreds * 100) << 16);
    const std::uint64_t tens = ((twos * 103) >> 10) & 0x000F000F000F000Full;
    const std::uint64_t ones = twos - tens * 10;
    return (tens | (ones << 8)) | 0x3030303030303030ull;
}

// The number of the highest byte of word that is not zero; word != 0.
int highestByte(std::uint64_t word) { return (std::bit_width(word) - 1) / 8; }

// The 15 significant digits of a magnitude from 1e-7 to below 1e15,
// correctly rounded, from its exact product with a power of ten in integers:
// a way several times as fast as the general conversion for the numbers the
// files hold (times of day, durations), written into r. False outside that
// range and for an exact tie, which the general conversion settles.
Q_ALWAYS_INLINE bool fastDecimal15(double magnitude, Decimal &r)
{
    if (!(magnitude >= 1e-7 && magnitude < 1e15))
        return false;
    // magnitude = m x 2^binary, m of 53 bits (a normal number here).
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int biased = int(bits >> 52);
    const std::uint64_t m = (bits & ((std::uint64_t(1) << 52) - 1)) | (std::uint64_t(1) << 52);
    const int binary = biased - 1075;
    // The decimal exponent e is floor((biased - 1023) x log10(2)) or one
    // more; the former as 78913 / 2^18 with an arithmetic shift, exact for
    // |biased - 1023| < 2^10. magnitude x 10^k with k = 14 - e has 15 whole
    // digits; it is m x 5^k / 2^shift, shift = -(binary + k), which lies
    // in [2, 58] over the range, and m x 5^k < 2^105.
    int e = ((biased - 1023) * 78913) >> 18;
    WideProduct p{};
    int shift = 0;
    std::uint64_t q = 0;
    for (;;) {
        const int k = 14 - e;
        p = wideProduct(m, kPowersOfFive[std::size_t(k)]);
        shift = -(binary + k);
        q = (p.high << (64 - shift)) | (p.low >> shift);
        if (q < 1000000000000000)
            break;
        ++e;  // 16 whole digits: e was one more
    }
    // q is the whole part; the rest, compared with a half, rounds it.
    const std::uint64_t half = std::uint64_t(1) << (shift - 1);
    const std::uint64_t rest = p.low & ((half << 1) - 1);
    if (rest == half)
        return false;
    if (rest > half && ++q == 1000000000000000) {  // 999...95 and above
        q = 100000000000000;
        ++e;
    }
    // Fifteen digits as sixteen, the first of them a 0 left out; the words
    // stay in registers until stored, and their digits that are not '0'
    // tell the trailing zeros.
    const std::uint64_t high = eightDigits(std::uint32_t(q / 100000000));
    const std::uint64_t low = eightDigits(std::uint32_t(q % 100000000));
    const std::uint64_t first = (high >> 8) | (low << 56);  // digits 1 to 8
    const std::uint64_t last = low >> 8;                    // digits 9 to 15, then a 0 byte
    r.words[0] = first;
    r.words[1] = last;
    constexpr std::uint64_t kZeros = 0x3030303030303030ull;
    const std::uint64_t lastOthers = last ^ (kZeros >> 8);  // digit '0' and the end byte give 0
    r.count = lastOthers != 0 ? 8 + highestByte(lastOthers) + 1 : highestByte(first ^ kZeros) + 1;
    r.exponent = e;
    return true;
}

// toDecimal by the general conversion.
template <typename Float>
Q_NEVER_INLINE Decimal generalDecimal(Float magnitude, int precision)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, precision - 1);
    const char *c = buffer;
    char digits[16] = {};
    char *digit = digits;
    for (; *c != 'e'; ++c) {
        if (*c != '.')
            *digit++ = *c;
    }
    while (digit - digits > 1 && digit[-1] == '0')
        --digit;
    Decimal d;
    d.count = int(digit - digits);
    d.words[0] = qFromLittleEndian<std::uint64_t>(digits);
    d.words[1] = qFromLittleEndian<std::uint64_t>(digits + 8);
    std::from_chars(c + 1 + (c[1] == '+'), result.ptr, d.exponent);
    return d;
}

// Inline where numbers are written, so that the digits stay in registers.
template <typename Float>
Q_ALWAYS_INLINE Decimal toDecimal(Float magnitude, int precision)
{
    Decimal d;
    if (magnitude == 0) {
        d.words[0] = '0';
        d.count = 1;
        return d;
    }
    if constexpr (std::is_same_v<Float, double>) {
        if (precision == kDoubleDigits && fastDecimal15(magnitude, d))
            return d;
    }
    return generalDecimal(magnitude, precision);
}

// Characters written from a position on, with room for kNumberRoom of them:
// every general form of up to 15 significant digits with its sign, and the
// sixteen-character stores past its end.
class CharsOut {
public:
    explicit CharsOut(char *out) : m_end(out) {}

    void put(char c) { *m_end++ = c; }
    void put(std::string_view chars) { m_end = copyShortBytes(chars, m_end); }
    // The digits of d from index from up to before index to (from < 16):
    // all sixteen bytes from there are stored at once, and the next
    // characters go over those not wanted.
    void putDigits(const Decimal &d, int from, int to)
    {
        std::uint64_t first = from < 8 ? d.words[0] : d.words[1];
        std::uint64_t last = from < 8 ? d.words[1] : 0;
        if (const int bits = 8 * (from % 8); bits > 0) {
            first = (first >> bits) | (last << (64 - bits));
            last >>= bits;
        }
        qToLittleEndian(first, m_end);
        qToLittleEndian(last, m_end + 8);
        m_end += to - from;
    }
    // count is at most 16: sixteen are stored at once (there is room past
    // every form) and the next characters go over those not wanted.
    void putZeros(int count)
    {
        std::memcpy(m_end, "0000000000000000", 16);
        m_end += count;
    }
    char *end() const { return m_end; }

private:
    char *m_end;
};

// General form: fixed notation while it needs at most maxDigits digits
// before or after the point, exponent notation ("E", sign, two or more
// digits) otherwise. A fixed fraction below 1 starts "0.", or only "."
// without zeroBeforePoint.
Q_ALWAYS_INLINE void putGeneralForm(CharsOut &out, const Decimal &d, int maxDigits, bool zeroBeforePoint)
{
    const int n = d.count;
    const int e = d.exponent;
    if (e >= maxDigits || (e < 0 && -e - 1 + n > maxDigits)) {
        out.put(d.digit(0));
        if (n > 1) {
            out.put('.');
            out.putDigits(d, 1, n);
        }
        out.put(e < 0 ? "E-" : "E+");
        const int power = std::abs(e);  // at most 324
        if (power >= 100)
            out.put(char('0' + power / 100));
        out.put(char('0' + power / 10 % 10));
        out.put(char('0' + power % 10));
    } else if (e < 0) {
        out.put(zeroBeforePoint ? "0." : ".");
        out.putZeros(-e - 1);
        out.putDigits(d, 0, n);
    } else if (n <= e + 1) {
        out.putDigits(d, 0, n);
        out.putZeros(e + 1 - n);
    } else {
        out.putDigits(d, 0, e + 1);
        out.put('.');
        out.putDigits(d, e + 1, n);
    }
}

template <typename Float>
char *putPlain(Float value, int maxDigits, bool zeroBeforePoint, char *to)
{
    CharsOut out(to);
    if (std::isnan(value)) {
        out.put("nan");
    } else if (std::isinf(value)) {
        out.put(value < 0 ? "-inf" : "inf");
    } else {
        if (value < 0)
            out.put('-');
        putGeneralForm(out, toDecimal(std::fabs(value), maxDigits), maxDigits, zeroBeforePoint);
    }
    return out.end();
}

template <typename Float>
QString plainText(Float value, int maxDigits)
{
    char chars[kNumberRoom];
    return QString::fromLatin1(chars, putPlain(value, maxDigits, true, chars) - chars);
}

// |value| rounded half away from zero to `places` decimals, taken from its
// 15-significant-digit decimal form: the whole digits without leading zeros
// (empty for 0) and exactly `places` fraction digits.
struct FixedDigits {
    std::string whole;
    std::string fraction;
};

FixedDigits roundToPlaces(double magnitude, int places)
{
    const Decimal d = toDecimal(magnitude, kDoubleDigits);
    const auto digitAt = [&](int power) {  // digit of 10^power
        const int index = d.exponent - power;
        return index >= 0 && index < d.count ? d.digit(index) : '0';
    };
    std::string all;
    for (int power = std::max(d.exponent, 0); power >= -places; --power)
        all += digitAt(power);
    if (digitAt(-places - 1) >= '5') {
        auto it = all.rbegin();
        for (; it != all.rend() && *it == '9'; ++it)
            *it = '0';
        if (it == all.rend())
            all.insert(0, 1, '1');
        else
            ++*it;
    }
    FixedDigits out;
    const std::size_t wholeLength = all.size() - std::size_t(places);
    out.whole = all.substr(0, wholeLength);
    out.whole.erase(0, std::min(out.whole.find_first_not_of('0'), out.whole.size()));
    out.fraction = all.substr(wholeLength);
    return out;
}

bool isDigitSlot(QChar c) { return c == u'0' || c == u'#'; }

// The whole digits placed into the slots of the pattern part before the
// point, from the right; the leftmost slot takes every digit left over.
// Without a slot the digits stand at the end.
QString fillWhole(QStringView part, const std::string &digits)
{
    const auto slotCount = std::count_if(part.begin(), part.end(), isDigitSlot);
    if (slotCount == 0)
        return part.toString() + QString::fromLatin1(digits);
    QString out;
    auto remaining = qsizetype(digits.size());
    auto slotsLeft = slotCount;
    for (qsizetype i = part.size() - 1; i >= 0; --i) {
        const QChar c = part[i];
        if (!isDigitSlot(c)) {
            out.prepend(c);
            continue;
        }
        --slotsLeft;
        const qsizetype take = slotsLeft == 0 ? remaining : std::min<qsizetype>(remaining, 1);
        if (take > 0) {
            out.prepend(QString::fromLatin1(digits.data() + remaining - take, take));
            remaining -= take;
        } else if (c == u'0') {
            out.prepend(u'0');
        }
    }
    return out;
}

// The fraction digits placed into the slots after the point, from the left;
// a "#" slot from which on only zeros follow in "#" slots shows nothing.
QString fillFraction(QStringView part, const std::string &digits)
{
    qsizetype lastShown = -1;
    for (qsizetype i = 0, slot = 0; i < part.size(); ++i) {
        if (!isDigitSlot(part[i]))
            continue;
        if (part[i] == u'0' || digits[std::size_t(slot)] != '0')
            lastShown = slot;
        ++slot;
    }
    QString out;
    for (qsizetype i = 0, slot = 0; i < part.size(); ++i) {
        if (!isDigitSlot(part[i])) {
            out += part[i];
            continue;
        }
        if (slot <= lastShown)
            out += QLatin1Char(digits[std::size_t(slot)]);
        ++slot;
    }
    return out;
}

}  // namespace

double leadingNumber(QStringView text)
{
    if (const std::optional<double> plain = plainDecimal(text))
        return *plain == 0 ? 0.0 : *plain;  // never -0
    NumberReader in(text);
    double value = 0;
    if (in.peek() == u'&') {
        in.next();
        if (in.take(u'H'))
            value = radixInteger(in, 16);
        else if (in.take(u'O'))
            value = radixInteger(in, 8);
    } else {
        value = decimalNumber(in);
    }
    return value == 0 ? 0.0 : value;  // never -0
}

std::optional<qint16> wholeNumber16(double value)
{
    const double whole = std::nearbyint(value);  // the default rounding: ties to even
    if (!(whole >= -32768.0 && whole <= 32767.0))
        return std::nullopt;
    return qint16(whole);
}

std::optional<float> float32Number(double value)
{
    if (!(std::fabs(value) <= double(FLT_MAX)))
        return std::nullopt;
    return float(value);
}

QString plainNumberText(double value) { return plainText(value, kDoubleDigits); }

QString plainNumberText32(float value) { return plainText(value, kFloatDigits); }

char *putPlainNumber(double value, char *out) { return putPlain(value, kDoubleDigits, true, out); }

char *putShortNumber(double value, char *out) { return putPlain(value, kDoubleDigits, false, out); }

QString shortNumberText(double value)
{
    char chars[kNumberRoom];
    QString text = QString::fromLatin1(chars, putShortNumber(value, chars) - chars);
    if (std::isfinite(value) && !(value < 0))
        text.prepend(u' ');
    return text;
}

QString formatNumber(double value, QStringView pattern)
{
    if (!std::isfinite(value) || pattern.isEmpty())
        return plainNumberText(value);
    const qsizetype point = pattern.indexOf(u'.');
    const QStringView wholePart = point < 0 ? pattern : pattern.first(point);
    const QStringView fractionPart = point < 0 ? QStringView() : pattern.sliced(point + 1);
    const auto places = int(std::count_if(fractionPart.begin(), fractionPart.end(), isDigitSlot));

    const FixedDigits digits = roundToPlaces(std::fabs(value), places);
    QString text = fillWhole(wholePart, digits.whole);
    if (point >= 0)
        text += QChar(u'.') + fillFraction(fractionPart, digits.fraction);
    const bool shownZero = digits.whole.empty() && digits.fraction.find_first_not_of('0') == std::string::npos;
    if (value < 0 && !shownZero)
        text.prepend(u'-');
    return text;
}

QString formatTime(double automationDate, QStringView pattern)
{
    constexpr long long kSecondsPerDay = 86400;
    // The fraction runs forward from midnight also before day 0.
    const double fraction = std::isfinite(automationDate) ? std::fabs(automationDate - std::trunc(automationDate)) : 0;
    const long long seconds = std::llround(fraction * double(kSecondsPerDay)) % kSecondsPerDay;
    const auto twoDigits = [](long long n) { return formatNumber(double(n), u"00"); };

    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QStringView pair = pattern.sliced(i, std::min<qsizetype>(2, pattern.size() - i));
        if (pair.compare(u"hh", Qt::CaseInsensitive) == 0)
            text += twoDigits(seconds / 3600);
        else if (pair.compare(u"nn", Qt::CaseInsensitive) == 0)
            text += twoDigits(seconds / 60 % 60);
        else if (pair.compare(u"ss", Qt::CaseInsensitive) == 0)
            text += twoDigits(seconds % 60);
        else {
            text += pattern[i];
            continue;
        }
        ++i;
    }
    return text;
}

QString withShownPoint(QString plainText)
{
    const qsizetype point = plainText.indexOf(QLatin1Char('.'));
    if (point >= 0)
        plainText.replace(point, 1, QLocale().decimalPoint());
    return plainText;
}

QString shownNumberText(double value) { return withShownPoint(plainNumberText(value)); }

QString shownFormattedNumber(double value, QStringView pattern) { return withShownPoint(formatNumber(value, pattern)); }

}  // namespace noctalis
