// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Fitting top-level windows onto the screen they open on: no larger than
// the part of the screen windows may take, and wholly on it.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QScreen;
class QWidget;

namespace noctalis {

// Where a window opens next to the window it belongs to.
enum class Placement {
    Centred,  // over the middle of the other window
    Beside,   // just right of it, else left, below or above it
};

// clampFrame: a window's frame moved (and, when larger, cut) into an area.
//
// Given:
//   frame     the frame wanted, pixels
//   area      the part of the screen windows may take, pixels
// Returned (function value):
//   frame no larger than area, moved the least that puts it wholly inside
//   area.
QRect clampFrame(const QRect &frame, const QRect &area);

// placeFrame: where a window's frame opens.
//
// Given:
//   frame      size of the window with its title bar and borders, pixels
//   area       the part of the screen windows may take, pixels
//   anchor     frame of the window it belongs to; a null rectangle when
//              there is none
//   placement  how it stands to anchor
// Returned (function value):
//   the frame, no larger than area and wholly inside it: centred on anchor
//   (on area without one), or beside anchor: on its right, left, below or
//   above it, the first of these where it covers nothing of anchor, else
//   where it covers least of it.
QRect placeFrame(const QSize &frame, const QRect &area, const QRect &anchor, Placement placement);

// screenOf: the screen a window belongs on: that of anchor's window, else
// the one under its middle, else the primary screen; null without screens.
QScreen *screenOf(const QWidget *anchor);

// fitWindow: sizes and places a top-level window before it is shown.
//
// Given:
//   window     the window; its size hint (or its size, when it has been
//              shown before) is the size wanted
//   anchor     the window it belongs to (any widget of it), or null for
//              its parent's window
//   placement  how it stands to anchor
// Notes:
//   The window opens on the screen of anchor, no larger than that screen's
//   available geometry with the title bar and borders counted, as the
//   window manager drew them round anchor (or round the window itself when
//   it has been shown). Once the window manager has framed the window, its
//   frame is kept on the screen again.
void fitWindow(QWidget &window, const QWidget *anchor = nullptr, Placement placement = Placement::Centred);

// fitOnFirstShow: fitWindow, run as window is first shown (its layout
// complete by then); later shows keep the place the user left it at.
void fitOnFirstShow(QWidget &window, const QWidget *anchor = nullptr, Placement placement = Placement::Centred);

// keepWindowOnScreen: moves (and, when too large, shrinks) a window whose
// place is its own, a stored one for instance, wholly onto the screen under
// its frame's middle, the nearest screen when it lies on none.
void keepWindowOnScreen(QWidget &window);

// keepOnScreenOnceFramed: keepWindowOnScreen, run once the window manager
// has put its title bar and borders round window.
void keepOnScreenOnceFramed(QWidget &window);

// frameMargins: the title bar and borders round a window, as far as they
// are known: the window's own once framed, else those round anchor's window,
// else the largest round any window of the program on screen.
QMargins frameMargins(const QWidget &window, const QWidget *anchor);

}  // namespace noctalis
