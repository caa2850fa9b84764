// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "asciicopy.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace noctalis {

#if defined(__SSE2__)
namespace {

// The characters seen so far: all of them ORed together, and the CR and LF
// among them.
struct Seen {
    __m128i all = _mm_setzero_si128();
    __m128i breaks = _mm_setzero_si128();

    void add(__m128i chars)
    {
        all = _mm_or_si128(all, chars);
        breaks = _mm_or_si128(breaks, _mm_or_si128(_mm_cmpeq_epi16(chars, _mm_set1_epi16('\r')),
                                                   _mm_cmpeq_epi16(chars, _mm_set1_epi16('\n'))));
    }
};

// Sixteen characters at in, their low bytes at out (packed saturated, which
// changes only characters above 0xFF, text that is no ASCII anyway).
inline void copy16(const char16_t *in, char *out, Seen &seen)
{
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + 8));
    seen.add(a);
    seen.add(b);
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(a, b));
}

inline void copy8(const char16_t *in, char *out, Seen &seen)
{
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in));
    seen.add(a);
    _mm_storel_epi64(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(a, a));
}

inline void copy4(const char16_t *in, char *out, Seen &seen)
{
    const __m128i a = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(in));  // the upper half zero
    seen.add(a);
    const int bytes = _mm_cvtsi128_si32(_mm_packus_epi16(a, a));
    std::memcpy(out, &bytes, 4);
}

}  // namespace
#endif

AsciiCopy copyAscii(QStringView text, char *out)
{
    const char16_t *const in = text.utf16();
    const qsizetype n = text.size();
#if defined(__SSE2__)
    // Whole steps, the last one ending at the text's end and overlapping the
    // step before: characters seen twice are seen the same, and copied the
    // same. Only texts shorter than four go one character at a time.
    if (n >= 4) {
        Seen seen;
        if (n >= 16) {
            for (qsizetype i = 0; i + 16 <= n; i += 16)
                copy16(in + i, out + i, seen);
            if (n % 16 != 0)
                copy16(in + n - 16, out + n - 16, seen);
        } else if (n >= 8) {
            copy8(in, out, seen);
            copy8(in + n - 8, out + n - 8, seen);
        } else {
            copy4(in, out, seen);
            copy4(in + n - 4, out + n - 4, seen);
        }
        const bool ascii =
            _mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(seen.all, _mm_set1_epi16(-0x80)), _mm_setzero_si128()))
            == 0xFFFF;
        return AsciiCopy{ascii, _mm_movemask_epi8(seen.breaks) != 0};
    }
#endif
    char16_t all = 0;
    bool lineBreak = false;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = in[i];
        all |= u;
        lineBreak |= (u == u'\r') | (u == u'\n');
        out[i] = static_cast<char>(u);
    }
    return AsciiCopy{all < 0x80, lineBreak};
}

}  // namespace noctalis
