// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// SingleInstance: one clock per user session. The first start takes a lock
// file in the user's runtime folder and listens on a local socket beside it;
// a later start finds the lock, asks the running clock over that socket to
// show itself, and ends. A lock left by a clock that has ended never keeps
// the program from starting; a clock that runs but does not answer keeps a
// second clock from starting all the same, since both would fire every alarm.
#pragma once

#include <QObject>
#include <QSet>
#include <QString>

#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;
class QTimer;

namespace noctalis {

class MessageService;

class SingleInstance : public QObject {
    Q_OBJECT

public:
    // How long a later start waits for the running clock to answer.
    static constexpr int kAnswerMs = 3000;

    // What the listening clock allows the connections of later starts.
    struct Limits {
        int idleMs = 2000;        // a connection is closed this long after it was accepted
        int maxConnections = 16;  // connections served at once; more are closed at once
        int relistenMs = 1000;    // how often a server that stopped listening is started again
    };

    // folder: where the lock file and the socket live (the user's runtime
    // folder in the program, a temporary folder in tests).
    explicit SingleInstance(const QString &folder, QObject *parent = nullptr);
    SingleInstance(const QString &folder, Limits limits, QObject *parent = nullptr);
    ~SingleInstance() override;

    enum class Role {
        First,         // run the clock: this process is the one clock, or no lock could guard it
        HandedOver,    // a running clock answered and shows itself: end this process
        NotAnswering,  // a clock runs but did not answer: end this process all the same
    };

    // claim: settles which process runs the clock.
    //
    // Given:
    //   answerMs  how long a running clock has to answer, milliseconds
    // Returned (function value):
    //   First when this process took the lock, or when the system has no
    //   runtime folder to keep one in; HandedOver when another clock holds
    //   the lock and answered the request to show itself; NotAnswering when
    //   the lock's process is alive but did not answer within answerMs.
    //
    // Notes:
    //  1. A lock whose process has ended is taken over at once, or after
    //     the wait when the system cannot tell at once (a lock naming
    //     another host): the system then holds no lock on the file.
    //  2. The request is sent again while the running clock does not
    //     listen yet or closes the connection unanswered (all its
    //     connections busy), until answerMs has passed.
    //  3. Answering a request, a first process emits activationRequested
    //     from its event loop. The wait for an answer runs a local event
    //     loop, so two instances in one process (tests) answer each other.
    Role claim(int answerMs = kAnswerMs);

    // Whether this process holds the lock (and listens for later starts).
    bool holdsLock() const;
    // Whether the socket for later starts is open now.
    bool isListening() const;
    // Connections of later starts open now.
    int connectionCount() const { return int(m_peers.size()); }

    // The user's runtime folder ($XDG_RUNTIME_DIR); empty when the system
    // has none.
    static QString defaultFolder();

signals:
    // A later start asked this clock to show itself.
    void activationRequested();

private:
    bool askRunningClock(int answerMs);
    void listen();
    bool openSocket();
    void acceptConnections();

    Limits m_limits;
    QString m_lockPath;
    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    QTimer *m_watch = nullptr;
    QString m_listenFailure;       // why the socket could not be opened last time; empty while it is open
    QSet<QLocalSocket *> m_peers;  // connections of later starts being served
};

// startsTheClock: claim for the program's start, telling the user when a
// running clock does not answer.
//
// Given:
//   instance  the guard of this process
//   messages  where "a clock is running but not answering" is told
//   answerMs  how long the running clock has to answer
// Returned (function value):
//   true when this process runs the clock; false when it must end (the
//   running clock shows itself, or was told of as not answering).
bool startsTheClock(SingleInstance &instance, MessageService &messages, int answerMs = SingleInstance::kAnswerMs);

}  // namespace noctalis
