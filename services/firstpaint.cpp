// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "firstpaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace noctalis {

namespace {

// Watches the application for the first paint of a widget of the window;
// the application forgets the filter when the watcher goes.
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(QWidget &window, std::function<void()> step) : m_window(window), m_step(std::move(step))
    {
        if (QCoreApplication *app = QCoreApplication::instance())
            app->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_step && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == &m_window) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, std::exchange(m_step, {}));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget &m_window;
    std::function<void()> m_step;
};

}  // namespace

std::unique_ptr<QObject> afterFirstPaint(QWidget &window, std::function<void()> step)
{
    return std::make_unique<FirstPaintWatcher>(window, std::move(step));
}

void exitAfterFirstPaintWhenAsked(QWidget &window)
{
    if (qEnvironmentVariableIsEmpty("NOCTALIS_EXIT_AFTER_FIRST_PAINT"))
        return;
    afterFirstPaint(window,
                    [] {
                        std::fflush(nullptr);
                        std::_Exit(0);
                    })
        .release()
        ->setParent(&window);
}

}  // namespace noctalis
