// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The TCP sender window against a real listener on a loopback port of the
// test's own: whatever else listens on the machine, port 1556 included,
// leaves these cases alone.

#include "alarmwindows.h"
#include "clock.h"
#include "commalocale.h"
#include "senderwindow.h"
#include "translations.h"
#include "uidriver.h"
#include "logcapture.h"
#include "preferences.h"
#include "programlauncher.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using namespace noctalis;

constexpr int kWaitMs = 5000;

// A loopback port that nothing listens on: one the system handed out and
// that was let go again at once.
quint16 freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

class SenderTest : public ::testing::Test {
protected:
    SenderTest()
    {
        clock.now = QDateTime(QDate(2024, 3, 20), QTime(13, 4, 5), Qt::UTC);
        clock.setOffsetSeconds(-5 * 3600);  // the computer's local time is 08:04:05
        prefs.TZ = 3;                       // the observer's civil time; UT stays the clock's UTC
    }

    SenderAddress address() const { return {QStringLiteral("127.0.0.1"), port}; }

    // A sender whose empty URL means the test's listener, or one sent to
    // the listener url names.
    std::unique_ptr<SenderWindow> sender(const QString &messageTemplate, const QString &repeatMinutes,
                                         const QVariant &lngWestDeg = 0.0, const QString &url = QString())
    {
        auto form = std::make_unique<SenderWindow>(prefs, clock, QStringLiteral("Ephemlib.Ephemkit"), address());
        form->SenderLng = lngWestDeg;
        form->MessageTemplate = messageTemplate;
        form->SetURL(url);
        form->RepeatMinutes = repeatMinutes;
        form->load();
        form->timer()->stop();  // timer events are driven by hand
        return form;
    }

    void listen() { ASSERT_TRUE(server.listen(QHostAddress::LocalHost, port)) << "port " << port << " is taken"; }

    // The next connection the listener accepts, or null.
    QTcpSocket *accept()
    {
        if (!server.hasPendingConnections()) {
            QSignalSpy incoming(&server, &QTcpServer::newConnection);
            incoming.wait(kWaitMs);
        }
        return server.nextPendingConnection();
    }

    // Waits until size bytes have come in, or the peer is gone.
    static QByteArray receive(QTcpSocket *peer, qint64 size)
    {
        while (peer->bytesAvailable() < size && peer->state() == QAbstractSocket::ConnectedState) {
            QSignalSpy more(peer, &QTcpSocket::readyRead);
            if (!more.wait(kWaitMs))
                break;
        }
        return peer->readAll();
    }

    // The text of the next connection, read until size bytes are in; empty
    // when no connection comes.
    QByteArray nextPayload(qint64 size)
    {
        QTcpSocket *peer = accept();
        return peer ? receive(peer, size) : QByteArray();
    }

    static bool waitForClose(QTcpSocket *peer)
    {
        if (peer->state() == QAbstractSocket::UnconnectedState)
            return true;
        QSignalSpy closed(peer, &QTcpSocket::disconnected);
        return closed.wait(kWaitMs);
    }

    // Lets the socket traffic of the moment be handled, without waiting.
    static void settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }

    void ticks(SenderWindow &form, int seconds)
    {
        for (int s = 0; s < seconds; ++s) {
            clock.advance(1);
            fire(form.timer());
        }
    }

    Preferences prefs;
    ManualClock clock;
    quint16 port = freePort();  // the listener's, when the test listens
    QTcpServer server;
};

