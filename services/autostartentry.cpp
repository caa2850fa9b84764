// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "autostartentry.h"

#include "applicationid.h"
#include "fileroutines.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

#include <stdexcept>

namespace noctalis {

namespace {

// A value of type string in a desktop entry: backslashes and control
// characters written as escapes.
QString desktopStringValue(const QString &text)
{
    QString value;
    value.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\': value += QLatin1String("\\\\"); break;
        case '\n': value += QLatin1String("\\n"); break;
        case '\t': value += QLatin1String("\\t"); break;
        case '\r': value += QLatin1String("\\r"); break;
        default: value += c;
        }
    }
    return value;
}

[[noreturn]] void fail(const QString &what, const QString &path, const QString &reason)
{
    throw std::runtime_error(
        (what + QLatin1Char(' ') + QDir::toNativeSeparators(path) + QLatin1String(": ") + reason).toStdString());
}

}  // namespace

AutostartEntry::AutostartEntry(QString folder) : m_folder(std::move(folder)) {}

QString AutostartEntry::defaultFolder()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("autostart"));
}

QString AutostartEntry::filePath() const { return QDir(m_folder).filePath(desktopFileName()); }

void AutostartEntry::write(const QString &programPath, bool enabled) const
{
    if (!QDir().mkpath(m_folder))
        fail(QStringLiteral("cannot make the folder"), m_folder, QStringLiteral("mkpath failed"));
    QString error;
    if (!saveFileDurably(filePath(), autostartEntryText(programPath, enabled).toUtf8(), &error))
        fail(QStringLiteral("cannot write"), filePath(), error);
}

QString autostartEntryText(const QString &programPath, bool enabled)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Noctalis\n"
                          "Comment=Sidereal clock for astronomical observers\n"
                          "Exec=%1\n"
                          "TryExec=%2\n"
                          "Icon=%3\n"
                          "Terminal=false\n"
                          "Hidden=%4\n")
        .arg(desktopStringValue(desktopExecArgument(programPath)), desktopStringValue(programPath), applicationId(),
             enabled ? QStringLiteral("false") : QStringLiteral("true"));
}

QString autostartProgram(const QString &programPath)
{
    const QFileInfo program(programPath);
    const QString found = QStandardPaths::findExecutable(program.fileName());
    if (!found.isEmpty() && QFileInfo(found).canonicalFilePath() == program.canonicalFilePath())
        return program.fileName();
    return programPath;
}

QString desktopExecArgument(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    static const QString escaped = QStringLiteral("\"`$\\");
    const bool quote = argument.isEmpty()
                       || std::any_of(argument.begin(), argument.end(), [](QChar c) { return reserved.contains(c); });
    QString result;
    if (quote) {
        result += QLatin1Char('"');
        for (const QChar c : argument) {
            if (escaped.contains(c))
                result += QLatin1Char('\\');
            result += c;
        }
        result += QLatin1Char('"');
    } else {
        result = argument;
    }
    return result.replace(QLatin1Char('%'), QLatin1String("%%"));
}

}  // namespace noctalis
