// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "filetext.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <optional>

namespace noctalis {

namespace {

// The code page of files written on Windows, as Qt's ICU backend names it.
// ICU maps the five bytes the code page leaves unassigned to the control
// characters of the same number, so decoding is total and every byte comes
// back on encoding. A Qt built without ICU lacks the code page: files are
// then read as Latin-1 (every byte still comes back) and written as UTF-8.
constexpr const char kWindows1252[] = "windows-1252";

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
    QStringDecoder decoder(kWindows1252);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

std::optional<QByteArray> encodeWindows1252(const QString &text)
{
    QStringEncoder encoder(kWindows1252);
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;  // a character beyond the code page
    // Bytes that are also valid UTF-8 would be read back as other text.
    const bool ascii = std::all_of(bytes.cbegin(), bytes.cend(), [](char b) { return (b & 0x80) == 0; });
    if (!ascii && decodeUtf8(bytes))
        return std::nullopt;
    return bytes;
}

}  // namespace

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

}  // namespace noctalis
