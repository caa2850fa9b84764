// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "singleinstance.h"

#include "backgroundstep.h"
#include "messageservice.h"

#include <QDir>
#include <QEventLoop>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>

namespace noctalis {

namespace {

const QByteArray kRequest = QByteArrayLiteral("show\n");
const QByteArray kAnswer = QByteArrayLiteral("shown\n");
// A clock that has just taken the lock may not listen yet, and a busy one
// closes extra connections: ask again after this long, until the answer
// time is up.
constexpr int kRetryMs = 100;

// Closes a connection of a later start now and frees it later; safe to call
// more than once.
void dropConnection(QLocalSocket *peer)
{
    peer->abort();
    peer->deleteLater();
}

}  // namespace

SingleInstance::SingleInstance(const QString &folder, QObject *parent) : SingleInstance(folder, Limits{}, parent) {}

SingleInstance::SingleInstance(const QString &folder, Limits limits, QObject *parent)
    : QObject(parent), m_limits(limits)
{
    if (!folder.isEmpty()) {
        const QDir dir(folder);
        m_lockPath = dir.filePath(QStringLiteral("org.noctalis.Noctalis.lock"));
        m_socketPath = dir.filePath(QStringLiteral("org.noctalis.Noctalis.socket"));
    }
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultFolder() { return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation); }

bool SingleInstance::holdsLock() const { return m_lock && m_lock->isLocked(); }

bool SingleInstance::isListening() const { return m_server && m_server->isListening(); }

SingleInstance::Role SingleInstance::claim(int answerMs)
{
    if (m_lockPath.isEmpty()) {
        logSkippedStep(lcClock, "guard against a second clock", "the system has no runtime folder");
        return Role::First;
    }
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // The clock holds its lock for as long as it runs: a lock is stale when
    // its process has ended, however old it is.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        listen();
        return Role::First;
    }
    if (askRunningClock(answerMs)) {
        m_lock.reset();
        return Role::HandedOver;
    }
    // Nobody answers. The system lets go of the lock only when its process
    // has ended: then it is taken over. A clock that runs and hangs keeps it.
    if (m_lock->removeStaleLockFile() && m_lock->tryLock(0)) {
        listen();
        return Role::First;
    }
    logSkippedStep(lcClock, "hand over to the running clock", "it does not answer; this start ends");
    m_lock.reset();
    return Role::NotAnswering;
}

bool SingleInstance::askRunningClock(int answerMs)
{
    QLocalSocket socket;
    QEventLoop loop;
    QByteArray reply;
    bool answered = false;
    QTimer retry;
    retry.setSingleShot(true);
    retry.setInterval(kRetryMs);
    connect(&retry, &QTimer::timeout, &loop, [&] {
        socket.abort();
        reply.clear();
        socket.connectToServer(m_socketPath);
    });
    connect(&socket, &QLocalSocket::connected, &loop, [&] { socket.write(kRequest); });
    connect(&socket, &QLocalSocket::readyRead, &loop, [&] {
        reply += socket.read(kAnswer.size() - reply.size());
        if (reply == kAnswer) {
            answered = true;
            loop.quit();
        }
    });
    // Not listening yet, or the connection closed unanswered: ask again.
    connect(&socket, &QLocalSocket::errorOccurred, &loop, [&] {
        if (!answered && !retry.isActive())
            retry.start();
    });
    QTimer::singleShot(answerMs, &loop, &QEventLoop::quit);
    socket.connectToServer(m_socketPath);
    if (!answered)
        loop.exec();
    return answered;
}

void SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    openSocket();
    // A failed accept (no descriptor left) closes Qt's server for good, and
    // a failed listen leaves none: every later start would find no clock to
    // ask. Open the socket again whenever it is found closed.
    m_watch = new QTimer(this);
    m_watch->setInterval(m_limits.relistenMs);
    connect(m_watch, &QTimer::timeout, this, [this] {
        if (m_server->isListening())
            return;
        if (m_listenFailure.isEmpty())  // it was listening: say once why it stopped
            logSkippedStep(lcClock, "keep listening for later starts", m_server->errorString());
        openSocket();
    });
    m_watch->start();
}

bool SingleInstance::openSocket()
{
    QLocalServer::removeServer(m_socketPath);  // the socket of a clock that crashed, or our closed one
    if (m_server->listen(m_socketPath)) {
        m_listenFailure.clear();
        return true;
    }
    // Tried again every relistenMs: logged when the reason changes.
    const QString failure = m_server->errorString();
    if (failure != m_listenFailure)
        logSkippedStep(lcClock, "listen for later starts", failure);
    m_listenFailure = failure;
    return false;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket *peer = m_server->nextPendingConnection()) {
        // Idle connections must not use up the clock's descriptors.
        if (m_peers.size() >= m_limits.maxConnections) {
            dropConnection(peer);
            continue;
        }
        m_peers.insert(peer);
        // Its descriptor is closed at once, whatever ends it first.
        const auto release = [this, peer] {
            if (m_peers.remove(peer))
                dropConnection(peer);
        };
        connect(peer, &QLocalSocket::disconnected, this, release);
        QTimer::singleShot(m_limits.idleMs, peer, release);
        connect(peer, &QLocalSocket::readyRead, peer, [this, peer] {
            if (peer->bytesAvailable() < kRequest.size())
                return;
            if (peer->read(kRequest.size()) == kRequest) {
                peer->write(kAnswer);
                emit activationRequested();
            }
            peer->disconnectFromServer();
        });
    }
}

bool startsTheClock(SingleInstance &instance, MessageService &messages, int answerMs)
{
    switch (instance.claim(answerMs)) {
    case SingleInstance::Role::First: return true;
    case SingleInstance::Role::HandedOver: return false;
    case SingleInstance::Role::NotAnswering: break;
    }
    messages.show(SingleInstance::tr("A clock is running but not answering.\r\nThis start ends, so that no alarm "
                                     "fires twice. Close the running clock, or end its process, and start again."),
                  programTitle());
    return false;
}

}  // namespace noctalis
