// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Notifications through D-Bus, to a notification service of the test's own
// over a private connection; and with no service, or no bus at all.

#include "applicationid.h"
#include "dbusnotifier.h"
#include "logcapture.h"

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusServer>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

// org.freedesktop.Notifications as a notification daemon offers it.
class FakeNotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Shown {
        QString appName;
        uint replacesId;
        QString icon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
        int timeout;
    };
    QStringList capabilities{QStringLiteral("body")};
    QList<Shown> shown;
    QList<uint> closed;

public slots:
    QStringList GetCapabilities() { return capabilities; }
    uint Notify(const QString &appName, uint replacesId, const QString &icon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int timeout)
    {
        shown << Shown{appName, replacesId, icon, summary, body, actions, hints, timeout};
        return 40 + uint(shown.size());
    }
    void CloseNotification(uint id) { closed << id; }
};

// A private bus connection to a server in this process; the service is
// offered on it when one is given.
struct PeerBus {
    explicit PeerBus(QObject *service)
    {
        QObject::connect(&server, &QDBusServer::newConnection, [this, service](const QDBusConnection &c) {
            serverSide = c;
            if (service)
                QDBusConnection(c).registerObject(DBusNotifier::objectPath(), service, QDBusConnection::ExportAllSlots);
            accepted = true;
        });
        client = QDBusConnection::connectToPeer(server.address(), QStringLiteral("notifier-test"));
        accepted = QTest::qWaitFor([this] { return accepted; });
    }
    ~PeerBus() { QDBusConnection::disconnectFromPeer(QStringLiteral("notifier-test")); }

    // The service tells of something that happened to notification id.
    void emitSignal(const char *name, const QVariantList &arguments)
    {
        QDBusMessage signal =
            QDBusMessage::createSignal(DBusNotifier::objectPath(), DBusNotifier::serviceName(), QLatin1String(name));
        signal.setArguments(arguments);
        serverSide.send(signal);
    }

    QDBusServer server;
    QDBusConnection client{QString()};
    QDBusConnection serverSide{QString()};
    bool accepted = false;
};

const QList<NotificationAction> kStopAndSnooze{{QStringLiteral("stop"), QStringLiteral("Stop")},
                                               {QStringLiteral("snooze"), QStringLiteral("Snooze")}};

TEST(DBusNotifier, ShowsReplacesAndWithdrawsThroughTheService)
{
    FakeNotificationService service;
    PeerBus bus(&service);
    ASSERT_TRUE(bus.accepted && bus.client.isConnected());
    DBusNotifier notifier(QStringLiteral("Noctalis"), bus.client);

    notifier.notify(QStringLiteral("Vega"), QStringLiteral("Sidereal Alarm: Vega"), QStringLiteral("LMST <18:36>"),
                    kStopAndSnooze);
    ASSERT_TRUE(QTest::qWaitFor([&] { return notifier.notificationId(QStringLiteral("Vega")) != 0; }));
    ASSERT_EQ(service.shown.size(), 1);
    const FakeNotificationService::Shown &first = service.shown[0];
    EXPECT_EQ(first.appName, QStringLiteral("Noctalis"));
    EXPECT_EQ(first.replacesId, 0u);
    EXPECT_EQ(first.icon, applicationId());
    EXPECT_EQ(first.summary, QStringLiteral("Sidereal Alarm: Vega"));
    EXPECT_EQ(first.body, QStringLiteral("LMST &lt;18:36&gt;")) << "the body is markup";
    EXPECT_EQ(first.hints.value(QStringLiteral("desktop-entry")).toString(), applicationId());
    EXPECT_EQ(first.hints.value(QStringLiteral("urgency")).toInt(), 1) << "normal";
    EXPECT_TRUE(first.hints.value(QStringLiteral("resident")).toBool());
    EXPECT_EQ(first.timeout, 0) << "stays until withdrawn";
    EXPECT_TRUE(first.actions.isEmpty()) << "the service shows no actions";
    EXPECT_EQ(notifier.notificationId(QStringLiteral("Vega")), 41u);

    // The same alarm again takes the place of its notification.
    notifier.notify(QStringLiteral("Vega"), QStringLiteral("Sidereal Alarm: Vega"), QStringLiteral("again"), {});
    ASSERT_TRUE(QTest::qWaitFor([&] { return notifier.notificationId(QStringLiteral("Vega")) == 42; }));
    EXPECT_EQ(service.shown[1].replacesId, 41u);

    notifier.withdraw(QStringLiteral("Deneb"));  // never shown: nothing to close
    notifier.withdraw(QStringLiteral("Vega"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !service.closed.isEmpty(); }));
    EXPECT_EQ(service.closed, QList<uint>{42u});
    EXPECT_EQ(notifier.notificationId(QStringLiteral("Vega")), 0u);

    // Withdrawn as soon as the service has it, its answer perhaps still on
    // the way: closed either way.
    notifier.notify(QStringLiteral("Altair"), QStringLiteral("t"), QStringLiteral("b"), {});
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.shown.size() == 3; }));
    notifier.withdraw(QStringLiteral("Altair"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.closed.size() == 2; }));
    EXPECT_EQ(service.closed.last(), 43u);
}

