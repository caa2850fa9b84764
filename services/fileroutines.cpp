#include "fileroutines.h"

#include <QFile>

#include <algorithm>

#include <cerrno>

#include <fcntl.h>
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
    default:            // access denied, locked, too many open files ...
        return true;
    }
}

QString StripDirectory(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')),
                                   path.lastIndexOf(QLatin1Char('\\')));
    return cut < 0 ? path : path.mid(cut + 1);
}

} // namespace noctalis
