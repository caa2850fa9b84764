// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "backgroundstep.h"

Q_LOGGING_CATEGORY(lcClock, "noctalis.clock", QtWarningMsg)
Q_LOGGING_CATEGORY(lcAlarms, "noctalis.alarms", QtWarningMsg)
Q_LOGGING_CATEGORY(lcEngine, "noctalis.engine", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSettings, "noctalis.settings", QtWarningMsg)
Q_LOGGING_CATEGORY(lcObserver, "noctalis.observer", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDesktop, "noctalis.desktop", QtWarningMsg)

namespace noctalis {

void logSkippedStep(LogCategory category, const char *step, const QString &error)
{
    qCInfo(category).noquote() << step << "skipped:" << error;
}

void logSkippedStep(LogCategory category, const char *step, const char *error)
{
    logSkippedStep(category, step, QString::fromUtf8(error));
}

}  // namespace noctalis
