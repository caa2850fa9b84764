// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "linereader.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace noctalis {

namespace {

// The index of the first CR or LF in text from index from on; text.size()
// when there is none.
qsizetype lineBreakIndex(QStringView text, qsizetype from)
{
    const char16_t *const begin = text.utf16();
    const char16_t *in = begin + from;
    const char16_t *const end = begin + text.size();
#if defined(__SSE2__)
    // Eight characters a step, compared with CR and LF at once: the lines of
    // an alarm file are a few steps long, where a loop over the characters
    // spends most of a load.
    const __m128i cr = _mm_set1_epi16('\r');
    const __m128i lf = _mm_set1_epi16('\n');
    for (; end - in >= 8; in += 8) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in));
        const int found = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi16(chars, cr), _mm_cmpeq_epi16(chars, lf)));
        if (found != 0)
            return (in - begin) + std::countr_zero(unsigned(found)) / 2;
    }
#endif
    for (; in != end; ++in) {
        if (*in == u'\r' || *in == u'\n')
            break;
    }
    return in - begin;
}

}  // namespace

QStringView LineReader::next()
{
    const qsizetype start = pos_;
    const qsizetype end = lineBreakIndex(text_, start);
    pos_ = end;
    if (pos_ < text_.size() && text_[pos_] == u'\r')
        ++pos_;
    if (pos_ < text_.size() && text_[pos_] == u'\n')
        ++pos_;
    ++lineNumber_;
    return text_.sliced(start, end - start);
}

}  // namespace noctalis
