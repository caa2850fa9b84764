// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Starting the program of a "Launch Program" alarm.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace noctalis {

class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // Starts commandLine as a new process that is not watched; false when it
    // could not be started.
    virtual bool start(const QString &commandLine, bool minimized) = 0;
};

// splitCommandLine: the words of a command line, split as a POSIX shell
// splits them, without running a shell and without expanding anything.
//
// Given:
//   commandLine  the text of an alarm's "Program:" box
// Returned (function value):
//   the words, the program first; nothing when a quote is left open.
//
// Notes:
//  1. Blanks, tabs and line feeds outside quotes separate words.
//  2. Outside quotes a backslash keeps the next character as it is; a
//     backslash before a line feed joins the lines; a backslash at the very
//     end stays.
//  3. Between single quotes every character stands for itself.
//  4. Between double quotes a backslash before \ " $ ` or a line feed keeps
//     that character (a line feed is dropped with it); before any other
//     character it stays.
//  5. Quotes may make up part of a word ("a"'b'c is abc) and an empty
//     quote is an empty word.
//  6. Nothing is expanded or interpreted: ~, *, ?, $NAME, `...`, #, ;, |, >
//     and & stand for themselves.
std::optional<QStringList> splitCommandLine(const QString &commandLine);

// QProcess::startDetached with the words of splitCommandLine. A command line
// that cannot be split or a program that cannot start is logged (category
// noctalis.alarms) and gives false. The minimised, unfocused start is passed
// to the system where it has one (Windows); elsewhere the program starts as
// it would from a shell.
class ProcessLauncher : public ProgramLauncher {
public:
    bool start(const QString &commandLine, bool minimized) override;
};

}  // namespace noctalis
