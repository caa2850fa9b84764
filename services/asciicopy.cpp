// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "asciicopy.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace noctalis {

AsciiCopy copyAscii(QStringView text, char *out)
{
    const char16_t *in = text.utf16();
    const char16_t *const end = in + text.size();
    char16_t all = 0;
    bool lineBreak = false;
#if defined(__SSE2__)
    // Sixteen characters a step: OR them together for the ASCII test, compare
    // them with CR and LF, and pack their low bytes (saturated, which changes
    // only characters above 0xFF, text that is no ASCII anyway).
    const __m128i cr = _mm_set1_epi16('\r');
    const __m128i lf = _mm_set1_epi16('\n');
    __m128i seen = _mm_setzero_si128();
    __m128i breaks = _mm_setzero_si128();
    for (; end - in >= 16; in += 16, out += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + 8));
        seen = _mm_or_si128(seen, _mm_or_si128(a, b));
        breaks = _mm_or_si128(breaks, _mm_or_si128(_mm_cmpeq_epi16(a, cr), _mm_cmpeq_epi16(a, lf)));
        breaks = _mm_or_si128(breaks, _mm_or_si128(_mm_cmpeq_epi16(b, cr), _mm_cmpeq_epi16(b, lf)));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(a, b));
    }
    const bool wide =
        _mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(seen, _mm_set1_epi16(-0x80)), _mm_setzero_si128())) != 0xFFFF;
    all = wide ? 0x80 : 0;
    lineBreak = _mm_movemask_epi8(breaks) != 0;
#endif
    for (; in != end; ++in) {
        const char16_t u = *in;
        all |= u;
        lineBreak |= (u == u'\r') | (u == u'\n');
        *out++ = static_cast<char>(u);
    }
    return AsciiCopy{all < 0x80, lineBreak};
}

}  // namespace noctalis
