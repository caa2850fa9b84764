// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The program's one way of asking the user for a colour: the platform's
// colour dialog in the program, a script of answers in tests.
#pragma once

#include "scriptedanswers.h"

#include <QColor>

#include <optional>

namespace noctalis {

class ColorPicker {
public:
    virtual ~ColorPicker() = default;
    // The colour the user chose, starting from initial; nothing when the user
    // cancelled.
    virtual std::optional<QColor> pickColor(const QColor &initial) = 0;
};

// Records every colour offered and gives the queued answers in turn; an
// empty queue answers as a cancelled dialog (tests).
class ScriptedColorPicker : public ColorPicker, public ScriptedAnswers<QColor, QColor> {
public:
    std::optional<QColor> pickColor(const QColor &initial) override { return answer(initial); }
};

}  // namespace noctalis
