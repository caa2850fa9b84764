// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "widgetmessageservice.h"

#include "dialogparent.h"

#include <QMessageBox>

#include <utility>

namespace noctalis {

QWidget *WidgetMessageService::parentWindow() const { return dialogParent(m_mainWindow.data()); }

MessageAnswer WidgetMessageService::show(const QString &text, const QString &title, MessageButtons buttons)
{
    if (buttons == MessageButtons::YesNo) {
        const auto answer = QMessageBox::question(parentWindow(), title, text, QMessageBox::Yes | QMessageBox::No);
        return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    if (buttons == MessageButtons::YesNoCancel) {
        // Escape and the close box cancel.
        const auto answer = QMessageBox::question(
            parentWindow(), title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
        if (answer == QMessageBox::Yes)
            return MessageAnswer::Yes;
        return answer == QMessageBox::No ? MessageAnswer::No : MessageAnswer::Cancel;
    }
    if (m_holding) {
        m_held.append({text, title});
        return MessageAnswer::Ok;
    }
    QMessageBox::information(parentWindow(), title, text, QMessageBox::Ok);
    return MessageAnswer::Ok;
}

void WidgetMessageService::showHeld(QWidget *mainWindow)
{
    m_mainWindow = mainWindow;
    m_holding = false;
    const QList<Held> held = std::exchange(m_held, {});
    for (const Held &message : held)
        QMessageBox::information(parentWindow(), message.title, message.text, QMessageBox::Ok);
}

}  // namespace noctalis
