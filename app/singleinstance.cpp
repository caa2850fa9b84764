// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "singleinstance.h"

#include "backgroundstep.h"

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
// A clock that has just taken the lock may not listen yet: ask again after
// this long, until the answer time is up.
constexpr int kRetryMs = 100;

} // namespace

SingleInstance::SingleInstance(const QString &folder, QObject *parent) : QObject(parent)
{
    if (!folder.isEmpty()) {
        const QDir dir(folder);
        m_lockPath = dir.filePath(QStringLiteral("org.noctalis.Noctalis.lock"));
        m_socketPath = dir.filePath(QStringLiteral("org.noctalis.Noctalis.socket"));
    }
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

bool SingleInstance::holdsLock() const { return m_lock && m_lock->isLocked(); }

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
    // Nobody answers: a lock the system lets go of (its process is gone) is
    // taken over; one still held by a clock that hangs is left to it.
    if (m_lock->removeStaleLockFile() && m_lock->tryLock(0)) {
        listen();
        return Role::First;
    }
    logSkippedStep(lcClock, "hand over to the running clock", "it does not answer; this clock runs as well");
    m_lock.reset();
    return Role::First;
}

bool SingleInstance::askRunningClock(int answerMs)
{
    QLocalSocket socket;
    QEventLoop loop;
    QByteArray reply;
    bool connected = false;
    connect(&socket, &QLocalSocket::connected, &loop, [&] {
        connected = true;
        socket.write(kRequest);
    });
    connect(&socket, &QLocalSocket::readyRead, &loop, [&] {
        reply += socket.read(kAnswer.size() - reply.size());
        if (reply.size() >= kAnswer.size() || reply.contains('\n'))
            loop.quit();
    });
    connect(&socket, &QLocalSocket::errorOccurred, &loop, [&] {
        if (connected) {
            loop.quit();
            return;
        }
        QTimer::singleShot(kRetryMs, &socket, [&] { socket.connectToServer(m_socketPath); });
    });
    QTimer::singleShot(answerMs, &loop, &QEventLoop::quit);
    socket.connectToServer(m_socketPath);
    loop.exec();
    return reply == kAnswer;
}

void SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(m_socketPath);  // the socket of a clock that crashed
    if (!m_server->listen(m_socketPath)) {
        logSkippedStep(lcClock, "listen for later starts", m_server->errorString());
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *peer = m_server->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
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
    });
}

} // namespace noctalis
