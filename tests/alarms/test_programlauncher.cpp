// Starting the program of a "Launch Program" alarm.

#include "programlauncher.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

TEST(ProcessLauncher, SplitsLikeAShellAndStartsDetached)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.txt"));
    ProcessLauncher launcher;
    ASSERT_TRUE(launcher.start(QStringLiteral("sh -c \"printf '%s|%s' 'two words' x > '%1'\"").arg(out), true));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile(out).size() > 0; }, 10000));
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("two words|x"));
}

TEST(ProcessLauncher, AProgramThatCannotStartGivesFalse)
{
    ProcessLauncher launcher;
    EXPECT_FALSE(launcher.start(QStringLiteral("/nonexistent/noctalis-no-such-program --flag"), false));
    EXPECT_FALSE(launcher.start(QString(), false));
    EXPECT_FALSE(launcher.start(QStringLiteral("   "), false));
}

} // namespace
