// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The class factory of the Ephemkit library (ProgID "Ephemlib.Ephemkit").
#pragma once

#include "classfactory.h"

#include <QObject>

class EphemkitFactory : public QObject, public automation::ClassFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID AutomationClassFactory_iid FILE "ephemkit.json")
    Q_INTERFACES(automation::ClassFactory)

public:
    QObject *createInstance(const QString &progId) override;
    bool canUnloadNow() const override;
};
