// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "widgetmessageservice.h"

#include <QApplication>
#include <QMessageBox>

namespace noctalis {

MessageAnswer WidgetMessageService::show(const QString &text, const QString &title,
                                         MessageButtons buttons)
{
    if (buttons == MessageButtons::YesNo) {
        const auto answer = QMessageBox::question(QApplication::activeWindow(), title, text,
                                                  QMessageBox::Yes | QMessageBox::No);
        return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    QMessageBox::information(QApplication::activeWindow(), title, text, QMessageBox::Ok);
    return MessageAnswer::Ok;
}

} // namespace noctalis
