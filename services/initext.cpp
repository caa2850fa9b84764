// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "initext.h"

#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <iterator>

namespace noctalis {

namespace {

bool isLineEnd(char c) { return c == '\n' || c == '\r'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

int hexDigit(char16_t c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int octalDigit(char c) { return c >= '0' && c <= '7' ? c - '0' : -1; }

// One logical line of the file: [start, end), and the first "=" outside
// double quotes (-1 when there is none).
struct IniLine {
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype equals = -1;
};

// The next logical line from pos on; false when none is left. Blanks and
// line ends before it are skipped, comment lines too; a line end inside
// double quotes or after a backslash does not end it, a ";" outside double
// quotes does (the rest is a comment, skipped by the next call).
bool nextLine(QByteArrayView data, qsizetype &pos, IniLine &line)
{
    const qsizetype n = data.size();
    qsizetype start = pos;
    while (start < n && (isBlank(data[start]) || isLineEnd(data[start])))
        ++start;
    qsizetype equals = -1;
    bool quoted = false;
    qsizetype i = start;
    while (i < n) {
        const char c = data[i];
        if (c == '=') {
            if (!quoted && equals < 0)
                equals = i;
        } else if (isLineEnd(c)) {
            if (i == start) {
                ++start;  // the end of a skipped comment
            } else if (!quoted) {
                break;
            }
        } else if (c == '\\') {
            if (i + 1 < n) {
                const char escaped = data[++i];
                // A line end of two characters after a backslash is one.
                if (i + 1 < n && isLineEnd(escaped) && isLineEnd(data[i + 1]) && data[i + 1] != escaped)
                    ++i;
            }
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ';') {
            if (i == start) {
                while (i < n && !isLineEnd(data[i]))
                    ++i;
                start = i;
                continue;
            }
            if (!quoted)
                break;
        }
        ++i;
    }
    pos = i;
    line = {start, i, equals};
    return i > start;
}

// A key or section name as the file spells it: "\" stands for "/", %XX and
// %UXXXX for the character of that number, any other byte for itself.
QString iniName(QByteArrayView raw)
{
    QString name;
    name.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size();) {
        const char c = raw[i];
        if (c == '\\') {
            name += QLatin1Char('/');
            ++i;
            continue;
        }
        qsizetype first = i + 1;
        qsizetype digits = 2;
        if (c == '%' && first < raw.size() && raw[first] == 'U') {
            ++first;
            digits = 4;
        }
        char16_t code = 0;
        bool escape = c == '%' && first + digits <= raw.size();
        for (qsizetype k = first; escape && k < first + digits; ++k) {
            const int d = hexDigit(char16_t(uchar(raw[k])));
            escape = d >= 0;
            code = char16_t(code * 16 + (d < 0 ? 0 : d));
        }
        if (escape) {
            name += QChar(code);
            i = first + digits;
        } else {
            name += QLatin1Char(c);
            ++i;
        }
    }
    return name;
}

// The spelling of a name in the file. QSettings writes "/" as "\", which a
// following "=" would escape; "%2F" reads the same and never does.
QByteArray iniNameText(const QString &name)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(name.size());
    for (const QChar qc : name) {
        const char16_t c = qc.unicode();
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-'
            || c == '.') {
            out += char(c);
        } else if (c <= 0xFF) {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0xF];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += hex[(c >> shift) & 0xF];
        }
    }
    return out;
}

bool isGeneral(QByteArrayView name)
{
    return QLatin1String(name.data(), name.size()).compare(QLatin1String("general"), Qt::CaseInsensitive) == 0;
}

QByteArrayView trimmedView(QByteArrayView v)
{
    const auto space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!v.isEmpty() && space(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && space(v.back()))
        v.chop(1);
    return v;
}

QString sectionName(QByteArrayView header)
{
    const QByteArrayView inside = header.sliced(1);
    const qsizetype close = inside.indexOf(']');
    const QByteArrayView name = trimmedView(close < 0 ? inside : inside.first(close));
    if (isGeneral(name))
        return QString();
    if (name.size() == 8 && name.front() == '%' && isGeneral(name.sliced(1)))
        return QString::fromLatin1(name.sliced(1));
    return iniName(name);
}

QByteArray headerText(const QString &name)
{
    if (name.isEmpty())
        return QByteArrayLiteral("[General]");
    const QByteArray spelled = iniNameText(name);
    return (isGeneral(spelled) ? QByteArrayLiteral("[%") : QByteArrayLiteral("[")) + spelled + ']';
}

void chopTrailingBlanks(QString &text, qsizetype limit)
{
    qsizetype n = text.size();
    while (n > limit && (text[n - 1] == u' ' || text[n - 1] == u'\t'))
        --n;
    text.truncate(n);
}

void appendUtf8(QByteArray &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// A text as QSettings reads a text it wrote: one "@" off "@@...", the inside
// of "@String(...)" (its form for a text holding a NUL character). Nothing
// else is decoded.
QString plainText(QString text)
{
    if (text.startsWith(QLatin1String("@@")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("@String(")) && text.endsWith(QLatin1Char(')')))
        text = text.mid(8, text.size() - 9);
    return text;
}

}  // namespace

