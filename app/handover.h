// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The handover of a second start: the running clock window comes to the
// front when a later start asks the single instance for it.
#pragma once

namespace noctalis {

class ClockWindow;
class SingleInstance;

// Every request instance answers from a later start brings clockWindow to
// the front: reopened when it was closed, restored when minimised.
void connectHandover(SingleInstance &instance, ClockWindow &clockWindow);

}  // namespace noctalis
