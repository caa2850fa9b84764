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
        QVariantMap hints;
    };
    QList<Shown> shown;
    QList<uint> closed;

public slots:
    uint Notify(const QString &appName, uint replacesId, const QString &icon, const QString &summary,
                const QString &body, const QStringList &, const QVariantMap &hints, int)
    {
        shown << Shown{appName, replacesId, icon, summary, body, hints};
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
            if (service)
                QDBusConnection(c).registerObject(DBusNotifier::objectPath(), service,
                                                  QDBusConnection::ExportAllSlots);
            accepted = true;
        });
        client = QDBusConnection::connectToPeer(server.address(), QStringLiteral("notifier-test"));
        accepted = QTest::qWaitFor([this] { return accepted; });
    }
    ~PeerBus() { QDBusConnection::disconnectFromPeer(QStringLiteral("notifier-test")); }

    QDBusServer server;
    QDBusConnection client{QString()};
    bool accepted = false;
};

TEST(DBusNotifier, ShowsReplacesAndWithdrawsThroughTheService)
{
    FakeNotificationService service;
    PeerBus bus(&service);
    ASSERT_TRUE(bus.accepted && bus.client.isConnected());
    DBusNotifier notifier(QStringLiteral("Noctalis"), bus.client);

    notifier.notify(QStringLiteral("Vega"), QStringLiteral("Sidereal Alarm: Vega"), QStringLiteral("LMST <18:36>"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return notifier.notificationId(QStringLiteral("Vega")) != 0; }));
    ASSERT_EQ(service.shown.size(), 1);
    const FakeNotificationService::Shown &first = service.shown[0];
    EXPECT_EQ(first.appName, QStringLiteral("Noctalis"));
    EXPECT_EQ(first.replacesId, 0u);
    EXPECT_EQ(first.icon, applicationId());
    EXPECT_EQ(first.summary, QStringLiteral("Sidereal Alarm: Vega"));
    EXPECT_EQ(first.body, QStringLiteral("LMST &lt;18:36&gt;")) << "the body is markup";
    EXPECT_EQ(first.hints.value(QStringLiteral("desktop-entry")).toString(), applicationId());
    EXPECT_EQ(first.hints.value(QStringLiteral("urgency")).toInt(), 2);
    EXPECT_EQ(notifier.notificationId(QStringLiteral("Vega")), 41u);

    // The same alarm again takes the place of its notification.
    notifier.notify(QStringLiteral("Vega"), QStringLiteral("Sidereal Alarm: Vega"), QStringLiteral("again"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return notifier.notificationId(QStringLiteral("Vega")) == 42; }));
    EXPECT_EQ(service.shown[1].replacesId, 41u);

    notifier.withdraw(QStringLiteral("Deneb"));  // never shown: nothing to close
    notifier.withdraw(QStringLiteral("Vega"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !service.closed.isEmpty(); }));
    EXPECT_EQ(service.closed, QList<uint>{42u});
    EXPECT_EQ(notifier.notificationId(QStringLiteral("Vega")), 0u);
}

TEST(DBusNotifier, WithoutServiceOrBusReturnsAtOnceAndLogsOneLine)
{
    LogCapture log(QStringLiteral("noctalis.desktop=true"));
    {
        PeerBus bus(nullptr);  // a bus where no one offers notifications
        DBusNotifier notifier(QStringLiteral("Noctalis"), bus.client);
        notifier.notify(QStringLiteral("Vega"), QStringLiteral("t"), QStringLiteral("b"));
        notifier.notify(QStringLiteral("Deneb"), QStringLiteral("t"), QStringLiteral("b"));
        // Every answer has come back when the watchers of the calls are gone.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return notifier.findChildren<QDBusPendingCallWatcher *>().isEmpty(); }));
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
    notifier.notify(QStringLiteral("Vega"), QStringLiteral("t"), QStringLiteral("b"));
    notifier.notify(QStringLiteral("Vega"), QStringLiteral("t"), QStringLiteral("b"));
    notifier.withdraw(QStringLiteral("Vega"));
    EXPECT_LT(timer.elapsed(), 1000) << "nothing waits for a bus that is not there";
    EXPECT_EQ(log.lines().size(), 1);
    QDBusConnection::disconnectFromBus(QStringLiteral("no-bus"));
}

} // namespace

#include "test_dbusnotifier.moc"
