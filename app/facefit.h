// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The clock face's rows stacked one below the other, their fonts scaled
// together so that the face fills a given size: the digits follow the
// window as it is resized or shown full screen.
#pragma once

#include <QFont>
#include <QList>
#include <QSize>
#include <QString>

class QLabel;

namespace noctalis {

// A row of the face and its font at the configured size.
struct FaceRow {
    QLabel *label = nullptr;
    QFont font;
    // A text the row may show that is wider than the one it shows now, for
    // the row's width; empty for none.
    QString widestText;
};

// naturalFaceSize: the face's size at the configured fonts.
//
// Given:
//   rows   the rows shown, top to bottom
// Returned (function value):
//   the widest row's width and the rows' heights summed, each row at the
//   size its text takes in its font; the rows keep their configured fonts.
QSize naturalFaceSize(const QList<FaceRow> &rows);

// fitFace: scales the rows' fonts together and lays the rows out in an area.
//
// Given:
//   rows   the rows shown, top to bottom
//   area   the size to fill, pixels
// Returned (function value):
//   the factor the fonts were scaled by: 1 when area is the natural size.
//
// Notes:
//  1. The factor is the smaller of the two ratios of area to the natural
//     size, so the face fits both ways; text does not grow exactly with its
//     point size, so the factor is trimmed until the scaled face fits.
//  2. Every row is as wide as the widest, their text centred; the face is
//     centred in area. At the natural size the rows lie at (0, 0) on, as
//     they would without scaling.
//  3. An empty area, or no rows, leaves the rows as they are and gives 1.
double fitFace(const QList<FaceRow> &rows, QSize area);

}  // namespace noctalis
