// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "handover.h"

#include "clockwindow.h"
#include "singleinstance.h"

namespace noctalis {

void connectHandover(SingleInstance &instance, ClockWindow &clockWindow)
{
    QObject::connect(&instance, &SingleInstance::activationRequested, &clockWindow, &ClockWindow::bringToFront);
}

}  // namespace noctalis
