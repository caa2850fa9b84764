#include "fontdialogpicker.h"

#include <QApplication>
#include <QFontDialog>
#include <QIntValidator>

#include <algorithm>

namespace noctalis {

std::optional<FontChoice> FontDialogPicker::pickFont(const FontPickRequest &request)
{
    const auto withinLimits = [&](double points) {
        return std::clamp(points, double(request.minPointSize), double(request.maxPointSize));
    };
    QFont initial(request.initial.family);
    initial.setPointSizeF(withinLimits(request.initial.pointSize));
    initial.setBold(request.initial.bold);

    QFontDialog dialog(QApplication::activeWindow());
    dialog.setOption(QFontDialog::DontUseNativeDialog, true);
    dialog.setCurrentFont(initial);
    dialog.setWindowTitle(request.title);
    // The size box is the dialog's one field with a number validator.
    for (QIntValidator *sizes : dialog.findChildren<QIntValidator *>())
        sizes->setRange(request.minPointSize, request.maxPointSize);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QFont chosen = dialog.selectedFont();
    return FontChoice{chosen.family(), withinLimits(chosen.pointSizeF()), chosen.bold()};
}

} // namespace noctalis
