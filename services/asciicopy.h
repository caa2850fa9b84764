// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Copies as the file writers need them: UTF-16 text into bytes where it is
// plain ASCII, in one pass that copies and looks at every character, and
// the short byte texts of a line (tags, numbers).
#pragma once

#include <QStringView>

#include <cstdint>
#include <cstring>
#include <string_view>

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

// copyShortBytes: chars copied to out; where they end. Up to 32 bytes go in
// two overlapping moves of a fixed size rather than a call.
inline char *copyShortBytes(std::string_view chars, char *out)
{
    const char *in = chars.data();
    const std::size_t n = chars.size();
    const auto twoMoves = [&](auto word) {
        std::memcpy(&word, in, sizeof word);
        std::memcpy(out, &word, sizeof word);
        std::memcpy(&word, in + n - sizeof word, sizeof word);
        std::memcpy(out + n - sizeof word, &word, sizeof word);
    };
    struct Bytes16 {
        char bytes[16];
    };
    if (n > 32)
        std::memcpy(out, in, n);
    else if (n >= 16)
        twoMoves(Bytes16());
    else if (n >= 8)
        twoMoves(std::uint64_t());
    else if (n >= 4)
        twoMoves(std::uint32_t());
    else if (n > 0) {  // one to three: the first, the middle and the last
        out[0] = in[0];
        out[n / 2] = in[n / 2];
        out[n - 1] = in[n - 1];
    }
    return out + n;
}

}  // namespace noctalis
