// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Opening web pages in the user's browser, and the web map link.
#pragma once

#include <QString>

namespace noctalis {

// OpenURL: hands the text to the desktop's default handler (the browser for
// web addresses). Nothing is reported when it cannot be opened but one line
// in the category noctalis.desktop.
void OpenURL(const QString &url);

// The root address of the web map service, ending in "/".
QString mapRootAddress();

// The web map address centred on a place: root, "?ie=UTF8&ll=", latitude
// (degrees north, signed), ",", longitude (degrees east, signed),
// "&spn=1,1&t=h". lngWestDeg above 180 is an east longitude (360 - lng);
// otherwise it is written negated ("-0" for 0). Numbers always use ".".
QString MapURL(double latDeg, double lngWestDeg);

// ShowMapAt: opens the web map at a place.
void ShowMapAt(double latDeg, double lngWestDeg);

}  // namespace noctalis
