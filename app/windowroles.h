// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The program's own top-level windows (the clock, the calculator, Tonight,
// the notices and senders) are plain widgets; screen readers would present
// them as fillers. installWindowRoles() makes them present as windows
// (frames), as dialogs already do. Call it once, after the application
// object exists.
#pragma once

namespace noctalis {

void installWindowRoles();

}  // namespace noctalis
