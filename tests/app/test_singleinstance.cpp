// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// One clock per session: a second start hands over to the first, and a lock
// left behind never keeps a clock from starting.

#include "singleinstance.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace noctalis;
using Role = SingleInstance::Role;

class SingleInstanceTest : public ::testing::Test {
protected:
    QString lockPath() const { return runtime.filePath(QStringLiteral("org.noctalis.Noctalis.lock")); }

    // A lock file as a clock leaves it, naming process pid on host.
    void writeLock(qint64 pid, const QString &host)
    {
        QFile file(lockPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::number(pid) + '\n' +
                   QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + '\n' + host.toUtf8() +
                   '\n');
    }

    QTemporaryDir runtime;
};

TEST_F(SingleInstanceTest, ASecondStartHandsOverToTheFirstAndEnds)
{
    auto first = std::make_unique<SingleInstance>(runtime.path());
    ASSERT_EQ(first->claim(), Role::First);
    EXPECT_TRUE(first->holdsLock());
    QSignalSpy shown(first.get(), &SingleInstance::activationRequested);

    SingleInstance second(runtime.path());
    EXPECT_EQ(second.claim(), Role::HandedOver);
    EXPECT_FALSE(second.holdsLock());
    EXPECT_EQ(shown.count(), 1) << "the running clock was asked to show itself";

    // Once the first clock has ended, the next start is the clock.
    first.reset();
    SingleInstance third(runtime.path());
    EXPECT_EQ(third.claim(), Role::First);
    EXPECT_TRUE(third.holdsLock());
}

TEST_F(SingleInstanceTest, ALockLeftBehindNeverKeepsTheClockFromStarting)
{
    // A clock that crashed: its process is gone.
    writeLock(99999999, QSysInfo::machineHostName());
    {
        SingleInstance crashedBefore(runtime.path());
        EXPECT_EQ(crashedBefore.claim(500), Role::First);
        EXPECT_TRUE(crashedBefore.holdsLock()) << "a dead process's lock is taken over";
    }

    // A lock the system cannot tell is stale (another host name in it), with
    // no clock answering: taken over after the wait for an answer.
    writeLock(1, QStringLiteral("elsewhere.invalid"));
    {
        SingleInstance strangeLock(runtime.path());
        EXPECT_EQ(strangeLock.claim(500), Role::First);
        EXPECT_TRUE(strangeLock.holdsLock());
    }

    // A lock held by a live process that does not answer: this clock runs
    // anyway, unguarded, after the wait.
    QLockFile hung(lockPath());
    ASSERT_TRUE(hung.tryLock(0));
    SingleInstance beside(runtime.path());
    EXPECT_EQ(beside.claim(500), Role::First);
    EXPECT_FALSE(beside.holdsLock());
}

} // namespace
