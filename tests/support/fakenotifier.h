// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// A notifier that records what it was asked to show and withdraw, and lets
// a test choose a notification's action as the user would.
#pragma once

#include "notifier.h"

#include <QStringList>

namespace noctalis {

class FakeNotifier : public Notifier {
public:
    void notify(const QString &tag, const QString &title, const QString &body,
                const QList<NotificationAction> &offered) override
    {
        shown << QStringList{tag, title, body};
        QStringList keys;
        for (const NotificationAction &a : offered)
            keys << a.key;
        actions << keys;
    }
    void withdraw(const QString &tag) override { withdrawn << tag; }
    void setActionHandler(ActionHandler h) override { handler = std::move(h); }

    // The user chooses the action key on the notification of tag.
    void choose(const QString &tag, const QString &key)
    {
        if (handler)
            handler(tag, key);
    }

    QList<QStringList> shown;    // tag, title, body
    QList<QStringList> actions;  // the action keys offered with each of shown
    QStringList withdrawn;
    ActionHandler handler;
};

}  // namespace noctalis
