// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Where the program finds the data files it ships (the city list, the world
// map pictures).
#pragma once

#include <QString>

namespace noctalis {

// dataFilePath: the path of a shipped data file.
//
// Given:
//   fileName   the file's name, without folders ("latlngtz.txt")
// Returned (function value):
//   dataFilePathIn for the folder of the running program.
QString dataFilePath(const QString &fileName);

// dataFilePathIn: the path of a shipped data file for a program folder.
//
// Given:
//   programFolder   the folder that holds the program
//   fileName        the file's name, without folders
// Returned (function value):
//   the file in programFolder when it is there (the build tree puts the
//   data beside the programs); else the file in the installed data folder,
//   found relative to programFolder, when it is there; else the path in
//   programFolder, so that a message about a missing file names a place.
//
// Notes:
//  1. The installed data folder relative to the program folder is set when
//     the program is built (for the usual layout "../share/noctalis").
QString dataFilePathIn(const QString &programFolder, const QString &fileName);

}  // namespace noctalis
