// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "datafiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef NOCTALIS_DATA_RELDIR
#error "NOCTALIS_DATA_RELDIR names the installed data folder relative to the program's folder"
#endif

namespace noctalis {

QString dataFilePath(const QString &fileName)
{
    return dataFilePathIn(QCoreApplication::applicationDirPath(), fileName);
}

QString dataFilePathIn(const QString &programFolder, const QString &fileName)
{
    const QDir folder(programFolder);
    const QString beside = QDir::cleanPath(folder.filePath(fileName));
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed =
        QDir::cleanPath(QDir(folder.filePath(QStringLiteral(NOCTALIS_DATA_RELDIR))).filePath(fileName));
    if (QFileInfo::exists(installed))
        return installed;
    return beside;
}

}  // namespace noctalis
