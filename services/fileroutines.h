// Small helpers for the program's files: does a file exist, and its name
// without the folders.
#pragma once

#include <QString>

namespace noctalis {

// FileExists: whether a file can be found at path.
//
// Given:
//   path   file path, absolute or relative to the working folder
// Returned (function value):
//   false only when opening the file for reading fails because the file or a
//   folder of its path is not there or the name is malformed (empty, a NUL
//   character, too long, a file used as a folder); true otherwise, also when
//   the file is there but cannot be opened (access denied).
//
// Notes:
//  1. The file is opened without blocking and closed again at once; nothing
//     is read, so a named pipe is not waited on.
bool FileExists(const QString &path);

// StripDirectory: the file name of a path.
//
// Given:
//   path   a path with "/" or "\" between its parts
// Returned (function value):
//   the text after the last "/" or "\", the whole text when it holds
//   neither; empty when the path ends with a separator.
QString StripDirectory(const QString &path);

} // namespace noctalis
