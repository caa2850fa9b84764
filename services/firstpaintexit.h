// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Ending a program as soon as its window is on screen, for timing start-up.
#pragma once

class QWidget;

namespace noctalis {

// exitAfterFirstPaintWhenAsked: ends the process right after the first paint
// of window when the environment variable NOCTALIS_EXIT_AFTER_FIRST_PAINT is
// set, so that timing the whole process times start-up up to the window on
// screen; does nothing otherwise.
//
// Given:
//   window   a top-level window about to be shown
//
// Notes:
//  1. The paint of a top-level window and the flush of its pixels to the
//     display happen in one event; the process ends in the next, without
//     running destructors or saving anything (std::_Exit), so no shutdown
//     work is timed and no file is touched.
//  2. The start-up timing script in bench/startup uses it for the clock and
//     for the reference label program alike.
void exitAfterFirstPaintWhenAsked(QWidget &window);

}  // namespace noctalis
