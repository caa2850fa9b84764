// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// One clock per session: a second start hands over to the first, never runs
// beside a clock that does not answer, and a lock left behind never keeps a
// clock from starting. The first clock's socket survives floods and errors.

#include "messageservice.h"
#include "singleinstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <vector>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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
        file.write(QByteArray::number(pid) + '\n'
                   + QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + '\n' + host.toUtf8()
                   + '\n');
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
}

// The first clock holds its lock and lives, but does not answer: stopped,
// busy, or its socket gone. A second start must not run a second clock.
TEST_F(SingleInstanceTest, ASecondStartNeverRunsBesideAClockThatDoesNotAnswer)
{
    for (const bool acceptsSilently : {true, false}) {
        QLockFile hung(lockPath());
        ASSERT_TRUE(hung.tryLock(0));
        QLocalServer silent;  // takes every connection and never replies
        QList<QLocalSocket *> held;
        if (acceptsSilently) {
            QObject::connect(&silent, &QLocalServer::newConnection, [&] {
                while (QLocalSocket *peer = silent.nextPendingConnection())
                    held << peer;
            });
            ASSERT_TRUE(silent.listen(runtime.filePath(QStringLiteral("org.noctalis.Noctalis.socket"))));
        }
        RecordingMessageService messages;
        SingleInstance second(runtime.path());
        EXPECT_FALSE(startsTheClock(second, messages, 300)) << acceptsSilently;
        EXPECT_FALSE(second.holdsLock());
        EXPECT_FALSE(second.isListening());
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_TRUE(messages.messages[0].text.contains(QStringLiteral("not answering")));
        EXPECT_EQ(messages.messages[0].title, programTitle());
        EXPECT_EQ(held.isEmpty(), !acceptsSilently) << "the request reached the silent clock";
        EXPECT_TRUE(QFile::exists(lockPath())) << "the live clock's lock stays";
    }
}

// Open descriptors up to the soft limit, raised when the test needs more.
class DescriptorLimitScope {
public:
    DescriptorLimitScope() { ::getrlimit(RLIMIT_NOFILE, &m_before); }
    ~DescriptorLimitScope() { release(); }
    DescriptorLimitScope(const DescriptorLimitScope &) = delete;
    DescriptorLimitScope &operator=(const DescriptorLimitScope &) = delete;

    // At least count descriptors allowed; false when the system refuses.
    bool allow(rlim_t count)
    {
        struct rlimit wanted = m_before;
        if (wanted.rlim_cur >= count)
            return true;
        wanted.rlim_cur = std::min(count, wanted.rlim_max);
        return ::setrlimit(RLIMIT_NOFILE, &wanted) == 0 && wanted.rlim_cur == count;
    }
    // Takes every descriptor but one; false when the system refuses.
    bool leaveOneFree()
    {
        struct rlimit tight = m_before;
        tight.rlim_cur = std::min<rlim_t>(tight.rlim_cur, 256);
        if (::setrlimit(RLIMIT_NOFILE, &tight) != 0)
            return false;
        for (int fd; (fd = ::dup(STDERR_FILENO)) >= 0;)
            m_filler << fd;
        if (errno != EMFILE || m_filler.isEmpty())
            return false;
        ::close(m_filler.takeLast());
        return true;
    }
    // Gives the descriptors back and restores the limit.
    void release()
    {
        for (const int fd : m_filler)
            ::close(fd);
        m_filler.clear();
        ::setrlimit(RLIMIT_NOFILE, &m_before);
    }

private:
    struct rlimit m_before {};
    QList<int> m_filler;
};

// Runs the event loop until done() or maxMs have passed.
template <typename Done>
bool processUntil(Done done, int maxMs = 5000)
{
    QDeadlineTimer deadline(maxMs);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// A connection to the socket at path that never sends anything; -1 while
// the socket's queue is full.
int idleConnection(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    struct sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::copy_n(name.constData(), std::min<std::size_t>(name.size(), sizeof address.sun_path - 1), address.sun_path);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
        return fd;
    if (fd >= 0)
        ::close(fd);
    return -1;
}

// Whether the other end has closed the connection.
bool closedByPeer(int fd)
{
    char byte;
    return ::recv(fd, &byte, 1, MSG_DONTWAIT) == 0;
}

TEST_F(SingleInstanceTest, AFloodOfIdleConnectionsIsCappedAndTheClockStillAnswers)
{
    constexpr int kFlood = 1000;
    DescriptorLimitScope descriptors;
    ASSERT_TRUE(descriptors.allow(kFlood + 512));
    SingleInstance::Limits limits;
    limits.idleMs = 200;
    SingleInstance first(runtime.path(), limits);
    ASSERT_EQ(first.claim(), Role::First);
    QSignalSpy shown(&first, &SingleInstance::activationRequested);

    const QString socketPath = runtime.filePath(QStringLiteral("org.noctalis.Noctalis.socket"));
    std::vector<int> idle;
    int most = 0;
    QDeadlineTimer deadline(20000);
    while (int(idle.size()) < kFlood && !deadline.hasExpired()) {
        if (const int fd = idleConnection(socketPath); fd >= 0)
            idle.push_back(fd);
        else  // the queue is full: let the clock take what waits
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        most = std::max(most, first.connectionCount());
    }
    ASSERT_EQ(int(idle.size()), kFlood);
    const auto closedAtOnce = [&] {
        return std::count_if(idle.begin(), idle.end(), closedByPeer) >= kFlood - limits.maxConnections;
    };
    EXPECT_TRUE(processUntil([&] {
        most = std::max(most, first.connectionCount());
        return closedAtOnce();
    })) << "connections beyond the cap are closed at once";
    EXPECT_EQ(most, limits.maxConnections);

    SingleInstance second(runtime.path());
    EXPECT_EQ(second.claim(), Role::HandedOver);
    EXPECT_EQ(shown.count(), 1);
    EXPECT_LE(first.connectionCount(), limits.maxConnections);
    EXPECT_TRUE(processUntil([&] { return first.connectionCount() == 0; })) << "idle connections are closed";
    EXPECT_TRUE(std::all_of(idle.begin(), idle.end(), closedByPeer));
    for (const int fd : idle)
        ::close(fd);
}

TEST_F(SingleInstanceTest, AnAcceptErrorIsFollowedByListeningAgain)
{
    SingleInstance::Limits limits;
    limits.relistenMs = 20;
    SingleInstance first(runtime.path(), limits);
    ASSERT_EQ(first.claim(), Role::First);
    ASSERT_TRUE(first.isListening());

    // The one descriptor left goes to the client: accepting finds none. The
    // client is named before the descriptors run out: the undefined-behaviour
    // sanitizer checks a type's first member call with a pipe of its own.
    QLocalSocket client;
    client.setServerName(runtime.filePath(QStringLiteral("org.noctalis.Noctalis.socket")));
    DescriptorLimitScope descriptors;
    ASSERT_TRUE(descriptors.leaveOneFree());
    client.connectToServer();
    EXPECT_TRUE(processUntil([&] { return !first.isListening(); })) << "the accept did not fail";
    descriptors.release();

    SingleInstance second(runtime.path());
    EXPECT_EQ(second.claim(), Role::HandedOver);
    EXPECT_TRUE(first.isListening());
}

}  // namespace
