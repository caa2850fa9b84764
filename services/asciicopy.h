// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// UTF-16 text copied into bytes where it is plain ASCII, as the file
// writers need it: one pass that copies and looks at every character.
#pragma once

#include <QStringView>

namespace noctalis {

struct AsciiCopy {
    bool ascii = true;       // every character below 0x80
    bool lineBreak = false;  // a CR or LF among them
};

// copyAscii: text's characters narrowed to bytes at out.
//
// Given:   text  any text
// Returned:
//   out[0 .. text.size())  the low byte of each character (meaningful only
//                          when the result says ascii)
//   (function value)       whether every character is ASCII, and whether
//                          one is a line break
AsciiCopy copyAscii(QStringView text, char *out);

}  // namespace noctalis
