// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// DBusNotifier: notifications through the freedesktop notification service
// (org.freedesktop.Notifications on the session bus). Every call is
// asynchronous: nothing here waits for the service, and a desktop without a
// bus or without the service shows nothing and logs one line. Only when the
// notifier ends does it wait, briefly, for its last calls to arrive, so that
// no notification of the program outlives it.
#pragma once

#include "notifier.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>

#include <optional>

class QDBusError;
class QDBusMessage;

namespace noctalis {

class DBusNotifier : public QObject, public Notifier {
    Q_OBJECT

public:
    // Notifications of the application appName through the service on the
    // session bus, which is joined at the first notification: a program that
    // never notifies never talks to the bus.
    explicit DBusNotifier(const QString &appName, QObject *parent = nullptr);
    // Notifications of the application appName through the service on bus.
    DBusNotifier(const QString &appName, QDBusConnection bus, QObject *parent = nullptr);
    // Withdraws every notification still shown.
    ~DBusNotifier() override;

    // Asks the service for its capabilities first: the actions are offered
    // only when the service shows them ("actions").
    void notify(const QString &tag, const QString &title, const QString &body,
                const QList<NotificationAction> &actions) override;
    void withdraw(const QString &tag) override;
    void setActionHandler(ActionHandler handler) override { m_actionHandler = std::move(handler); }

    // The service's id of the notification shown for tag, once the service
    // has answered; 0 when none is shown.
    uint notificationId(const QString &tag) const { return m_ids.value(tag, 0u); }

    static QString serviceName();  // "org.freedesktop.Notifications"
    static QString objectPath();   // "/org/freedesktop/Notifications"

private slots:
    void onActionInvoked(uint id, const QString &key);
    void onNotificationClosed(uint id, uint reason);

private:
    void sendNotify(const QString &tag, quint64 serial, const QDBusMessage &call);
    void close(uint id);
    template <typename OnReply>
    void send(const QDBusMessage &call, OnReply onReply);
    void logFailure(const QDBusError &error);
    // The bus, joined and listened to on first need.
    QDBusConnection &bus();
    void listenTo(QDBusConnection &bus);

    QString m_appName;
    std::optional<QDBusConnection> m_bus;
    QHash<QString, uint> m_ids;         // the service's id of the notification shown for each tag
    QHash<QString, quint64> m_serials;  // the latest notify or withdraw of each tag
    quint64 m_lastSerial = 0;
    ActionHandler m_actionHandler;
    bool m_failureLogged = false;
};

}  // namespace noctalis
