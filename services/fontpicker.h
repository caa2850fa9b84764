// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The program's one way of asking the user for a font: the platform's font
// dialog in the program, a script of answers in tests.
#pragma once

#include "fontlimits.h"
#include "scriptedanswers.h"

#include <QString>

#include <optional>

namespace noctalis {

// A font as the clock keeps it: face, size and weight.
struct FontChoice {
    QString family;
    double pointSize = 0;  // points
    bool bold = false;

    bool operator==(const FontChoice &) const = default;
};

// What a font dialog is asked to show.
struct FontPickRequest {
    QString title;
    FontChoice initial;                           // the font selected at first
    int minPointSize = int(kMinClockFontPoints);  // the sizes offered, points
    int maxPointSize = int(kMaxClockFontPoints);
};

class FontPicker {
public:
    virtual ~FontPicker() = default;
    // The font the user chose, its size within the request's limits; nothing
    // when the user cancelled.
    virtual std::optional<FontChoice> pickFont(const FontPickRequest &request) = 0;
};

// Records every request and gives the queued answers in turn; an empty queue
// answers as a cancelled dialog (tests).
class ScriptedFontPicker : public FontPicker, public ScriptedAnswers<FontPickRequest, FontChoice> {
public:
    std::optional<FontChoice> pickFont(const FontPickRequest &request) override { return answer(request); }
};

}  // namespace noctalis
