// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Small helpers for the program's files: does a file exist, its name
// without the folders, opening a file to read without ever waiting on a pipe
// or a device, committing a save so that it survives a power cut, and
// surviving the limits a save can run into.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

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

// readRegularFile: the whole contents of a regular file of bounded size.
//
// Given:
//   path      the file's path
//   maxBytes  the largest size accepted, bytes (>= 0)
// Returned:
//   function value  the contents; nothing on failure
//   error           on failure, what openRegularFile or the read says, or
//                   "The file is larger than <maxBytes> bytes."
//
// Notes:
//  1. Opened with openRegularFile: a pipe or a device is refused at once.
//  2. At most maxBytes + 1 bytes are ever read, so a file that grows while
//     it is read is refused too, never read without end.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes, QString *error = nullptr);

// saveFileDurably: replaces a file by new contents, whole or not at all.
//
// Given:
//   path    the file; an existing file is replaced
//   bytes   the new contents
// Returned:
//   function value  true when the new file is in place and synced
//   error           on failure, the system's description; the old file,
//                   if any, is then as it was
//
// Notes:
//  1. Written through QSaveFile without buffering, so that every failing
//     write is seen before the commit (Qt 6.4's commit() can report success
//     after a failed buffered write), then committed with commitDurably.
//  2. Temporary files that an earlier save of the same file left behind
//     (the program ended in the middle of it) are removed first; see
//     removeStaleSaveFiles.
bool saveFileDurably(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// removeStaleSaveFiles: removes what saves of a file left behind.
//
// Given:
//   path    the file that is saved
// Returned (function value):
//   the number of files removed
//
// Notes:
//  1. QSaveFile writes a new file to an unnamed file where the file system
//     allows it, and otherwise to "<name>.XXXXXX" beside the file, six
//     letters or digits in place of the X; a save that never ended leaves
//     the latter. Regular files of that form are removed, except those
//     whose six characters are lower-case letters only (a user's
//     "<name>.backup"): a left-over name of that form is rare and stays.
int removeStaleSaveFiles(const QString &path);

// ignoreFileSizeSignal: lets a write past the file-size limit of the
// process (ulimit -f) fail with EFBIG, which every save reports as a failed
// save, instead of ending the program with SIGXFSZ. Called once at start-up;
// does nothing where the system has no such signal.
void ignoreFileSizeSignal();

}  // namespace noctalis