TEST_F(SenderTest, DesignAndAddress)
{
    auto form = sender(QString(), QStringLiteral("5"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("TCP Sidereal Alert"));
    EXPECT_EQ(form->hideButton()->text(), QStringLiteral("&Hide"));
    EXPECT_EQ(form->cancelButton()->text(), QStringLiteral("&Cancel"));
    EXPECT_EQ(form->intervalLabel()->text(), QStringLiteral("Interval: 5 minutes."));
    EXPECT_EQ(form->sentLabel()->text(), QStringLiteral("Sent:"));
    EXPECT_EQ(form->messageLabel()->text(), QStringLiteral("Message:"));
    EXPECT_EQ(form->timer()->interval(), 1000);

    // The program's senders go where the alarm's URL says, and to port 1556
    // of the local machine when it says nothing; a stored text that is no
    // address (the editor refuses it) falls back to the same.
    struct Case {
        const char *url;
        const char *host;
        int port;
        bool valid;
    };
    const Case cases[] = {
        {"", "127.0.0.1", 1556, true},
        {"  ", "127.0.0.1", 1556, true},
        {"127.0.0.1:5555", "127.0.0.1", 5555, true},
        {" tcp://dome.local:7 ", "dome.local", 7, true},
        {"TCP://example.org:65535", "example.org", 65535, true},
        {"[::1]:5555", "::1", 5555, true},
        {"example.org", "127.0.0.1", 1556, false},
        {"example.org:0", "127.0.0.1", 1556, false},
        {"example.org:65536", "127.0.0.1", 1556, false},
        {"http://example.org:80", "127.0.0.1", 1556, false},
        {"host:80/path", "127.0.0.1", 1556, false},
        {"[dome]:80", "127.0.0.1", 1556, false},
        {"-bad-:80", "127.0.0.1", 1556, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.url);
        EXPECT_EQ(senderAddressFromUrl(QLatin1String(c.url)).has_value(), c.valid);
        SenderWindow production(prefs, clock, QStringLiteral("Ephemlib.Ephemkit"));
        production.SetURL(QLatin1String(c.url));
        EXPECT_EQ(production.hostAddress(), QLatin1String(c.host));
        EXPECT_EQ(production.hostPort(), c.port);
    }
}

TEST_F(SenderTest, AUrlsPortIsWhereTheTextGoes)
{
    // The window's own default is a port nothing listens on; the URL names
    // the listener.
    const quint16 listening = port;
    port = freePort();
    auto form =
        sender(QStringLiteral("to the URL"), QStringLiteral("5"), 0.0, QStringLiteral("127.0.0.1:%1").arg(listening));
    port = listening;
    listen();
    fire(form->timer());
    EXPECT_EQ(nextPayload(10), QByteArray("to the URL"));
}

TEST_F(SenderTest, SendsTheTextExactlyAndClosesAfterTwoSeconds)
{
    listen();
    auto form = sender(QStringLiteral("UT [UT HH:MM:SS] \u2014 \u03A9 ok]"), QStringLiteral("5"));
    QSignalSpy ended(form.get(), &SenderWindow::cycleEnded);
    fire(form->timer());
    QTcpSocket *peer = accept();
    ASSERT_NE(peer, nullptr);
    EXPECT_EQ(peer->peerAddress(), QHostAddress(QHostAddress::LocalHost));

    const QByteArray expected = QStringLiteral("UT 13:04:05 \u2014 \u03A9 ok]").toUtf8();
    EXPECT_EQ(receive(peer, expected.size()), expected) << "UTF-8, no terminator, other ] kept";
    EXPECT_TRUE(form->cycleRunning());

    ticks(*form, 1);
    settle();
    EXPECT_EQ(peer->state(), QAbstractSocket::ConnectedState) << "held open about 2 s";
    EXPECT_EQ(form->messageLabel()->text(), QStringLiteral("Message:")) << "labels change once the send is over";
    EXPECT_TRUE(ended.isEmpty());

    ticks(*form, 1);
    EXPECT_TRUE(waitForClose(peer)) << "the sender closes the connection";
    EXPECT_TRUE(peer->readAll().isEmpty()) << "nothing after the text";
    ASSERT_EQ(ended.count(), 1);
    EXPECT_TRUE(ended.first().first().toBool());
    EXPECT_FALSE(form->cycleRunning());
    EXPECT_EQ(form->messageLabel()->text(), QStringLiteral("Message: UT 13:04:05 \u2014 \u03A9 ok]"));
    EXPECT_EQ(form->sentLabel()->text(), QStringLiteral("Sent: 08:04:07 Local Time."));
    EXPECT_EQ(form->nextSend(), QDateTime(QDate(2024, 3, 20), QTime(13, 9, 7), Qt::UTC));
}

TEST_F(SenderTest, NextCycleFollowsTheIntervalAfterTheEndOfThisOne)
{
    listen();
    auto form = sender(QStringLiteral("[UT HH:MM:SS]"), QStringLiteral("5"));
    fire(form->timer());
    EXPECT_EQ(nextPayload(8), QByteArray("13:04:05"));
    ticks(*form, 2);
    ASSERT_FALSE(form->cycleRunning());

    ticks(*form, 299);
    settle();
    EXPECT_FALSE(form->cycleRunning());
    EXPECT_FALSE(server.hasPendingConnections());

    ticks(*form, 1);
    EXPECT_TRUE(form->cycleRunning());
    EXPECT_EQ(nextPayload(8), QByteArray("13:09:07"));
}

TEST_F(SenderTest, TheLmstOfItsOwnEngineAtTheAlarmsLongitude)
{
    listen();
    // 2000-01-01 12:00 UT: Greenwich mean sidereal time 18h 41m 50.548s;
    // 90 degrees west is 6 hours earlier. The text shows the second that
    // has begun, as the clock's face does.
    clock.now = QDateTime(QDate(2000, 1, 1), QTime(12, 0, 0), Qt::UTC);
    prefs.TZ = 0;
    auto form = sender(QStringLiteral("[LMST HH:MM:SS]"), QStringLiteral("5"), 90.0);
    fire(form->timer());
    EXPECT_EQ(nextPayload(8), QByteArray("12:41:50"));
}

TEST_F(SenderTest, ALongTextGoesOutWholeAndIsShownCut)
{
    listen();
    // About 10 MB in many lines: the label shows a few of them, the wire
    // gets every byte.
    const QString text = QStringLiteral("Jupiter \u00E9 transit\n").repeated(600000);
    ASSERT_GT(text.size(), 10'000'000);
    auto form = sender(text, QStringLiteral("5"));
    fire(form->timer());
    QTcpSocket *peer = accept();
    ASSERT_NE(peer, nullptr);
    const QByteArray expected = text.toUtf8();
    EXPECT_EQ(receive(peer, expected.size()), expected);
    ticks(*form, 2);
    EXPECT_TRUE(waitForClose(peer));
    const QString shown = form->messageLabel()->text();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Message: Jupiter \u00E9 transit\n"))) << shown.left(80).toStdString();
    EXPECT_TRUE(shown.endsWith(QChar(0x2026)));
    EXPECT_LE(shown.size(), 400);
    EXPECT_LE(shown.count(QLatin1Char('\n')), 3);
}

TEST_F(SenderTest, WithNoListenerNothingIsSentAndTheNextCycleIsStillDue)
{
    auto form = sender(QStringLiteral("[UT HH:MM:SS]"), QStringLiteral("2"));
    QSignalSpy ended(form.get(), &SenderWindow::cycleEnded);
    LogCapture log;
    fire(form->timer());
    ASSERT_TRUE(ended.count() == 1 || ended.wait(kWaitMs));
    EXPECT_FALSE(ended.first().first().toBool());
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral("noctalis.alarms: send the alarm text skipped: 127.0.0.1:%1: "
                                                      "Connection refused")
                                           .arg(port)})
        << "one line in the log";
    EXPECT_EQ(form->messageLabel()->text(), QStringLiteral("Message:"));
    EXPECT_EQ(form->sentLabel()->text(), QStringLiteral("Not sent: Connection refused at 08:04:05 Local Time."));
    EXPECT_EQ(form->nextSend(), clock.now.addSecs(120));

    listen();
    ticks(*form, 119);
    EXPECT_FALSE(form->cycleRunning());
    ticks(*form, 1);
    EXPECT_EQ(nextPayload(8), QByteArray("13:06:05"));
}

