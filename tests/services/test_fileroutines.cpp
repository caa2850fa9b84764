// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// FileExists and StripDirectory.

#include "fileroutines.h"
#include "qtprinters.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using noctalis::FileExists;
using noctalis::StripDirectory;

class FileExistsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString makeFile(const QString &name)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(FileExistsTest, FoundOrNot)
{
    EXPECT_TRUE(FileExists(makeFile(QStringLiteral("a.alm"))));
    EXPECT_FALSE(FileExists(dir.filePath(QStringLiteral("missing.alm"))));
    EXPECT_FALSE(FileExists(dir.filePath(QStringLiteral("nofolder/a.alm"))));
}

TEST_F(FileExistsTest, MalformedNamesAreNotFound)
{
    const QString file = makeFile(QStringLiteral("plain"));
    EXPECT_FALSE(FileExists(QString()));
    EXPECT_FALSE(FileExists(file + QStringLiteral("/below")));  // a file used as a folder
    EXPECT_FALSE(FileExists(file + QChar(0) + QStringLiteral("x")));
    EXPECT_FALSE(FileExists(dir.filePath(QString(5000, u'a'))));
}

TEST_F(FileExistsTest, ThereButNotReadableCountsAsFound)
{
    // A folder is there; so is a file that the user may not read (as root
    // the file opens all the same).
    EXPECT_TRUE(FileExists(dir.path()));
    const QString locked = makeFile(QStringLiteral("locked.alm"));
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0), 0);
    EXPECT_TRUE(FileExists(locked));
}

TEST_F(FileExistsTest, NamedPipeIsNotWaitedOn)
{
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_TRUE(FileExists(fifo));
}

TEST_F(FileExistsTest, OnlyRegularFilesAreOpenedAndNothingWaits)
{
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString plain = makeFile(QStringLiteral("plain.obs"));
    struct Case {
        QString path;
        bool opens;
        QString error;
    } cases[] = {
        {plain, true, QString()},
        {fifo, false, QStringLiteral("Not a regular file")},  // returns at once: no writer is waited for
        {dir.path(), false, QStringLiteral("Is a directory")},
        {dir.filePath(QStringLiteral("absent")), false, QStringLiteral("No such file or directory")},
        {QStringLiteral("/dev/zero"), false, QStringLiteral("Not a regular file")},
    };
    for (const Case &c : cases) {
        QFile file;
        QString error;
        EXPECT_EQ(noctalis::openRegularFile(file, c.path, &error), c.opens) << c.path.toStdString();
        EXPECT_EQ(error, c.error) << c.path.toStdString();
        EXPECT_EQ(file.isOpen(), c.opens);
        if (c.opens) {
            EXPECT_EQ(file.readAll(), QByteArray("x"));
        }
    }
}

TEST_F(FileExistsTest, ADurableCommitReplacesTheFile)
{
    const QString path = makeFile(QStringLiteral("night.obs"));
    QSaveFile save(path);
    ASSERT_TRUE(save.open(QIODevice::WriteOnly));
    save.write("new\r\n");
    ASSERT_TRUE(noctalis::commitDurably(save));
    QFile back(path);
    ASSERT_TRUE(back.open(QIODevice::ReadOnly));
    EXPECT_EQ(back.readAll(), QByteArray("new\r\n"));
}

// Saves killed in the middle leave "<name>.XXXXXX" where the file system
// has no unnamed files; the next save of that file removes them, and only
// them.
TEST_F(FileExistsTest, ASaveRemovesWhatEarlierSavesOfTheFileLeftBehind)
{
    const QString path = dir.filePath(QStringLiteral("noctalis1.ini"));
    const QStringList leftOver = {QStringLiteral("noctalis1.ini.aB3xYz"), QStringLiteral("noctalis1.ini.QWERTY"),
                                  QStringLiteral("noctalis1.ini.x1y2z3")};
    const QStringList kept = {QStringLiteral("noctalis1.ini.backup"),  QStringLiteral("noctalis1.ini.aB3xY"),
                              QStringLiteral("noctalis1.ini.aB3xYz7"), QStringLiteral("noctalis1.ini.aB-xYz"),
                              QStringLiteral("other.ini.aB3xYz"),      QStringLiteral("noctalis1.ini")};
    for (const QString &name : leftOver + kept) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\nTop=1");
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("noctalis1.ini.folder")));  // not a file: stays

    QString error;
    ASSERT_TRUE(noctalis::saveFileDurably(path, QByteArray("[Settings]\nTop=2\n"), &error)) << qPrintable(error);
    QStringList expected = kept + QStringList{QStringLiteral("noctalis1.ini.folder")};
    expected.sort();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name), expected);
}

TEST(StripDirectory, CutsAtTheLastSeparatorOfEitherKind)
{
    EXPECT_EQ(StripDirectory(QStringLiteral("C:\\Alarms\\night.alm")), QStringLiteral("night.alm"));
    EXPECT_EQ(StripDirectory(QStringLiteral("/home/obs/alarms/night.alm")), QStringLiteral("night.alm"));
    EXPECT_EQ(StripDirectory(QStringLiteral("/home/obs\\odd/night.alm")), QStringLiteral("night.alm"));
    EXPECT_EQ(StripDirectory(QStringLiteral("/home/obs/odd\\night.alm")), QStringLiteral("night.alm"));
    EXPECT_EQ(StripDirectory(QStringLiteral("night.alm")), QStringLiteral("night.alm"));
    EXPECT_EQ(StripDirectory(QStringLiteral("/home/obs/")), QString());
    EXPECT_EQ(StripDirectory(QString()), QString());
}

}  // namespace
