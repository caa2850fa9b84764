// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// File pickers shown as the platform's file dialogs.
#pragma once

#include "filepicker.h"

#include <QString>

namespace noctalis {

class FileDialogPicker : public FilePicker {
public:
    std::optional<QString> pickFile(const FilePickRequest &request) override;
};

// qtNameFilters: a filter of description and pattern pairs ("Alarm File|*.alm"
// or "Text|*.txt|Any|*.*") in the form a Qt file dialog takes
// ("Alarm File (*.alm)", "Text (*.txt);;Any (*)").
//
// Notes:
//  1. "*.*" means every file and becomes "*": file names here need no dot,
//     and programs mostly have none.
//  2. Several patterns of one pair, separated by ";", become blank-separated.
//  3. A description without its pattern stands alone with the pattern "*".
QString qtNameFilters(const QString &filter);

// existingFolder: the folder a file dialog opens in for the proposed folder
// path: path itself when it is a folder, else its nearest ancestor that is
// one (a user without a Documents folder yet), else path unchanged. A file
// dialog given a missing folder would open its parent and offer the missing
// folder's name as the file name.
QString existingFolder(const QString &path);

}  // namespace noctalis