QList<IniSection> parseIniText(QByteArrayView bytes)
{
    QList<IniSection> sections;
    qsizetype pos = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    IniLine line;
    while (nextLine(bytes, pos, line)) {
        const QByteArrayView text = bytes.sliced(line.start, line.end - line.start);
        if (text.front() == '[') {
            sections.append({sectionName(text), {}});
            continue;
        }
        if (line.equals < 0)
            continue;
        qsizetype keyEnd = line.equals;
        while (keyEnd > line.start && isBlank(bytes[keyEnd - 1]))
            --keyEnd;
        if (sections.isEmpty())
            sections.append({QString(), {}});
        sections.last().entries.append({iniName(bytes.sliced(line.start, keyEnd - line.start)),
                                        bytes.sliced(line.equals + 1, line.end - line.equals - 1).toByteArray()});
    }
    return sections;
}

QByteArray iniText(const QList<IniSection> &sections)
{
    QByteArray out;
    for (const IniSection &section : sections) {
        if (!out.isEmpty())
            out += '\n';
        out += headerText(section.name);
        out += '\n';
        for (const IniEntry &entry : section.entries) {
            out += iniNameText(entry.key);
            out += '=';
            out += iniValueText(iniValue(entry.rawValue));
            out += '\n';
        }
    }
    return out;
}

QString iniValue(QByteArrayView raw)
{
    static constexpr char kEscapes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                           {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                           {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    const qsizetype n = raw.size();
    QString text;
    QStringList items;
    bool isList = false;
    bool inQuotes = false;
    bool quotedItem = false;
    qsizetype i = 0;
    qsizetype chopLimit = 0;  // blanks before it are kept: escaped or quoted
    const auto skipBlanks = [&] {
        while (i < n && isBlank(raw[i]))
            ++i;
    };
    // A numeric escape runs over as many digits as follow; the character
    // is its value modulo 2^16.
    const auto numericEscape = [&](int base, int (*digit)(char)) {
        char16_t code = 0;
        for (int d; i < n && (d = digit(raw[i])) >= 0; ++i)
            code = char16_t(code * base + d);
        text += QChar(code);
        chopLimit = text.size();
        return i >= n;  // the value ended inside the escape
    };

    // Each run of bytes on its own, a byte-order mark kept as a character.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);

    skipBlanks();
    bool cutShort = false;  // the value ended inside an escape: nothing is chopped
    while (i < n && !cutShort) {
        const char c = raw[i];
        if (c == '\\') {
            if (++i >= n) {
                cutShort = true;
                break;
            }
            const char e = raw[i++];
            const auto *simple = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                              [e](const char(&esc)[2]) { return esc[0] == e; });
            if (simple != std::end(kEscapes)) {
                text += QLatin1Char((*simple)[1]);
                chopLimit = text.size();
            } else if (e == 'x' && i >= n) {
                cutShort = true;
            } else if (e == 'x' && hexDigit(char16_t(uchar(raw[i]))) >= 0) {
                cutShort = numericEscape(16, [](char d) { return hexDigit(char16_t(uchar(d))); });
            } else if (octalDigit(e) >= 0) {
                --i;
                cutShort = numericEscape(8, octalDigit);
            } else {
                // A backslash before a line end continues the line; any
                // other escaped character is dropped.
                if (isLineEnd(e) && i < n && isLineEnd(raw[i]) && raw[i] != e)
                    ++i;
                chopLimit = text.size();
            }
        } else if (c == '"') {
            ++i;
            quotedItem = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                chopLimit = text.size();
            }
        } else if (c == ',' && !inQuotes) {
            if (!quotedItem)
                chopTrailingBlanks(text, chopLimit);
            isList = true;
            items.append(text);
            text.clear();
            quotedItem = false;
            ++i;
            skipBlanks();
            chopLimit = 0;
        } else {
            qsizetype j = i + 1;
            while (j < n && raw[j] != '\\' && raw[j] != '"' && raw[j] != ',')
                ++j;
            text += utf8(raw.sliced(i, j - i));
            i = j;
        }
    }
    if (!quotedItem && !cutShort)
        chopTrailingBlanks(text, chopLimit);
    if (!isList)
        return plainText(text);
    items.append(text);
    for (QString &item : items)
        item = plainText(item);
    return items.join(QLatin1Char(','));
}

QByteArray iniValueText(const QString &text)
{
    const QString s = text.contains(QChar::Null)          ? QStringLiteral("@String(") + text + QLatin1Char(')')
                      : text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text
                                                          : text;
    QByteArray out;
    out.reserve(s.size() + 2);
    bool needsQuotes = false;
    bool escapeNextIfHex = false;  // a hex digit right after \x.. or \0 would join it
    const auto escapeNumber = [&](char16_t c) {
        out += "\\x";
        out += QByteArray::number(uint(c), 16);
        escapeNextIfHex = true;
    };
    for (qsizetype k = 0; k < s.size(); ++k) {
        const char16_t c = s[k].unicode();
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        if (escapeNextIfHex && hexDigit(c) >= 0) {
            escapeNumber(c);
            continue;
        }
        escapeNextIfHex = false;
        switch (c) {
        case '\0':
            out += "\\0";
            escapeNextIfHex = true;
            break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += char(c);
            break;
        default:
            if (c <= 0x1F) {
                escapeNumber(c);
            } else if (QChar::isHighSurrogate(c) && k + 1 < s.size() && s[k + 1].isLowSurrogate()) {
                appendUtf8(out, QChar::surrogateToUcs4(c, s[k + 1].unicode()));
                ++k;
            } else if (QChar::isSurrogate(c)) {
                escapeNumber(c);
            } else {
                appendUtf8(out, c);
            }
        }
    }
    if (needsQuotes || (!out.isEmpty() && (out.front() == ' ' || out.back() == ' '))) {
        out.prepend('"');
        out += '"';
    }
    return out;
}

}  // namespace noctalis
