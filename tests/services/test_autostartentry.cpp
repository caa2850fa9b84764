// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The autostart entry: its Exec argument quoted as desktop entries quote
// it, the whole entry, and writing it.

#include "autostartentry.h"
#include "filesizescope.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace noctalis;

TEST(DesktopExecArgument, QuotesReservedCharactersAndDoublesPercent)
{
    const std::pair<const char *, const char *> cases[] = {
        {"/usr/bin/noctalis", "/usr/bin/noctalis"},
        {"/opt/a=b,c+d@e/noctalis", "/opt/a=b,c+d@e/noctalis"},
        {"/home/star gazer/noctalis", "\"/home/star gazer/noctalis\""},
        {"/opt/it's/noctalis", "\"/opt/it's/noctalis\""},
        {"/opt/$HOME/noctalis", "\"/opt/\\$HOME/noctalis\""},
        {"/opt/say \"hi\"/`x`", "\"/opt/say \\\"hi\\\"/\\`x\\`\""},
        {"/opt/back\\slash", "\"/opt/back\\\\slash\""},
        {"/opt/~user/(a)*?#|&;<>", "\"/opt/~user/(a)*?#|&;<>\""},
        {"/opt/100%/noctalis", "/opt/100%%/noctalis"},
        {"/opt/100 %/noctalis", "\"/opt/100 %%/noctalis\""},
        {"", "\"\""},
    };
    for (const auto &[path, expected] : cases)
        EXPECT_EQ(desktopExecArgument(QString::fromUtf8(path)), QString::fromUtf8(expected)) << path;
}

TEST(AutostartEntryText, ExecIsAStringValueOfTheQuotedArgument)
{
    const QString text = autostartEntryText(QStringLiteral("/opt/a b\\c/noctalis"), false);
    EXPECT_EQ(text, QStringLiteral("[Desktop Entry]\n"
                                   "Type=Application\n"
                                   "Name=Noctalis\n"
                                   "Comment=Sidereal clock for astronomical observers\n"
                                   "Exec=\"/opt/a b\\\\\\\\c/noctalis\"\n"
                                   "TryExec=/opt/a b\\\\c/noctalis\n"
                                   "Icon=org.noctalis.Noctalis\n"
                                   "Terminal=false\n"
                                   "Hidden=true\n"));
    EXPECT_TRUE(
        autostartEntryText(QStringLiteral("/usr/bin/noctalis"), true).contains(QStringLiteral("\nHidden=false\n")));
}

// An installed program is named as PATH finds it; any other copy by its
// absolute path, even when PATH holds a program of the same name.
TEST(AutostartProgram, TheNameWhenPathFindsThisProgramElseItsPath)
{
    QTemporaryDir installed, buildTree;
    for (const QTemporaryDir *dir : {&installed, &buildTree}) {
        QFile program(dir->filePath(QStringLiteral("noctalis")));
        ASSERT_TRUE(program.open(QIODevice::WriteOnly));
        program.setPermissions(program.permissions() | QFileDevice::ExeOwner);
    }
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", installed.path().toLocal8Bit());
    EXPECT_EQ(autostartProgram(installed.filePath(QStringLiteral("noctalis"))), QStringLiteral("noctalis"));
    EXPECT_EQ(autostartProgram(buildTree.filePath(QStringLiteral("noctalis"))),
              buildTree.filePath(QStringLiteral("noctalis")));
    qputenv("PATH", oldPath);
}

TEST(AutostartEntry, WritesTheFileMakingItsFolderAndReplacesItWhole)
{
    QTemporaryDir dir;
    const AutostartEntry entry(dir.filePath(QStringLiteral("config/autostart")));
    EXPECT_EQ(entry.filePath(), dir.filePath(QStringLiteral("config/autostart/org.noctalis.Noctalis.desktop")));
    for (bool enabled : {true, false}) {
        entry.write(QStringLiteral("/usr/bin/noctalis"), enabled);
        QFile file(entry.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(file.readAll()), autostartEntryText(QStringLiteral("/usr/bin/noctalis"), enabled));
    }
    EXPECT_EQ(QDir(entry.folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"org.noctalis.Noctalis.desktop"})
        << "no temporary file left behind";
}

TEST(AutostartEntry, DiskFullWhileWritingThrowsAndLeavesTheOldEntry)
{
    QTemporaryDir dir;
    const AutostartEntry entry(dir.path());
    entry.write(QStringLiteral("/usr/bin/noctalis"), true);
    const QString before = autostartEntryText(QStringLiteral("/usr/bin/noctalis"), true);
    {
        const FileSizeScope diskFull(64);  // the entry is three times that
        ASSERT_TRUE(diskFull.isSet());
        EXPECT_THROW(entry.write(QStringLiteral("/usr/bin/noctalis"), false), std::runtime_error);
    }
    QFile file(entry.filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"org.noctalis.Noctalis.desktop"});
}

TEST(AutostartEntry, FolderThatCannotBeMadeThrowsNamingIt)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("autostart")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const AutostartEntry entry(blocker.fileName());
    try {
        entry.write(QStringLiteral("/usr/bin/noctalis"), true);
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error &e) {
        EXPECT_NE(std::string(e.what()).find(blocker.fileName().toStdString()), std::string::npos) << e.what();
    }
}

}  // namespace
