// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// What the alarm check asks of the rest of the program: the main window's
// readings, and the windows and programs an alarm opens or starts.
#pragma once

#include <QString>
#include <QVariant>

namespace noctalis {

// A notice window to open for an alarm of code 0 or 1 (or a negative code).
struct NoticeOrder {
    QString tag;      // the alarm's Name; the window is found and closed by it
    QString caption;  // "Sidereal Alarm: " + Name
    QString message;  // the alarm's first parameter, time fields expanded
    bool beepOn = false;
    QString soundFile;  // a wave file to play every ten seconds, or empty
};

// A TCP sender window to open for an alarm of code 3.
struct SenderOrder {
    QString tag;              // the alarm's Name
    QVariant senderLng;       // the main engine's LNG at firing, degrees west
    QString messageTemplate;  // the text to send, with time fields
    QString url;              // the alarm's second parameter, for SetURL
    QString repeatMinutes;    // the alarm's third parameter, minutes between sends
};

// The main window, as the check reads it. Each member may throw (an engine
// that failed); the check then skips what needed it.
class AlarmHost {
public:
    virtual ~AlarmHost() = default;
    // The engine's LMST, hours, read after this tick set its UTDate.
    virtual double lmstHours() = 0;
    // The engine's longitude, degrees west.
    virtual QVariant engineLng() = 0;
    // The time fields of a text expanded with the main window's engine.
    virtual QString expandTimeFields(const QString &text) = 0;
};

// The windows and programs. Opening is modeless: nothing here waits.
class AlarmActions {
public:
    virtual ~AlarmActions() = default;
    virtual void openNotice(const NoticeOrder &order) = 0;
    // Starts a command line; false when it could not be started.
    virtual bool launchProgram(const QString &commandLine, bool minimized) = 0;
    virtual void openSender(const SenderOrder &order) = 0;
    // Closes every open window (hidden ones included) whose tag equals tag,
    // exactly and with case, the newest first.
    virtual void closeWindows(const QString &tag) = 0;
    // Tells the user of alarms that fell due and ended while the clock did
    // not tick: a notice window of its own (report.tag is empty; no alarm
    // closes it), and a desktop notification where there is a notifier.
    virtual void reportMissed(const NoticeOrder &report) = 0;
};

}  // namespace noctalis
