// FileExists and StripDirectory.

#include "fileroutines.h"
#include "qtprinters.h"

#include <QDir>
#include <QFile>
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

} // namespace
