// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The bytes of the program's text files and the text they hold.
//
// Files written on Windows are 8-bit text in code page Windows-1252; files
// written here are UTF-8 whenever a character does not fit that code page.
// Reading tells the two apart by whether the bytes are valid UTF-8.
#pragma once

#include <QByteArray>
#include <QString>

namespace noctalis {

// decodeFileText: the text of a file's bytes.
//
// Given:
//   bytes   the whole file
// Returned (function value):
//   the bytes read as UTF-8 when they are valid UTF-8 (a leading byte-order
//   mark dropped), otherwise as Windows-1252.
//
// Notes:
//  1. Windows-1252 decoding is total: the five bytes the code page leaves
//     unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) give the control characters
//     of the same number, so every byte comes back on encoding.
//  2. Pure ASCII reads the same in both encodings.
QString decodeFileText(const QByteArray &bytes);

// encodeFileText: the bytes to write for text.
//
// Given:
//   text    the whole file
// Returned (function value):
//   Windows-1252 when every character fits that code page and the bytes do
//   not also read as different UTF-8 text; UTF-8 (without byte-order mark)
//   otherwise. decodeFileText gives text back unchanged either way.
QByteArray encodeFileText(const QString &text);

}  // namespace noctalis
