// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Texts as windows show them: a text of any length is cut to a few lines and
// characters before a label or list lays it out, so that a huge alarm name
// or message never holds up the user-interface thread.
#pragma once

#include <QString>

namespace noctalis {

// boundedText: the part of a text that a window shows.
//
// Given:
//   text      any text, of any length
//   maxChars  most characters kept, > 0
//   maxLines  most lines kept, > 0 (1: the text up to its first line break)
// Returned (function value):
//   text itself when it fits; otherwise its first maxChars characters, cut
//   further before the line break that would start line maxLines + 1, and
//   followed by "…" (U+2026).
//
// Notes:
//  1. A cut never splits a character made of two UTF-16 units.
//  2. Line breaks are "\n"; a "\r" before one goes with it.
QString boundedText(const QString &text, qsizetype maxChars, int maxLines = 1);

}  // namespace noctalis
