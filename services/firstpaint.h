// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Work that waits for a window to be on screen: what start-up need not do
// before the first paint, and ending a program right then for timing
// start-up.
#pragma once

#include <functional>
#include <memory>

class QObject;
class QWidget;

namespace noctalis {

// afterFirstPaint: runs step once, in the turn of the event loop after the
// first paint of window.
//
// Given:
//   window   a top-level window about to be shown
//   step     what to run then
// Returned (function value):
//   the watcher; destroying it before then cancels the step
//
// Notes:
//  1. Any of the window's widgets may be the one painted: a window that its
//     children cover gets no paint event itself.
//  2. The paint of a top-level window and the flush of its pixels to the
//     display happen in one event; the step comes in the next.
std::unique_ptr<QObject> afterFirstPaint(QWidget &window, std::function<void()> step);

// exitAfterFirstPaintWhenAsked: ends the process right after the first paint
// of window when the environment variable NOCTALIS_EXIT_AFTER_FIRST_PAINT is
// set, so that timing the whole process times start-up up to the window on
// screen; does nothing otherwise.
//
// Given:
//   window   a top-level window about to be shown
//
// Notes:
//  1. The process ends without running destructors or saving anything
//     (std::_Exit), so no shutdown work is timed and no file is touched.
//  2. The start-up timing script in bench/startup uses it for the clock and
//     for the reference label program alike.
void exitAfterFirstPaintWhenAsked(QWidget &window);

}  // namespace noctalis
