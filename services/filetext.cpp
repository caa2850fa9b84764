#include "filetext.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <optional>

namespace noctalis {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the unassigned ones map to themselves.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<QString> decodeUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QString decodeWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = (b >= 0x80 && b < 0xA0) ? QChar(kHighControls[b - 0x80]) : QChar(b);
    }
    return text;
}

// The Windows-1252 byte of ch, or nothing when ch does not fit the code page.
std::optional<char> windows1252Byte(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == u)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

std::optional<QByteArray> encodeWindows1252(const QString &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    bool highBytes = false;
    for (const QChar ch : text) {
        const auto b = windows1252Byte(ch);
        if (!b)
            return std::nullopt;
        highBytes = highBytes || static_cast<unsigned char>(*b) >= 0x80;
        *out++ = *b;
    }
    // Bytes that are also valid UTF-8 would be read back as other text.
    if (highBytes && decodeUtf8(bytes))
        return std::nullopt;
    return bytes;
}

} // namespace

QString decodeFileText(const QByteArray &bytes)
{
    if (auto text = decodeUtf8(bytes))
        return *text;
    return decodeWindows1252(bytes);
}

QByteArray encodeFileText(const QString &text)
{
    if (auto bytes = encodeWindows1252(text))
        return *bytes;
    return QStringEncoder(QStringConverter::Utf8).encode(text);
}

} // namespace noctalis
