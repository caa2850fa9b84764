// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The program's autostart entry: a desktop entry in the user's autostart
// folder that the desktop reads at log-in. Turning start-up off marks the
// entry hidden; the file itself is never deleted.
#pragma once

#include <QString>

namespace noctalis {

class AutostartEntry {
public:
    // The entry in folder; the user's autostart folder unless told otherwise.
    explicit AutostartEntry(QString folder = defaultFolder());

    // $XDG_CONFIG_HOME/autostart (~/.config/autostart by default).
    static QString defaultFolder();
    QString folder() const { return m_folder; }
    // <folder>/org.noctalis.Noctalis.desktop
    QString filePath() const;

    // write: writes the entry that starts programPath at log-in.
    //
    // Given:
    //   programPath   absolute path of the program to start
    //   enabled       false writes the same entry with Hidden=true
    // Notes:
    //  1. The folder is made when missing. The file is replaced as a whole
    //     and synced to disk; a failure leaves the old file as it was.
    //  2. Throws std::runtime_error naming the file and the system's reason
    //     when the entry cannot be written.
    void write(const QString &programPath, bool enabled) const;

private:
    QString m_folder;
};

// autostartEntryText: the desktop entry (UTF-8 text, "\n" line ends) that
// starts programPath (Exec and TryExec), hidden unless enabled.
QString autostartEntryText(const QString &programPath, bool enabled);

// autostartProgram: what an autostart entry names to start the program at
// programPath.
//
// Given:
//   programPath   absolute path of the running program
// Returned (function value):
//   the program's file name when searching PATH for that name finds this
//   very program (an installed program, which then survives being moved by
//   a package upgrade); otherwise programPath itself (a build-tree run, or
//   a copy shadowed by another of the same name).
QString autostartProgram(const QString &programPath);

// desktopExecArgument: one argument of an Exec key, quoted as desktop
// entries quote it.
//
// Given:
//   argument   any text (a program path)
// Returned (function value):
//   the argument in double quotes, with '"', '`', '$' and '\' escaped by a
//   backslash, when it is empty or holds a blank, a tab, a line end or one of
//   ' " \ > < ~ | & ; $ * ? # ( ) `; otherwise the argument itself. "%" is
//   doubled either way, so it is never read as a field code.
//
// Notes:
//  1. The result is an argument, not yet a value of the file: the string
//     escapes of autostartEntryText still apply ("\" written "\\").
QString desktopExecArgument(const QString &argument);

}  // namespace noctalis
