// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "displaytext.h"

namespace noctalis {

QString boundedText(const QString &text, qsizetype maxChars, int maxLines)
{
    qsizetype cut = text.size() > maxChars ? maxChars : text.size();
    qsizetype lineBreak = -1;
    for (int line = 0; line < maxLines; ++line) {
        lineBreak = text.indexOf(QLatin1Char('\n'), lineBreak + 1);
        if (lineBreak < 0 || lineBreak >= cut)
            break;
        if (line == maxLines - 1)
            cut = lineBreak;
    }
    if (cut == text.size())
        return text;
    if (cut > 0 && text.at(cut - 1) == QLatin1Char('\r'))
        --cut;
    if (cut > 0 && text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut) + QChar(0x2026);
}

}  // namespace noctalis
