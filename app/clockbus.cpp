// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "clockbus.h"

#include "applicationid.h"
#include "backgroundstep.h"
#include "clockwindow.h"
#include "latlng.h"
#include "longitude.h"
#include "preferences.h"
#include "settingsstore.h"
#include "settingvalues.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QLabel>
#include <QVariantMap>

#include <cmath>

namespace noctalis {

namespace {

// RequestName: fail at once rather than wait in the queue for the name; its
// answers that make this connection the owner.
constexpr uint kDoNotQueue = 4;
constexpr uint kPrimaryOwner = 1;
constexpr uint kAlreadyOwner = 4;

QString propertiesInterface() { return QStringLiteral("org.freedesktop.DBus.Properties"); }

// Stores a place as the configuration dialog's OK stores its longitude and
// latitude: the shared preferences, and the settings "LNG" (in the sense
// "DisplayWest" records, in which start-up reads it back), "LAT" and "Place"
// (none: a place given by its numbers has no name).
void storePlace(const AppContext &context, double lngWestDeg, double latDeg)
{
    Preferences &p = context.prefs;
    SettingsStore &s = context.settings;
    const bool west = readBooleanSetting(s, QStringLiteral("DisplayWest"), QStringLiteral("True"));
    p.LNG = float(lngWestDeg);
    p.LAT = float(latDeg);
    p.Place.clear();
    p.DisplayWest = west;
    writeSetting(s, QStringLiteral("LNG"), FormatLongitude(Longitude(p.LNG).shown(west)));
    writeSetting(s, QStringLiteral("LAT"), FormatLatitude(p.LAT));
    writeSetting(s, QStringLiteral("Place"), p.Place);
    writeSetting(s, QStringLiteral("DisplayWest"), booleanText(west));
}

}  // namespace

ClockBus::ClockBus(ClockWindow &clockWindow, const AppContext &context, QObject *parent)
    : QObject(parent),
      m_clockWindow(clockWindow),
      m_ctx(context),
      m_toldLongitudeWestDeg(longitudeWestDeg()),
      m_toldLatitudeDeg(latitudeDeg())
{
    // The place changes by the configuration dialog as well as from the bus.
    connect(&m_clockWindow, &ClockWindow::configurationApplied, this, &ClockBus::announcePlace);
}

ClockBus::~ClockBus()
{
    if (!m_bus)
        return;
    m_bus->unregisterObject(objectPath());
    if (m_ownsName && m_bus->interface())  // the bus takes the name back itself when the connection ends
        m_bus->interface()->asyncCall(QStringLiteral("ReleaseName"), serviceName());
}

QString ClockBus::serviceName() { return applicationId(); }

QString ClockBus::objectPath() { return QStringLiteral("/org/noctalis/Noctalis"); }

QString ClockBus::interfaceName() { return QStringLiteral("org.noctalis.Clock"); }

void ClockBus::publish(QDBusConnection bus)
{
    if (m_bus)
        return;
    if (!bus.isConnected() || !bus.interface()) {
        const QDBusError error = bus.lastError();
        settleName(false, error.isValid() ? error.message() : QStringLiteral("no session bus"));
        return;
    }
    if (!bus.registerObject(objectPath(), this, QDBusConnection::ExportScriptableContents)) {
        settleName(false, QStringLiteral("the object path %1 is taken in this program").arg(objectPath()));
        return;
    }
    m_bus = bus;
    requestName();
}

void ClockBus::requestName()
{
    const QDBusPendingCall call =
        m_bus->interface()->asyncCall(QStringLiteral("RequestName"), serviceName(), kDoNotQueue);
    auto *watcher = new QDBusPendingCallWatcher(call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *finished) {
        finished->deleteLater();
        const QDBusPendingReply<uint> reply = *finished;
        if (reply.isError()) {
            settleName(false, reply.error().name() + QStringLiteral(": ") + reply.error().message());
            return;
        }
        const uint answer = reply.value();
        settleName(answer == kPrimaryOwner || answer == kAlreadyOwner, QStringLiteral("another process owns the name"));
    });
}

void ClockBus::settleName(bool owned, const QString &why)
{
    m_ownsName = owned;
    if (!owned) {
        // Nothing for a script to reach: the clock runs on without the bus.
        if (m_bus) {
            m_bus->unregisterObject(objectPath());
            m_bus.reset();
        }
        qCInfo(lcDesktop).noquote() << "Not offered on the session bus as" << serviceName() << "-" << why;
    }
    emit nameSettled(owned);
}

QString ClockBus::lmstText() const { return m_clockWindow.clockLabel()->text(); }

QString ClockBus::lastText() const { return m_clockWindow.lastText(); }

QString ClockBus::utText() const { return m_clockWindow.utClockLabel()->text(); }

double ClockBus::longitudeWestDeg() const { return double(m_ctx.prefs.LNG); }

double ClockBus::latitudeDeg() const { return double(m_ctx.prefs.LAT); }

void ClockBus::Show() { m_clockWindow.bringToFront(); }

std::optional<QString> ClockBus::locationError(double longitudeWest, double latitude)
{
    // Written so that NaN fails as well.
    if (!(longitudeWest >= 0 && longitudeWest <= kMaxLongitudeWestDeg))
        return QStringLiteral("longitudeWest %1 is out of range: degrees west of Greenwich from 0 to %2")
            .arg(longitudeWest)
            .arg(kMaxLongitudeWestDeg);
    if (!(std::fabs(latitude) <= kMaxLatitudeDeg))
        return QStringLiteral("latitude %1 is out of range: degrees north from %2 to %3")
            .arg(latitude)
            .arg(-kMaxLatitudeDeg)
            .arg(kMaxLatitudeDeg);
    return std::nullopt;
}

void ClockBus::SetLocation(double longitudeWest, double latitude)
{
    if (const std::optional<QString> error = locationError(longitudeWest, latitude)) {
        if (calledFromDBus())
            sendErrorReply(QDBusError::InvalidArgs, *error);
        return;
    }
    storePlace(m_ctx, Longitude::wrapped(longitudeWest).west(), latitude);
    m_clockWindow.applyConfiguration();  // the engine and the face; the bus hears of it from there
}

void ClockBus::announcePlace()
{
    QVariantMap changed;
    if (longitudeWestDeg() != m_toldLongitudeWestDeg)
        changed.insert(QStringLiteral("Longitude"), longitudeWestDeg());
    if (latitudeDeg() != m_toldLatitudeDeg)
        changed.insert(QStringLiteral("Latitude"), latitudeDeg());
    m_toldLongitudeWestDeg = longitudeWestDeg();
    m_toldLatitudeDeg = latitudeDeg();
    if (changed.isEmpty() || !m_bus)
        return;
    QDBusMessage signal =
        QDBusMessage::createSignal(objectPath(), propertiesInterface(), QStringLiteral("PropertiesChanged"));
    signal << interfaceName() << changed << QStringList();
    m_bus->send(signal);
}

}  // namespace noctalis
