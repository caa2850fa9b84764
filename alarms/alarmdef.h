// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// One sidereal alarm and its action codes.
#pragma once

#include <QString>
#include <QVariant>

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

// AlarmDef: one alarm. A default-constructed record is fresh: Action 0, Name
// empty, Enabled and Triggered false, every variant field Empty (an invalid
// QVariant).
struct AlarmDef {
    // Stored in the alarm file.
    qint16 Action = kActionMessageBox;
    QVariant SiderealTime;  // local mean sidereal time, days in [0, 1): a double or a date
    QString Name;
    bool Enabled = false;
    QVariant Param1;        // text; what it means depends on Action
    QVariant Param2;
    QVariant Param3;

    // Run-time state, never stored.
    bool Triggered = false;

    // Stored in the alarm file.
    QVariant Duration;      // days the alarm stays active once fired, a double

    // Run-time state, never stored.
    QVariant TriggeredUntil;  // UT date and time the activation ends
};

} // namespace noctalis
