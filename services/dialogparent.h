// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The window a message box or picker belongs to, so that it opens above
// that window and the window manager keeps it there.
#pragma once

class QWidget;

namespace noctalis {

// dialogParent: the parent for a box or picker about to open.
//
// Given:
//   fallback   the window to use when no window of the program is modal
//              or active (the main window); may be null
// Returned (function value):
//   the modal window on top (the dialog that asked), else the active
//   window, else fallback
//
// Notes:
//  1. The modal window comes first: under a window manager the active
//     window is null or stale for a moment while a modal dialog is up (its
//     file dialog has just closed, focus has not come back yet), and a box
//     parented to nothing then opens under every other window.
QWidget *dialogParent(QWidget *fallback = nullptr);

}  // namespace noctalis
