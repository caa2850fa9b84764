// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The program's name on the desktop: its desktop entry, AppStream component
// and icon are named after applicationId(), and its launcher and autostart
// entries are both files named desktopFileName().
#pragma once

#include <QString>

namespace noctalis {

// "org.noctalis.Noctalis"
QString applicationId();
// "org.noctalis.Noctalis.desktop"
QString desktopFileName();

}  // namespace noctalis
