// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Notifier: the desktop's notifications, beside the program's own windows.
#pragma once

#include <QString>

namespace noctalis {

class Notifier {
public:
    virtual ~Notifier() = default;
    // Shows a notification with a title and a text, filed under tag (a
    // later one of the same tag takes its place). Returns at once; where the
    // desktop shows no notifications nothing happens.
    virtual void notify(const QString &tag, const QString &title, const QString &body) = 0;
    // Takes the notification of tag away, if it is still shown.
    virtual void withdraw(const QString &tag) = 0;
};

} // namespace noctalis
