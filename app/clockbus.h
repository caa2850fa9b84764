// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// ClockBus: the running clock on the D-Bus session bus, for scripts and
// other programs. It owns the application's name (org.noctalis.Noctalis) and
// offers at /org/noctalis/Noctalis the interface org.noctalis.Clock that
// org.noctalis.Clock.xml describes: the times the face shows, the observer's
// place, Show() and SetLocation().
//
// Nothing here holds start-up up: the name is asked for without waiting for
// the answer, and a session without a bus, or a bus on which another process
// holds the name, leaves the clock as it is, with one line in the log.
#pragma once

#include "appcontext.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QString>

#include <optional>

namespace noctalis {

class ClockWindow;

class ClockBus : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.noctalis.Clock")
    // The times as the face shows them now, "HH:MM:SS".
    Q_PROPERTY(QString LMST READ lmstText)
    Q_PROPERTY(QString LAST READ lastText)
    Q_PROPERTY(QString UT READ utText)
    // The observer's place: degrees west of Greenwich, [0, 360), and degrees
    // north.
    Q_PROPERTY(double Longitude READ longitudeWestDeg)
    Q_PROPERTY(double Latitude READ latitudeDeg)

public:
    // The bus object of clockWindow, which shows the times and takes a new
    // place; context holds the shared preferences and the settings store.
    ClockBus(ClockWindow &clockWindow, const AppContext &context, QObject *parent = nullptr);
    ~ClockBus() override;

    // Offers the object on bus and asks for the name; the answer comes later
    // (nameSettled). Once only.
    void publish(QDBusConnection bus = QDBusConnection::sessionBus());
    // Whether the bus gave this clock the name.
    bool ownsName() const { return m_ownsName; }

    static QString serviceName();    // the application id, "org.noctalis.Noctalis"
    static QString objectPath();     // "/org/noctalis/Noctalis"
    static QString interfaceName();  // "org.noctalis.Clock"

    // The ranges SetLocation takes, degrees, each end included.
    static constexpr double kMaxLongitudeWestDeg = 360.0;
    static constexpr double kMaxLatitudeDeg = 90.0;

    QString lmstText() const;
    QString lastText() const;
    QString utText() const;
    double longitudeWestDeg() const;
    double latitudeDeg() const;

public slots:
    // Brings the clock window to the front, as a second start does.
    Q_SCRIPTABLE void Show();
    // Stores and applies a new place, as the configuration dialog's OK does
    // for the longitude and latitude; a place out of range is refused with
    // org.freedesktop.DBus.Error.InvalidArgs and changes nothing.
    Q_SCRIPTABLE void SetLocation(double longitudeWest, double latitude);

signals:
    // The bus has answered the request for the name (owned or not); also
    // when there is no bus to ask.
    void nameSettled(bool owned);

private:
    // Why a place is refused; nothing when it is in range.
    static std::optional<QString> locationError(double longitudeWest, double latitude);
    void requestName();
    void settleName(bool owned, const QString &why);
    // PropertiesChanged for the place, when it differs from the one last told.
    void announcePlace();

    ClockWindow &m_clockWindow;
    AppContext m_ctx;
    std::optional<QDBusConnection> m_bus;  // the bus the object is offered on
    bool m_ownsName = false;
    double m_toldLongitudeWestDeg;  // the place the bus last heard of
    double m_toldLatitudeDeg;
};

}  // namespace noctalis
