// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "fileroutines.h"

#include "backgroundstep.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace noctalis {

bool FileExists(const QString &path)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return false;
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    switch (errno) {
    case ENOENT:        // file not found
    case ENOTDIR:       // a part of the path is no folder: path not found
    case ENAMETOOLONG:  // malformed name
    case ELOOP:         // endless chain of links: path not found
        return false;
    default:  // access denied, locked, too many open files ...
        return true;
    }
}

QString StripDirectory(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return cut < 0 ? path : path.mid(cut + 1);
}

bool openRegularFile(QFile &file, const QString &path, QString *error)
{
    const auto fail = [&](const QString &description) {
        if (error)
            *error = description;
        return false;
    };
    if (path.isEmpty() || path.contains(QChar(0)))
        return fail(QString::fromLocal8Bit(strerror(ENOENT)));
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(QString::fromLocal8Bit(strerror(errno)));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int err = S_ISDIR(st.st_mode) ? EISDIR : 0;
        ::close(fd);
        return fail(err ? QString::fromLocal8Bit(strerror(err))
                        : QCoreApplication::translate("FileRoutines", "Not a regular file"));
    }
    // A regular file never blocks; reading goes on in the usual mode.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(file.errorString());
    }
    return true;
}

bool commitDurably(QSaveFile &file)
{
    const QString folder = QFileInfo(file.fileName()).absolutePath();
    if (!file.commit())
        return false;
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return true;
}

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes, QString *error)
{
    const auto fail = [&](const QString &description) {
        if (error)
            *error = description;
        return std::optional<QByteArray>();
    };
    QFile file;
    QString openError;
    if (!openRegularFile(file, path, &openError))
        return fail(openError);
    const auto tooLarge = [&] {
        return fail(QCoreApplication::translate("FileRoutines", "The file is larger than %1 bytes.").arg(maxBytes));
    };
    if (file.size() > maxBytes)
        return tooLarge();
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (bytes.size() > maxBytes)
        return tooLarge();
    return bytes;
}

bool saveFileDurably(const QString &path, const QByteArray &bytes, QString *error)
{
    const auto fail = [&](const QString &description) {
        if (error)
            *error = description;
        return false;
    };
    removeStaleSaveFiles(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const QString description = file.errorString();
            file.cancelWriting();
            return fail(description);
        }
        written += n;
    }
    if (!commitDurably(file))
        return fail(file.errorString());
    return true;
}

int removeStaleSaveFiles(const QString &path)
{
    const QFileInfo target(path);
    const QDir folder = target.absoluteDir();
    const QString prefix = target.fileName() + QLatin1Char('.');
    int removed = 0;
    constexpr qsizetype kGeneratedChars = 6;
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (name.size() != prefix.size() + kGeneratedChars || !name.startsWith(prefix))
            continue;
        const QStringView tail = QStringView(name).sliced(prefix.size());
        const bool generated = std::all_of(tail.begin(), tail.end(), [](QChar c) {
            return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
        });
        const bool word = std::all_of(tail.begin(), tail.end(), [](QChar c) { return c >= u'a' && c <= u'z'; });
        const QFileInfo info(folder.filePath(name));
        if (!generated || word || !info.isFile() || info.isSymLink())
            continue;
        if (QFile::remove(info.filePath()))
            ++removed;
        else
            logSkippedStep(lcSettings, "remove a file a save left behind", info.filePath());
    }
    return removed;
}

void ignoreFileSizeSignal()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

}  // namespace noctalis
