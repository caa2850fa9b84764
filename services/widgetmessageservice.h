// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Messages shown as message boxes, above the window they belong to: the
// modal dialog that asked, else the active window, else the program's main
// window once it is known.
//
// While the program starts, its window is not on screen yet; a message box
// then would open with nothing to stand above, and may end up under other
// windows while the program seems to hang. holdUntilShown() keeps plain
// messages (an OK button only) until showHeld() runs once the main window
// is shown; questions, which need their answer at once, are shown at once.
#pragma once

#include "messageservice.h"

#include <QList>
#include <QPointer>
#include <QWidget>

namespace noctalis {

class WidgetMessageService : public MessageService {
public:
    MessageAnswer show(const QString &text, const QString &title, MessageButtons buttons = MessageButtons::Ok) override;

    void holdUntilShown() { m_holding = true; }
    // Shows the messages held, in order, above mainWindow, which from now
    // on stands for the active window when none is.
    void showHeld(QWidget *mainWindow);

    int heldCount() const { return int(m_held.size()); }

private:
    QWidget *parentWindow() const;

    struct Held {
        QString text;
        QString title;
    };
    bool m_holding = false;
    QList<Held> m_held;
    QPointer<QWidget> m_mainWindow;
};

}  // namespace noctalis
