// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// SenderWindow: the sender window of a "Send LMST via TCP" alarm. From its
// one-second timer it connects to the alarm's listener (127.0.0.1 port 1556
// unless its URL names another), sends the alarm's
// text with its time fields expanded by its own engine, closes the
// connection about two seconds later and repeats after the alarm's interval.
// A cycle that fails leaves one line in the category noctalis.alarms.
#pragma once

#include "automationobject.h"
#include "peerresetwatch.h"
#include "senderaddress.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QDateTime>
#include <QVariant>
#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;
class QTcpSocket;
class QTimer;

namespace Ui {
class SenderWindow;
}

namespace noctalis {

class Clock;
struct Preferences;

class SenderWindow : public QWidget {
    Q_OBJECT

public:
    // prefs supplies the time zone for the time fields; clock the local time
    // of the send cycle; engineProgId the class of this window's engine;
    // address the remote end of an alarm whose URL is empty.
    SenderWindow(const Preferences &prefs, const Clock &clock, const QString &engineProgId,
                 const SenderAddress &address = {}, QWidget *parent = nullptr);
    ~SenderWindow() override;

    // Filled before load, in this order.
    QVariant SenderLng;       // longitude of this window's engine, degrees west
    QString MessageTemplate;  // the text to send, with time fields
    // Sets the remote end: the "host:port" or "tcp://host:port" that url
    // names, else (empty, or a stored text the editor would refuse) the
    // window's SenderAddress.
    void SetURL(const QString &url);
    QString RepeatMinutes;  // minutes between cycles, leading-number rule (empty is 0)

    // Creates the engine with LNG = SenderLng, shows the interval and starts
    // the one-second timer. The first cycle starts at the first timer event.
    void load();

    QString hostAddress() const { return m_hostAddress; }
    int hostPort() const { return m_hostPort; }
    bool cycleRunning() const { return m_cycle != Cycle::Idle; }
    QDateTime nextSend() const { return m_nextSend; }  // invalid until the first cycle ended
    QTimer *timer() const { return m_timer; }
    QLabel *intervalLabel() const;
    QLabel *sentLabel() const;
    QLabel *messageLabel() const;
    QPushButton *hideButton() const;
    QPushButton *cancelButton() const;

signals:
    // A send cycle ended; sent tells whether the whole text went out.
    void cycleEnded(bool sent);

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    // The timer event: starts a cycle when none runs and NextSend has come;
    // gives up a connection not made within 10 s; closes the connection 2 s
    // after the text went out.
    void tick();
    void hideSender();
    void dismiss();

private:
    enum class Cycle { Idle, Connecting, Lingering };

    // CvtMsg: the time fields of text expanded with this window's engine.
    QString CvtMsg(const QString &text);
    // The interval label's text for RepeatMinutes.
    static QString intervalText(const QString &repeatMinutes);

    void startCycle();
    void onConnected();
    void onBytesWritten(qint64 bytes);
    void onErrorOccurred(QAbstractSocket::SocketError error);
    void finishSend();
    void failCycle(const QString &why);
    void endCycle(bool sent);
    void release();

    const Preferences &m_prefs;
    const Clock &m_clock;
    QString m_engineProgId;
    SenderAddress m_address;
    std::unique_ptr<Ui::SenderWindow> ui;
    automation::Object m_engine;
    QTcpSocket *m_socket = nullptr;
    PeerResetWatch m_peerReset;  // the connection of this cycle, once made
    QTimer *m_timer = nullptr;

    QString m_hostAddress;
    int m_hostPort = 0;
    Cycle m_cycle = Cycle::Idle;
    QDateTime m_nextSend;         // local time the next cycle may start; invalid: at once
    QDateTime m_connectDeadline;  // local time after which a connect is given up
    QDateTime m_sentAt;           // local time the text was written
    QString m_text;               // the text of this cycle
    QByteArray m_payload;         // its bytes on the wire
    qint64 m_bytesWritten = 0;
};

}  // namespace noctalis