TEST(DBusNotifier, OffersActionsWhereShownAndPassesOnThoseChosenForItsOwn)
{
    FakeNotificationService service;
    service.capabilities << QStringLiteral("actions");
    PeerBus bus(&service);
    ASSERT_TRUE(bus.accepted && bus.client.isConnected());
    DBusNotifier notifier(QStringLiteral("Noctalis"), bus.client);
    QStringList chosen;
    notifier.setActionHandler([&](const QString &tag, const QString &key) { chosen << tag + QLatin1Char(' ') + key; });

    notifier.notify(QStringLiteral("Vega"), QStringLiteral("t"), QStringLiteral("b"), kStopAndSnooze);
    notifier.notify(QStringLiteral("Deneb"), QStringLiteral("t"), QStringLiteral("b"), kStopAndSnooze);
    ASSERT_TRUE(QTest::qWaitFor([&] { return notifier.notificationId(QStringLiteral("Deneb")) != 0; }));
    const uint vega = notifier.notificationId(QStringLiteral("Vega"));
    const uint deneb = notifier.notificationId(QStringLiteral("Deneb"));
    ASSERT_NE(vega, 0u);
    EXPECT_EQ(service.shown[0].actions, QStringList({QStringLiteral("stop"), QStringLiteral("Stop"),
                                                     QStringLiteral("snooze"), QStringLiteral("Snooze")}));

    bus.emitSignal("ActionInvoked", {deneb + vega, QStringLiteral("stop")});  // another program's
    bus.emitSignal("ActionInvoked", {deneb, QStringLiteral("snooze")});
    bus.emitSignal("ActionInvoked", {vega, QStringLiteral("stop")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return chosen.size() >= 2; }));
    QTest::qWait(20);
    EXPECT_EQ(chosen, QStringList({QStringLiteral("Deneb snooze"), QStringLiteral("Vega stop")}));

    // Dismissed on the desktop: gone, nothing left to close.
    bus.emitSignal("NotificationClosed", {vega, 2u});
    ASSERT_TRUE(QTest::qWaitFor([&] { return notifier.notificationId(QStringLiteral("Vega")) == 0; }));
    notifier.withdraw(QStringLiteral("Vega"));
    notifier.withdraw(QStringLiteral("Deneb"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !service.closed.isEmpty(); }));
    QTest::qWait(20);
    EXPECT_EQ(service.closed, QList<uint>{deneb});
}

// Withdrawn before the service answered, or still shown when the notifier
// ends: closed all the same, before the notifier is gone. The service runs
// on a thread of its own, as a daemon in its own process would.
TEST(DBusNotifier, NothingShownOutlivesItsWithdrawalOrTheNotifier)
{
    QThread daemon;
    auto *service = new FakeNotificationService;
    service->moveToThread(&daemon);
    QObject::connect(&daemon, &QThread::finished, service, &QObject::deleteLater);
    daemon.start();
    PeerBus bus(service);
    ASSERT_TRUE(bus.accepted && bus.client.isConnected());
    QStringList shown;
    QList<uint> closed;
    {
        DBusNotifier notifier(QStringLiteral("Noctalis"), bus.client);
        notifier.notify(QStringLiteral("Vega"), QStringLiteral("Vega"), QStringLiteral("b"), {});
        notifier.withdraw(QStringLiteral("Vega"));  // before the service has heard of it
        notifier.notify(QStringLiteral("Deneb"), QStringLiteral("Deneb"), QStringLiteral("b"), {});
        ASSERT_TRUE(QTest::qWaitFor([&] { return notifier.notificationId(QStringLiteral("Deneb")) != 0; }));
        notifier.notify(QStringLiteral("Altair"), QStringLiteral("Altair"), QStringLiteral("b"), {});
    }
    QMetaObject::invokeMethod(
        service,
        [&] {
            for (const FakeNotificationService::Shown &s : std::as_const(service->shown))
                shown << s.summary;
            closed = service->closed;
        },
        Qt::BlockingQueuedConnection);
    daemon.quit();
    daemon.wait();
    EXPECT_EQ(shown, QStringList{QStringLiteral("Deneb")}) << "what was withdrawn or asked for at the end is not shown";
    EXPECT_EQ(closed, QList<uint>{41u});
}

TEST(DBusNotifier, WithoutServiceOrBusReturnsAtOnceAndLogsOneLine)
{
    LogCapture log(QStringLiteral("noctalis.desktop=true"));
    {
        PeerBus bus(nullptr);  // a bus where no one offers notifications
        DBusNotifier notifier(QStringLiteral("Noctalis"), bus.client);
        notifier.notify(QStringLiteral("Vega"), QStringLiteral("t"), QStringLiteral("b"), {});
        notifier.notify(QStringLiteral("Deneb"), QStringLiteral("t"), QStringLiteral("b"), {});
        // Every answer has come back when the watchers of the calls are gone.
        ASSERT_TRUE(QTest::qWaitFor([&] { return notifier.findChildren<QDBusPendingCallWatcher *>().isEmpty(); }));
        EXPECT_EQ(log.lines().size(), 1) << log.lines().join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(notifier.notificationId(QStringLiteral("Vega")), 0u);
    }

    log.clear();
    const QDBusConnection noBus =
        QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("no-bus"));
    ASSERT_FALSE(noBus.isConnected());
    DBusNotifier notifier(QStringLiteral("Noctalis"), noBus);
    QElapsedTimer timer;
    timer.start();
    notifier.notify(QStringLiteral("Vega"), QStringLiteral("t"), QStringLiteral("b"), {});
    notifier.notify(QStringLiteral("Vega"), QStringLiteral("t"), QStringLiteral("b"), {});
    notifier.withdraw(QStringLiteral("Vega"));
    EXPECT_LT(timer.elapsed(), 1000) << "nothing waits for a bus that is not there";
    EXPECT_EQ(log.lines().size(), 1);
    QDBusConnection::disconnectFromBus(QStringLiteral("no-bus"));
}

}  // namespace

#include "test_dbusnotifier.moc"
