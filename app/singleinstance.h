// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// SingleInstance: one clock per user session. The first start takes a lock
// file in the user's runtime folder and listens on a local socket beside it;
// a later start finds the lock, asks the running clock over that socket to
// show itself, and ends. A lock left by a clock that crashed, or one whose
// clock does not answer, never keeps the program from starting.
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace noctalis {

class SingleInstance : public QObject {
    Q_OBJECT

public:
    // folder: where the lock file and the socket live (the user's runtime
    // folder in the program, a temporary folder in tests).
    explicit SingleInstance(const QString &folder, QObject *parent = nullptr);
    ~SingleInstance() override;

    enum class Role {
        First,       // run the clock: this process is the one clock, or no lock could guard it
        HandedOver,  // a running clock answered and shows itself: end this process
    };

    // claim: settles which process runs the clock.
    //
    // Given:
    //   answerMs  how long a running clock has to answer, milliseconds
    // Returned (function value):
    //   HandedOver when another clock holds the lock and answered the
    //   request to show itself; First otherwise.
    //
    // Notes:
    //  1. A lock whose process has ended is taken over at once.
    //  2. A lock held by a clock that does not answer within answerMs is
    //     removed when the system lets it go; either way this process runs.
    //  3. Answering a request, a first process emits activationRequested
    //     from its event loop. The wait for an answer runs a local event
    //     loop, so two instances in one process (tests) answer each other.
    Role claim(int answerMs = 3000);

    // Whether this process holds the lock (and listens for later starts).
    bool holdsLock() const;

    // The user's runtime folder ($XDG_RUNTIME_DIR); empty when the system
    // has none.
    static QString defaultFolder();

signals:
    // A later start asked this clock to show itself.
    void activationRequested();

private:
    bool askRunningClock(int answerMs);
    void listen();

    QString m_lockPath;
    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};

} // namespace noctalis
