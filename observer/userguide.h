// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The user guide installed with the program, and the F1 key that opens it.
#pragma once

#include "internet.h"

#include <QString>
#include <QUrl>

class QShortcut;
class QWidget;

namespace noctalis {

class MessageService;
struct AppContext;

// The guide's sections, the anchors of its page.
namespace guide {
inline constexpr char kClock[] = "clock";
inline constexpr char kSettings[] = "settings";
inline constexpr char kPlace[] = "place";
inline constexpr char kAlarms[] = "alarms";
inline constexpr char kCalculator[] = "calculator";
inline constexpr char kTonight[] = "tonight";
inline constexpr char kSites[] = "sites";
inline constexpr char kFiles[] = "files";
}  // namespace guide

// userGuideUrlIn: the address of the user guide.
//
// Given:
//   programFolder   the folder that holds the program
//   section         an anchor of the guide's page, or empty for its top
// Returned (function value):
//   the file URL of "guide/index.html" in the program's data folder (the
//   installed one, or the same place relative to the programs in the build
//   tree), with section as its fragment
QUrl userGuideUrlIn(const QString &programFolder, const QString &section = {});

// The same for the running program.
QUrl userGuideUrl(const QString &section = {});

// addHelpKey: F1 (the platform's help key) in window opens the guide at
// section; where no browser opens it, messages says where the guide is.
// Returned: the key's shortcut, owned by window.
QShortcut *addHelpKey(QWidget *window, const QString &section, const DesktopOpener &desktop, MessageService &messages);
// The same with the opener and messages of the application.
QShortcut *addHelpKey(QWidget *window, const QString &section, const AppContext &context);

}  // namespace noctalis
