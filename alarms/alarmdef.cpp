// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "alarmdef.h"

namespace noctalis {

QString Action2Str(int action)
{
    switch (action) {
    case kActionMessageBox:
        return QStringLiteral("Message Box");
    case kActionMessageBoxSound:
        return QStringLiteral("Message Box + Sound");
    case kActionLaunchProgram:
        return QStringLiteral("Launch Program");
    case kActionSendLmstTcp:
        return QStringLiteral("Send LMST via TCP");
    default:
        return QString();
    }
}

} // namespace noctalis
