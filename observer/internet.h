// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Opening web pages in the user's browser, and the web map link.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QUrl>

#include <functional>

namespace noctalis {

class MessageService;
struct AppContext;

// The desktop's way of opening a page: true when a handler took it.
using DesktopOpener = std::function<bool(const QUrl &)>;

// OpenURL: hands a page to the desktop's default handler (the browser for
// web addresses, the same or a viewer for local files).
//
// Given:
//   url        a web address, or a local file URL
//   desktop    the desktop's opener
//   messages   where to say where the page is when the desktop cannot open it
//
// Notes:
//  1. Without a handler the user reads a message naming the address (the
//     file's path for a local file) and can copy it into a browser. One line
//     goes to the category noctalis.desktop as well.
void OpenURL(const QString &url, const DesktopOpener &desktop, MessageService &messages);
// The same with the opener and messages of the application.
void OpenURL(const QString &url, const AppContext &context);

// launchingOpener: the desktop's opener for a running program.
//
// Given:
//   messages   where to say where a page is when no handler opened it
//   xdgOpen    the xdg-open program; searched for on PATH unless given
// Returned (function value):
//   an opener that hands pages to xdg-open where there is one, else to
//   QDesktopServices.
//
// Notes:
//  1. xdg-open starts at once and says only later, by its exit status, that
//     it found no handler (a desktop without a browser). The opener then
//     shows the message OpenURL shows for an opener that refused; the
//     program does not wait for it meanwhile.
DesktopOpener launchingOpener(MessageService &messages, const QString &xdgOpen = QString());

// The message shown when no handler opened url.
class PageTexts {
    Q_DECLARE_TR_FUNCTIONS(PageTexts)

public:
    static QString notOpened(const QUrl &url);
};

// The root address of the web map service, ending in "/".
QString mapRootAddress();

// The web map address centred on a place: root, "?ie=UTF8&ll=", latitude
// (degrees north, signed), ",", longitude (degrees east, signed),
// "&spn=1,1&t=h". lngWestDeg above 180 is an east longitude (360 - lng);
// otherwise it is written negated ("-0" for 0). Numbers always use ".".
QString MapURL(double latDeg, double lngWestDeg);

// ShowMapAt: opens the web map at a place.
void ShowMapAt(double latDeg, double lngWestDeg, const AppContext &context);

}  // namespace noctalis
