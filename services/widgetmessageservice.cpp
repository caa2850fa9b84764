// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "widgetmessageservice.h"

#include <QApplication>
#include <QMessageBox>

namespace noctalis {

MessageAnswer WidgetMessageService::show(const QString &text, const QString &title, MessageButtons buttons)
{
    if (buttons == MessageButtons::YesNo) {
        const auto answer =
            QMessageBox::question(QApplication::activeWindow(), title, text, QMessageBox::Yes | QMessageBox::No);
        return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    if (buttons == MessageButtons::YesNoCancel) {
        // Escape and the close box cancel.
        const auto answer =
            QMessageBox::question(QApplication::activeWindow(), title, text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
        if (answer == QMessageBox::Yes)
            return MessageAnswer::Yes;
        return answer == QMessageBox::No ? MessageAnswer::No : MessageAnswer::Cancel;
    }
    QMessageBox::information(QApplication::activeWindow(), title, text, QMessageBox::Ok);
    return MessageAnswer::Ok;
}

}  // namespace noctalis
