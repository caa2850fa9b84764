// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "alarmdef.h"

#include <QCoreApplication>

namespace noctalis {

QString Action2Str(int action)
{
    switch (action) {
    case kActionMessageBox: return QCoreApplication::translate("AlarmDef", "Message Box");
    case kActionMessageBoxSound: return QCoreApplication::translate("AlarmDef", "Message Box + Sound");
    case kActionLaunchProgram: return QCoreApplication::translate("AlarmDef", "Launch Program");
    case kActionSendLmstTcp: return QCoreApplication::translate("AlarmDef", "Send LMST via TCP");
    default: return QString();
    }
}

bool LaunchMinimized(const QString &param2) { return param2.toUpper().contains(QLatin1Char('Y')); }

}  // namespace noctalis
