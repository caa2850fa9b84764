// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// A notifier that records what it was asked to show and withdraw.
#pragma once

#include "notifier.h"

#include <QStringList>

namespace noctalis {

class FakeNotifier : public Notifier {
public:
    void notify(const QString &tag, const QString &title, const QString &body) override
    {
        shown << QStringList{tag, title, body};
    }
    void withdraw(const QString &tag) override { withdrawn << tag; }

    QList<QStringList> shown;  // tag, title, body
    QStringList withdrawn;
};

} // namespace noctalis
