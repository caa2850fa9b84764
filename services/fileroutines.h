// Small helpers for the program's files: does a file exist, its name
// without the folders, opening a file to read without ever waiting on a pipe
// or a device, and committing a save so that it survives a power cut.
#pragma once

#include <QString>

class QFile;
class QSaveFile;

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

// openRegularFile: opens a regular file for reading, never blocking.
//
// Given:
//   file    a closed QFile; on success it holds the opened file
//   path    the file's path
// Returned:
//   function value  true when file is open for reading
//   error           on failure, the system's description ("No such file or
//                   directory", "Is a directory", "Not a regular file", ...)
//
// Notes:
//  1. The file is opened with O_NONBLOCK and checked with fstat on the very
//     descriptor that is read afterwards, so a named pipe, a device or a
//     socket is refused, also one swapped in after an earlier check.
bool openRegularFile(QFile &file, const QString &path, QString *error = nullptr);

// commitDurably: commits a save and makes the new file survive a power cut.
//
// Given:
//   file    a QSaveFile whose contents are written
// Returned (function value):
//   the result of QSaveFile::commit(); on failure the old file is untouched
//   and file.errorString() says why.
//
// Notes:
//  1. The new file's contents are flushed to disk before the rename (Qt's
//     commit does so); after it, the folder is synced too, so the rename
//     itself is on disk. A failure of that last sync is not reported: the
//     file is complete either way.
bool commitDurably(QSaveFile &file);

} // namespace noctalis
