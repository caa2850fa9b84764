// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "fontdialogpicker.h"

#include "dialogparent.h"

#include <QFontDialog>
#include <QFontInfo>
#include <QIntValidator>
#include <QLineEdit>

#include <algorithm>

namespace noctalis {

namespace {

// The size box's sizes: one above the top cannot be typed; one below the
// bottom (a first digit on its way to a larger size) is raised to the bottom
// when the box is left.
class PointSizeValidator : public QIntValidator {
public:
    using QIntValidator::QIntValidator;

    State validate(QString &input, int &pos) const override
    {
        const State state = QIntValidator::validate(input, pos);
        bool ok = false;
        const int points = input.toInt(&ok);
        return state == Intermediate && ok && points > top() ? Invalid : state;
    }

    void fixup(QString &input) const override
    {
        bool ok = false;
        const int points = input.toInt(&ok);
        if (ok)
            input = QString::number(std::clamp(points, bottom(), top()));
    }
};

}  // namespace

std::optional<FontChoice> FontDialogPicker::pickFont(const FontPickRequest &request)
{
    const auto withinLimits = [&](double points) {
        return std::clamp(points, double(request.minPointSize), double(request.maxPointSize));
    };
    QFont initial(request.initial.family);
    initial.setPointSizeF(withinLimits(request.initial.pointSize));
    initial.setBold(request.initial.bold);
    // A face that is not installed is shown as the one the system puts in
    // its place, in the weight asked for.
    initial.setFamily(QFontInfo(initial).family());

    QFontDialog dialog(dialogParent());
    dialog.setOption(QFontDialog::DontUseNativeDialog, true);
    dialog.setCurrentFont(initial);
    dialog.setWindowTitle(request.title);
    // The size box is the dialog's one box with a number validator.
    for (QLineEdit *box : dialog.findChildren<QLineEdit *>()) {
        if (qobject_cast<const QIntValidator *>(box->validator()))
            box->setValidator(new PointSizeValidator(request.minPointSize, request.maxPointSize, box));
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QFont chosen = dialog.selectedFont();
    // The face asked for keeps its name while the user leaves it in place.
    const QString family = chosen.family() == initial.family() ? request.initial.family : chosen.family();
    return FontChoice{family, withinLimits(chosen.pointSizeF()), chosen.bold()};
}

}  // namespace noctalis
