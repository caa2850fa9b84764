// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "dbusnotifier.h"

#include "applicationid.h"
#include "backgroundstep.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace noctalis {

namespace {

QString interfaceName() { return QStringLiteral("org.freedesktop.Notifications"); }

// Urgency 2 (critical): the service keeps the notification until the user or
// withdraw() takes it away, as the notice window stays until its alarm ends.
constexpr uchar kCriticalUrgency = 2;
// The server's default display time (critical ones stay regardless).
constexpr int kDefaultTimeout = -1;

} // namespace

DBusNotifier::DBusNotifier(const QString &appName, QDBusConnection bus, QObject *parent)
    : QObject(parent), m_appName(appName), m_bus(std::move(bus))
{
}

QString DBusNotifier::serviceName() { return QStringLiteral("org.freedesktop.Notifications"); }

QString DBusNotifier::objectPath() { return QStringLiteral("/org/freedesktop/Notifications"); }

void DBusNotifier::notify(const QString &tag, const QString &title, const QString &body)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(serviceName(), objectPath(), interfaceName(), QStringLiteral("Notify"));
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), applicationId()},
        {QStringLiteral("urgency"), QVariant::fromValue(kCriticalUrgency)},
        // The notice window makes its own sound, or none.
        {QStringLiteral("suppress-sound"), true},
    };
    call << m_appName << notificationId(tag) << applicationId() << title << body.toHtmlEscaped()
         << QStringList() << hints << kDefaultTimeout;
    send(call, [this, tag](const QDBusMessage &reply) {
        const QVariantList values = reply.arguments();
        if (!values.isEmpty())
            m_ids.insert(tag, values.first().toUInt());
    });
}

void DBusNotifier::withdraw(const QString &tag)
{
    const auto it = m_ids.constFind(tag);
    if (it == m_ids.constEnd())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(serviceName(), objectPath(), interfaceName(),
                                                      QStringLiteral("CloseNotification"));
    call << it.value();
    m_ids.erase(it);
    send(call, [](const QDBusMessage &) {});
}

template <typename OnReply>
void DBusNotifier::send(const QDBusMessage &call, OnReply onReply)
{
    if (!m_bus.isConnected()) {
        logFailure(m_bus.lastError());
        return;
    }
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, onReply](QDBusPendingCallWatcher *finished) {
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

} // namespace noctalis
