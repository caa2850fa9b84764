// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Starting the program of a "Launch Program" alarm.

#include "logcapture.h"
#include "programlauncher.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

TEST(CommandLine, SplitsAsAPosixShellSplitsWordsAndExpandsNothing)
{
    const struct {
        const char *line;
        QStringList words;
    } cases[] = {
        {"xterm -e  top", {"xterm", "-e", "top"}},
        {" \t lead\ttrail \n", {"lead", "trail"}},
        {"echo 'two  words' 'it\"s' '\\n'", {"echo", "two  words", "it\"s", "\\n"}},
        {"echo \"a 'b' \\\"c\\\" \\\\ \\$HOME \\` \\x\"", {"echo", "a 'b' \"c\" \\ $HOME ` \\x"}},
        {"a\\ b c\\\\d \\'e\\'", {"a b", "c\\d", "'e'"}},
        {"one\"two\"'three'four", {"onetwothreefour"}},
        {"prog '' \"\" x", {"prog", "", "", "x"}},
        {"long\\\nline \"in\\\nside\"", {"longline", "inside"}},
        {"~/bin/cam *.fits $HOME `date` #1 a;b|c>d&", {"~/bin/cam", "*.fits", "$HOME", "`date`", "#1", "a;b|c>d&"}},
        {"trailing\\", {"trailing\\"}},
        {"", {}},
    };
    for (const auto &c : cases) {
        const std::optional<QStringList> words = splitCommandLine(QString::fromUtf8(c.line));
        ASSERT_TRUE(words.has_value()) << c.line;
        EXPECT_EQ(*words, c.words) << c.line;
    }
    for (const char *open : {"prog 'open", "prog \"open", "prog \"a\\\"", "'"})
        EXPECT_FALSE(splitCommandLine(QString::fromUtf8(open)).has_value()) << open;
}

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

    // A refusal leaves its line in the alarms' log.
    LogCapture log;
    EXPECT_FALSE(launcher.start(QStringLiteral("xterm -e 'tail -f log"), false));
    EXPECT_EQ(log.lines(),
              QStringList{"noctalis.alarms: start a program skipped: a quote of the command line is not closed"});
}

}  // namespace
