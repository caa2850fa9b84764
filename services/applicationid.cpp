// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "applicationid.h"

namespace noctalis {

QString applicationId() { return QStringLiteral(NOCTALIS_APP_ID); }

QString desktopFileName() { return applicationId() + QStringLiteral(".desktop"); }

}  // namespace noctalis
