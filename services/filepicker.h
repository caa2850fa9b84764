// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The program's one way of asking the user for a file: the platform's file
// dialog in the program, a script of answers in tests.
#pragma once

#include "scriptedanswers.h"

#include <QString>

#include <optional>

namespace noctalis {

// What a file dialog is asked to show.
struct FilePickRequest {
    enum class Purpose { Open, Save };

    Purpose purpose = Purpose::Open;
    QString title;
    // Pairs of description and pattern, all separated by "|":
    // "Alarm File|*.alm", "Sound File|*.wav", "Any|*.*".
    QString filter;
    QString defaultSuffix;  // added to a name typed without one ("alm"); may be empty
    QString directory;      // folder the dialog starts in
    QString proposedName;   // name offered at first ("*.alm", "old.alm"); may be empty
};

class FilePicker {
public:
    virtual ~FilePicker() = default;
    // The full path the user chose, or nothing when the user cancelled. A
    // save dialog replaces an existing file without asking.
    virtual std::optional<QString> pickFile(const FilePickRequest &request) = 0;
};

// Records every request and gives the queued answers in turn; an empty queue
// answers as a cancelled dialog (tests).
class ScriptedFilePicker : public FilePicker, public ScriptedAnswers<FilePickRequest, QString> {
public:
    std::optional<QString> pickFile(const FilePickRequest &request) override { return answer(request); }
};

}  // namespace noctalis
