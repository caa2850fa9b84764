// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Shipped data files: beside the program, else in the installed data folder.

#include "datafiles.h"
#include "qtprinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(DataFiles, BesideTheProgramFirstThenTheInstalledFolder)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("bin")));
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("share/noctalis")));
    const QString bin = root.filePath(QStringLiteral("bin"));
    const auto touch = [](const QString &path) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    };
    touch(root.filePath(QStringLiteral("bin/both.txt")));
    touch(root.filePath(QStringLiteral("share/noctalis/both.txt")));
    touch(root.filePath(QStringLiteral("share/noctalis/installed.txt")));

    const struct {
        const char *name;
        const char *found;  // relative to root
    } cases[] = {
        {"both.txt", "bin/both.txt"},
        {"installed.txt", "share/noctalis/installed.txt"},
        {"missing.txt", "bin/missing.txt"},  // named where a build would put it
    };
    for (const auto &c : cases) {
        EXPECT_EQ(noctalis::dataFilePathIn(bin, QLatin1String(c.name)),
                  QDir::cleanPath(root.filePath(QLatin1String(c.found))))
            << c.name;
    }
}

}  // namespace
