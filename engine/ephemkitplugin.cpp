// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "ephemkitplugin.h"

#include "ephemkit.h"

QObject *EphemkitFactory::createInstance(const QString &progId)
{
    if (progId.compare(QLatin1String("Ephemlib.Ephemkit"), Qt::CaseInsensitive) != 0)
        return nullptr;
    return new Ephemkit;
}

bool EphemkitFactory::canUnloadNow() const { return Ephemkit::liveObjects() == 0; }
