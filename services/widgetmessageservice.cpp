// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "widgetmessageservice.h"

#include "dialogparent.h"

#include <QMessageBox>

#include <utility>

namespace noctalis {

namespace {

// A message with an OK button whose text can be selected and copied (a
// file's path, the address of a page no browser opened).
void inform(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

}  // namespace

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
    inform(parentWindow(), title, text);
    return MessageAnswer::Ok;
}

void WidgetMessageService::showHeld(QWidget *mainWindow)
{
    m_mainWindow = mainWindow;
    m_holding = false;
    const QList<Held> held = std::exchange(m_held, {});
    for (const Held &message : held)
        inform(parentWindow(), message.title, message.text);
}

}  // namespace noctalis