TEST_F(SenderTest, APeerThatResetsTheConnectionIsNotSentTo)
{
    listen();
    const QDateTime start = clock.now;
    struct Case {
        const char *what;
        bool reset;  // else the peer reads everything and closes in order
    };
    for (const Case c : {Case{"orderly close", false}, Case{"reset", true}}) {
        SCOPED_TRACE(c.what);
        clock.now = start;
        auto form = sender(QStringLiteral("[UT HH:MM:SS]"), QStringLiteral("5"));
        auto *wire = form->findChild<QTcpSocket *>();
        ASSERT_NE(wire, nullptr);
        QSignalSpy ended(form.get(), &SenderWindow::cycleEnded);
        LogCapture log;
        fire(form->timer());
        QTcpSocket *peer = accept();
        ASSERT_NE(peer, nullptr);
        EXPECT_EQ(receive(peer, 8), QByteArray("13:04:05"));
        if (c.reset) {
            const linger abortive{1, 0};  // the close sends a reset
            ASSERT_EQ(::setsockopt(int(peer->socketDescriptor()), SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive),
                      0);
        }
        peer->close();
        // The sender sees the peer go before its linger is over.
        EXPECT_TRUE(waitForClose(wire));
        ticks(*form, 2);

        ASSERT_EQ(ended.count(), 1);
        EXPECT_EQ(ended.first().first().toBool(), !c.reset);
        if (c.reset) {
            // At once, not at the end of the linger.
            EXPECT_EQ(form->sentLabel()->text(),
                      QStringLiteral("Not sent: Connection reset by peer at 08:04:05 Local Time."));
            EXPECT_EQ(form->nextSend(), start.addSecs(300));
            EXPECT_EQ(log.lines(), QStringList{QStringLiteral("noctalis.alarms: send the alarm text skipped: "
                                                              "127.0.0.1:%1: Connection reset by peer")
                                                   .arg(port)});
        } else {
            EXPECT_EQ(form->sentLabel()->text(), QStringLiteral("Sent: 08:04:07 Local Time."));
            EXPECT_TRUE(log.lines().isEmpty()) << log.lines().join(u'\n').toStdString();
        }
    }
}

