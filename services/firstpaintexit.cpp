// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "firstpaintexit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace noctalis {

namespace {

// Watches the application for the first paint of a window's widget (a
// window covered by its children may get none itself) and ends the process
// after it.
class FirstPaintExit : public QObject {
public:
    explicit FirstPaintExit(QWidget &window) : QObject(&window), m_window(window) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == &m_window) {
            m_seen = true;
            // After the paint event's flush to the display, in the next turn
            // of the event loop.
            QTimer::singleShot(0, this, [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget &m_window;
    bool m_seen = false;
};

}  // namespace

void exitAfterFirstPaintWhenAsked(QWidget &window)
{
    if (qEnvironmentVariableIsEmpty("NOCTALIS_EXIT_AFTER_FIRST_PAINT"))
        return;
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installEventFilter(new FirstPaintExit(window));
}

}  // namespace noctalis
