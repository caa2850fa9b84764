// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Notifier: the desktop's notifications, beside the program's own windows.
#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace noctalis {

// A button a notification may offer: key names it to the program, label is
// what the user reads.
struct NotificationAction {
    QString key;
    QString label;
};

class Notifier {
public:
    // Told the tag of a notification and the key of the action the user chose
    // on it.
    using ActionHandler = std::function<void(const QString &tag, const QString &key)>;

    virtual ~Notifier() = default;
    // Shows a notification with a title and a text, filed under tag (a
    // later one of the same tag takes its place), offering actions where the
    // desktop shows buttons on notifications. It stays until withdrawn or
    // closed by the user. Returns at once; where the desktop shows no
    // notifications nothing happens.
    virtual void notify(const QString &tag, const QString &title, const QString &body,
                        const QList<NotificationAction> &actions) = 0;
    // Takes the notification of tag away, if it is still shown.
    virtual void withdraw(const QString &tag) = 0;
    // Where the actions the user chooses go; replaces the one set before.
    virtual void setActionHandler(ActionHandler handler) = 0;
};

}  // namespace noctalis