// A listener that never accepts and whose queue is full: a connection to it
// is never made.
class StuckListener {
public:
    explicit StuckListener(quint16 port)
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        const int on = 1;
        ::setsockopt(m_fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        m_listening =
            ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 && ::listen(m_fd, 0) == 0;
        // Connect until one connection is left hanging: the queue is full.
        for (int i = 0; m_listening && i < 8 && !m_full; ++i) {
            auto filler = std::make_unique<QTcpSocket>();
            QSignalSpy connected(filler.get(), &QTcpSocket::connected);
            filler->connectToHost(QHostAddress(QHostAddress::LocalHost), port);
            m_full = !connected.wait(500);
            m_fillers.push_back(std::move(filler));
        }
    }
    ~StuckListener() { ::close(m_fd); }

    bool full() const { return m_full; }

private:
    int m_fd = -1;
    bool m_listening = false;
    bool m_full = false;
    std::vector<std::unique_ptr<QTcpSocket>> m_fillers;
};

TEST_F(SenderTest, AConnectionNotMadeWithinTenSecondsIsGivenUp)
{
    StuckListener stuck(port);
    ASSERT_TRUE(stuck.full()) << "could not fill the listener's queue";
    auto form = sender(QStringLiteral("x"), QStringLiteral("5"));
    QSignalSpy ended(form.get(), &SenderWindow::cycleEnded);
    fire(form->timer());
    for (int s = 0; s < 10; ++s) {
        ticks(*form, 1);
        settle();
    }
    EXPECT_TRUE(form->cycleRunning()) << "still waiting at the tenth second";
    EXPECT_TRUE(ended.isEmpty());
    ticks(*form, 1);
    ASSERT_EQ(ended.count(), 1);
    EXPECT_FALSE(ended.first().first().toBool());
    EXPECT_FALSE(form->cycleRunning());
    EXPECT_EQ(form->nextSend(), clock.now.addSecs(300));
    EXPECT_EQ(form->sentLabel()->text(), QStringLiteral("Not sent: no connection within 10 s at 08:04:16 Local Time."));
}

TEST_F(SenderTest, AnEmptyIntervalSendsAgainAtTheNextTimerEvent)
{
    listen();
    auto form = sender(QStringLiteral("x"), QString());
    EXPECT_EQ(form->intervalLabel()->text(), QStringLiteral("Interval:  minutes."));
    fire(form->timer());
    EXPECT_EQ(nextPayload(1), QByteArray("x"));
    ticks(*form, 2);
    ASSERT_FALSE(form->cycleRunning());
    fire(form->timer());  // same second
    EXPECT_TRUE(form->cycleRunning());
    EXPECT_EQ(nextPayload(1), QByteArray("x"));
}

