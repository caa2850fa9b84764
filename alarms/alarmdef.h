// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// One sidereal alarm and its action codes.
#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace noctalis {

// What an alarm does when it falls due. Codes outside 0 to 3 may be held
// (an alarm file can give any 16-bit value); they have no display text.
enum AlarmAction : qint16 {
    kActionMessageBox = 0,       // "Message Box"
    kActionMessageBoxSound = 1,  // "Message Box + Sound"
    kActionLaunchProgram = 2,    // "Launch Program"
    kActionSendLmstTcp = 3,      // "Send LMST via TCP"
};

// Action2Str: display text of an action code.
//
// Given:
//   action   action code
// Returned (function value):
//   "Message Box", "Message Box + Sound", "Launch Program" or
//   "Send LMST via TCP" for codes 0 to 3, in the user's language; the empty
//   text for any other code.
QString Action2Str(int action);

// AlarmDef: one alarm. A default-constructed record is fresh: Action 0,
// texts empty, numbers 0, Enabled and Triggered false, no end.
struct AlarmDef {
    // Stored in the alarm file.
    qint16 Action = kActionMessageBox;
    double SiderealTime = 0;  // local mean sidereal time, days in [0, 1)
    QString Name;
    bool Enabled = false;
    QString Param1;  // what it means depends on Action
    QString Param2;
    QString Param3;

    // Run-time state, never stored.
    bool Triggered = false;

    // Stored in the alarm file.
    std::optional<double> Duration;  // days the alarm stays active once fired; none in a fresh record

    // Run-time state, never stored.
    std::optional<QDateTime> TriggeredUntil;  // UT the activation ends (Qt::UTC)
};

// True when a "Launch Program" alarm starts its program minimised: the
// second parameter, upper-cased, holds a "Y" anywhere ("y", "Yes").
bool LaunchMinimized(const QString &param2);

// Whether a launcher here can ask for a program's first window to be
// minimised: Windows can (its start-up information carries a show state);
// X11 and Wayland have no such request, so the editor does not offer it.
constexpr bool kCanStartMinimized =
#ifdef Q_OS_WIN
    true;
#else
    false;
#endif

}  // namespace noctalis
