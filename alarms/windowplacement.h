// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Where a window of a fired alarm opens: in the top-right area of the
// screen, on a spot no other window of the program covers.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace noctalis {

// freeTopRightSpot: the top-left corner for a window's frame.
//
// Given:
//   frame     size of the window with its title bar and borders, pixels
//   area      the part of the screen windows may take, pixels
//   occupied  frames of the windows already on screen, pixels
// Returned (function value):
//   the first free spot, looking down the right edge of area first, then
//   down the column just left of each window on screen, right to left; a
//   spot is tried at the top of area and just below each window, and is free
//   when the frame there lies inside area and overlaps none of occupied.
//   The top-right corner of area when there is no free spot.
QPoint freeTopRightSpot(const QSize &frame, const QRect &area, const QList<QRect> &occupied);

// notificationCorner: where the desktop's notifications usually pop up.
//
// Given:
//   area      the part of the screen windows may take, pixels
// Returned (function value):
//   the top-right region of area, 400 by 200 pixels (less where area is
//   smaller); a window kept clear of it is not hidden under a pop-up.
QRect notificationCorner(const QRect &area);

}  // namespace noctalis