TEST_F(SenderTest, OneCycleAtATime)
{
    listen();
    auto form = sender(QStringLiteral("x"), QStringLiteral("0"));
    fire(form->timer());
    fire(form->timer());  // while connecting
    QTcpSocket *peer = accept();
    ASSERT_NE(peer, nullptr);
    EXPECT_EQ(receive(peer, 1), QByteArray("x"));
    fire(form->timer());  // while holding the connection open
    settle();
    EXPECT_FALSE(server.hasPendingConnections());
    EXPECT_EQ(peer->state(), QAbstractSocket::ConnectedState);
}

TEST_F(SenderTest, CancelReleasesTheSocket)
{
    listen();
    auto form = sender(QStringLiteral("x"), QStringLiteral("5"));
    form->show();
    fire(form->timer());
    QTcpSocket *peer = accept();
    ASSERT_NE(peer, nullptr);
    EXPECT_EQ(receive(peer, 1), QByteArray("x"));
    QTest::mouseClick(form->cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->timer()->isActive());
    EXPECT_TRUE(waitForClose(peer));
}

class NoLauncher : public ProgramLauncher {
public:
    bool start(const QString &, bool) override { return false; }
};

// The interval is a count of minutes in the language's singular or plural
// (from the English catalogue); a fraction of a minute is a number shown
// with the locale's decimal separator.
TEST_F(SenderTest, IntervalLabelCountsWholeMinutesAndShowsFractions)
{
    const Translations english(QStringList{QStringLiteral("en-US")});
    const struct {
        bool comma;
        const char *repeatMinutes, *wanted;
    } cases[] = {
        {false, "1", "Interval: 1 minute."},       {false, "2", "Interval: 2 minutes."},
        {false, "0.5", "Interval: 0.5 minutes."},  {true, "0.5", "Interval: 0,5 minutes."},
        {true, "1440", "Interval: 1440 minutes."}, {false, "", "Interval:  minutes."},
    };
    for (const auto &c : cases) {
        std::optional<CommaLocale> locale;
        if (c.comma)
            locale.emplace();
        EXPECT_EQ(sender(QString(), QLatin1String(c.repeatMinutes))->intervalLabel()->text(), QLatin1String(c.wanted))
            << c.repeatMinutes;
    }
}

TEST_F(SenderTest, HiddenSenderKeepsSendingAndIsClosedAtExpiry)
{
    const Translations english(QStringList{QStringLiteral("en-US")});
    listen();
    NoLauncher launcher;
    AlarmWindows windows(prefs, clock, QStringLiteral("Ephemlib.Ephemkit"), launcher, {}, address());
    SenderOrder order;
    order.tag = QStringLiteral("Tcp");
    order.senderLng = 0.0;
    order.messageTemplate = QStringLiteral("[UT HH:MM:SS]");
    order.url = QStringLiteral("tcp://127.0.0.1:%1").arg(port);
    order.repeatMinutes = QStringLiteral("1");
    windows.openSender(order);
    ASSERT_EQ(windows.windows(QStringLiteral("Tcp")).size(), 1);
    auto *form = qobject_cast<SenderWindow *>(windows.windows(QStringLiteral("Tcp")).first());
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->timer()->isActive()) << "running from load";
    EXPECT_EQ(form->intervalLabel()->text(), QStringLiteral("Interval: 1 minute."));

    QTest::mouseClick(form->hideButton(), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    fire(form->timer());
    EXPECT_EQ(nextPayload(8), QByteArray("13:04:05"));
    ticks(*form, 2);
    ticks(*form, 60);
    QTcpSocket *second = accept();
    ASSERT_NE(second, nullptr) << "hidden, it keeps sending";
    EXPECT_EQ(receive(second, 8), QByteArray("13:05:07"));

    QSignalSpy gone(form, &QObject::destroyed);
    windows.closeWindows(QStringLiteral("Tcp"));
    // Outside an event loop, as here, closed windows are deleted on request.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(gone.count(), 1);
    EXPECT_TRUE(windows.windows().isEmpty());
    EXPECT_TRUE(waitForClose(second)) << "closing releases the socket";
}

}  // namespace
