// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The text of an INI file, read and written as plain text values.
//
// The settings file is the INI file that Qt's QSettings wrote for earlier
// versions of the program: "[Section]" lines and "key=value" lines. This
// reader takes a file in that form apart without ever decoding a value into
// anything but text ("@Variant(...)" stays the text it is), and this writer
// puts texts back in the same form, so that both versions read each other's
// files.
//
// The form, as QSettings reads and writes it:
//   - A line is "[name]" or "key=value"; blanks around it are skipped. A ";"
//     at the start of a line makes it a comment; a ";" outside double
//     quotes ends the line's value. Other lines are ignored.
//   - Key and section names escape every character other than A-Z, a-z,
//     0-9, "_", "-" and "." as %XX (up to U+00FF) or %UXXXX; reading takes
//     "\" for "/" too, and any other byte as a Latin-1 character. Section "[General]" holds the
//     keys before any section; a section really named General is written
//     "[%General]".
//   - A value is UTF-8 with C-style escapes (\a \b \f \n \r \t \v \" \\ \?
//     \' \xHHHH \ooo), parts in double quotes keep their blanks, a
//     backslash before a line end continues the line, and blanks around an
//     unquoted value are dropped. Unquoted commas split the value into a
//     list, which is read here as its items joined by ",". A text that
//     starts with "@" is written with a second "@" in front, which reading
//     takes off again; a text holding a NUL character is written as
//     "@String(text)".
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace noctalis {

// One "key=value" line: the key's name and the value as it stands in the
// file, still escaped.
struct IniEntry {
    QString key;
    QByteArray rawValue;
};

// One section with its entries in file order. A section whose name is
// empty holds the keys before the first "[...]" line and those of
// "[General]".
struct IniSection {
    QString name;
    QList<IniEntry> entries;
};

// parseIniText: the sections of an INI file.
//
// Given:
//   bytes   the whole file (a leading UTF-8 byte-order mark is skipped)
// Returned (function value):
//   the sections in file order, each with its entries in file order;
//   sections and keys that repeat, in any case, are all kept.
//
// Notes:
//  1. Never fails and never decodes a value: any bytes give some sections,
//     in time linear in the size of the file.
//  2. A double quote that is never closed runs to the end of the file, as
//     QSettings reads it.
QList<IniSection> parseIniText(QByteArrayView bytes);

// iniText: the bytes of an INI file holding sections.
//
// Given:
//   sections   as parseIniText gives them
// Returned (function value):
//   "[name]" and "key=value" lines ended by LF, a blank line between
//   sections. Names are escaped anew and values are written from their text
//   (iniValueText of iniValue), so parseIniText of the result gives the same
//   names and the same value texts back.
QByteArray iniText(const QList<IniSection> &sections);

// iniValue: the text of a value as it stands in the file.
//
// Given:
//   rawValue   the bytes after the key's "="
// Returned (function value):
//   the value as plain text: escapes and quotes resolved, list items joined
//   by ",", one "@" taken off a text (or item) that starts with "@@", the
//   inside of "@String(...)". Nothing else that starts with "@" is decoded.
QString iniValue(QByteArrayView rawValue);

// iniValueText: the bytes that stand for a text after a key's "=".
//
// Given:
//   text   any text
// Returned (function value):
//   the text escaped as QSettings writes a text value: "@" doubled in
//   front or "@String(...)" around a text with a NUL, control characters, "\" and double quotes escaped, the rest as
//   UTF-8, and the whole in double quotes when it holds ";", "," or "=" or
//   starts or ends with a blank. A lone surrogate is written as \xHHHH, so
//   iniValue gives every text back unchanged.
QByteArray iniValueText(const QString &text);

}  // namespace noctalis
