// The program's one way of asking the user for a colour: the platform's
// colour dialog in the program, a script of answers in tests.
#pragma once

#include <QColor>
#include <QList>

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
class ScriptedColorPicker : public ColorPicker {
public:
    std::optional<QColor> pickColor(const QColor &initial) override
    {
        offered.push_back(initial);
        if (answers.isEmpty())
            return std::nullopt;
        return answers.takeFirst();
    }

    QList<QColor> offered;
    QList<std::optional<QColor>> answers;
};

} // namespace noctalis
