// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Drives windows as a user does (tests): buttons clicked and menu entries
// triggered by their objectName, timers fired through their own signal, so
// a test reaches a handler by the path a user's click or the clock takes.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QMetaObject>
#include <QObject>
#include <QTimer>

#include <gtest/gtest.h>

// The child of root of type T named name; a test failure when there is none.
template <typename T>
T *child(const QObject &root, const char *name)
{
    T *found = root.findChild<T *>(QLatin1String(name));
    if (!found)
        ADD_FAILURE() << "no " << T::staticMetaObject.className() << " named " << name << " under "
                      << root.objectName().toStdString();
    return found;
}

// Clicks the button named name under root, as the mouse does (nothing when
// it is disabled).
inline void click(const QObject &root, const char *name)
{
    if (QAbstractButton *button = child<QAbstractButton>(root, name))
        button->click();
}

// Triggers the action named name under root, as choosing its menu entry does
// (nothing when it is disabled).
inline void trigger(const QObject &root, const char *name)
{
    if (QAction *action = child<QAction>(root, name))
        action->trigger();
}

// Fires a timer now: its timeout reaches everything connected to it, as when
// its interval runs out. The timer itself runs on as it was.
inline void fire(QTimer *timer)
{
    ASSERT_NE(timer, nullptr);
    ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection));
}
