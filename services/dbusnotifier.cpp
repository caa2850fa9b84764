// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "dbusnotifier.h"

#include "applicationid.h"
#include "backgroundstep.h"

#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDeadlineTimer>
#include <QThread>
#include <QVariantMap>

namespace noctalis {

namespace {

QString interfaceName() { return QStringLiteral("org.freedesktop.Notifications"); }

// Urgency 1 (normal): an alarm is expected, not an emergency; the service
// keeps it anyway, as it is resident and never expires, until withdraw()
// takes it away with the notice window it stands beside.
constexpr uchar kNormalUrgency = 1;
constexpr int kNeverExpires = 0;
// How long the notifier's end waits for the service, at most, and how often
// it looks, milliseconds.
constexpr int kFinalWaitMs = 1000;
constexpr int kFinalPollMs = 5;

}  // namespace

DBusNotifier::DBusNotifier(const QString &appName, QObject *parent) : QObject(parent), m_appName(appName) {}

DBusNotifier::DBusNotifier(const QString &appName, QDBusConnection bus, QObject *parent)
    : QObject(parent), m_appName(appName), m_bus(std::move(bus))
{
    listenTo(*m_bus);
}

QDBusConnection &DBusNotifier::bus()
{
    if (!m_bus) {
        m_bus = QDBusConnection::sessionBus();
        listenTo(*m_bus);
    }
    return *m_bus;
}

void DBusNotifier::listenTo(QDBusConnection &bus)
{
    if (!bus.isConnected())
        return;
    // On a bus, the signals of the service; on a connection straight to the
    // service (no bus in between, no names), those of the other end.
    const QString sender = bus.interface() ? serviceName() : QString();
    bus.connect(sender, objectPath(), interfaceName(), QStringLiteral("ActionInvoked"), this,
                SLOT(onActionInvoked(uint, QString)));
    bus.connect(sender, objectPath(), interfaceName(), QStringLiteral("NotificationClosed"), this,
                SLOT(onNotificationClosed(uint, uint)));
}

DBusNotifier::~DBusNotifier()
{
    // Until every call has arrived: the answers of Notify calls still on
    // their way are taken in (and closed, being withdrawn), then whatever is
    // still shown is closed.
    // The answers arrive on the bus's own thread, so they are waited for
    // here without the event loop, which may have ended; a service that does
    // not answer holds the program's end up for a moment only.
    m_serials.clear();
    const QDeadlineTimer deadline(kFinalWaitMs);
    bool closing = false;
    for (;;) {
        const auto inFlight = findChildren<QDBusPendingCallWatcher *>(Qt::FindDirectChildrenOnly);
        if (inFlight.isEmpty()) {
            if (closing || m_ids.isEmpty())
                break;
            closing = true;
            for (const uint id : std::as_const(m_ids))
                close(id);
            m_ids.clear();
            continue;
        }
        for (QDBusPendingCallWatcher *watcher : inFlight) {
            while (!watcher->isFinished() && !deadline.hasExpired())
                QThread::msleep(kFinalPollMs);
            if (watcher->isFinished())
                emit watcher->finished(watcher);
            delete watcher;
        }
    }
}

QString DBusNotifier::serviceName() { return QStringLiteral("org.freedesktop.Notifications"); }

QString DBusNotifier::objectPath() { return QStringLiteral("/org/freedesktop/Notifications"); }

void DBusNotifier::notify(const QString &tag, const QString &title, const QString &body,
                          const QList<NotificationAction> &actions)
{
    const quint64 serial = ++m_lastSerial;
    m_serials.insert(tag, serial);
    const QDBusMessage ask =
        QDBusMessage::createMethodCall(serviceName(), objectPath(), interfaceName(), QStringLiteral("GetCapabilities"));
    send(ask, [this, tag, title, body, actions, serial](const QDBusMessage &reply) {
        if (m_serials.value(tag) != serial)
            return;  // withdrawn or shown anew meanwhile
        const QStringList capabilities =
            reply.arguments().isEmpty() ? QStringList() : reply.arguments().first().toStringList();
        QStringList offered;  // key, label, key, label, …
        if (capabilities.contains(QStringLiteral("actions"))) {
            for (const NotificationAction &a : actions)
                offered << a.key << a.label;
        }
        QDBusMessage call =
            QDBusMessage::createMethodCall(serviceName(), objectPath(), interfaceName(), QStringLiteral("Notify"));
        const QVariantMap hints{
            {QStringLiteral("desktop-entry"), applicationId()},
            {QStringLiteral("urgency"), QVariant::fromValue(kNormalUrgency)},
            {QStringLiteral("resident"), true},
            // The notice window makes its own sound, or none.
            {QStringLiteral("suppress-sound"), true},
        };
        call << m_appName << notificationId(tag) << applicationId() << title << body.toHtmlEscaped() << offered << hints
             << kNeverExpires;
        sendNotify(tag, serial, call);
    });
}

void DBusNotifier::sendNotify(const QString &tag, quint64 serial, const QDBusMessage &call)
{
    send(call, [this, tag, serial](const QDBusMessage &reply) {
        const QVariantList values = reply.arguments();
        if (values.isEmpty())
            return;
        const uint id = values.first().toUInt();
        if (m_serials.value(tag) == serial)
            m_ids.insert(tag, id);
        else if (m_ids.value(tag) != id)
            close(id);  // withdrawn while on its way
    });
}

void DBusNotifier::withdraw(const QString &tag)
{
    m_serials.insert(tag, ++m_lastSerial);
    const auto it = m_ids.constFind(tag);
    if (it == m_ids.constEnd())
        return;
    const uint id = it.value();
    m_ids.erase(it);
    close(id);
}

void DBusNotifier::close(uint id)
{
    QDBusMessage call = QDBusMessage::createMethodCall(serviceName(), objectPath(), interfaceName(),
                                                       QStringLiteral("CloseNotification"));
    call << id;
    send(call, [](const QDBusMessage &) {});
}

void DBusNotifier::onActionInvoked(uint id, const QString &key)
{
    const QString tag = m_ids.key(id);
    if (!tag.isEmpty() && m_actionHandler)
        m_actionHandler(tag, key);
}

void DBusNotifier::onNotificationClosed(uint id, uint)
{
    // Gone from the desktop, whatever the reason (expired, dismissed by the
    // user, closed by us): nothing to withdraw any more. The notice window
    // stays open even when the user dismissed the notification: the window
    // is the alarm, the notification only points to it.
    const QString tag = m_ids.key(id);
    if (!tag.isEmpty())
        m_ids.remove(tag);
}

template <typename OnReply>
void DBusNotifier::send(const QDBusMessage &call, OnReply onReply)
{
    QDBusConnection &connection = bus();
    if (!connection.isConnected()) {
        logFailure(connection.lastError());
        return;
    }
    auto *watcher = new QDBusPendingCallWatcher(connection.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, onReply](QDBusPendingCallWatcher *finished) {
        finished->disconnect(this);  // once, also when the destructor hands it on
        finished->deleteLater();
        if (finished->isError())
            logFailure(finished->error());
        else
            onReply(finished->reply());
    });
}

void DBusNotifier::logFailure(const QDBusError &error)
{
    // One line for the program's life: a desktop without the service stays
    // without it.
    if (m_failureLogged)
        return;
    m_failureLogged = true;
    logSkippedStep(lcDesktop, "show a desktop notification",
                   error.isValid() ? error.name() + QStringLiteral(": ") + error.message()
                                   : QStringLiteral("no session bus"));
}

}  // namespace noctalis
