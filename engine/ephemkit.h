// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Ephemkit: the engine's automation object. A bag of observer and target
// properties with methods that compute into them; every member is reached by
// name through the automation layer.
#pragma once

#include "classfactory.h"
#include "planets.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>

class Ephemkit : public QObject, public automation::ErrorInfo {
    Q_OBJECT
    Q_INTERFACES(automation::ErrorInfo)

    Q_PROPERTY(QVariant TransitEL READ TransitEL)
    Q_PROPERTY(QVariant LNG READ LNG WRITE setLNG)
    Q_PROPERTY(QVariant lat READ lat WRITE setLat)
    Q_PROPERTY(QVariant LMST READ LMST WRITE setLMST)
    Q_PROPERTY(QVariant RA READ RA WRITE setRA)
    Q_PROPERTY(QVariant Dec READ Dec WRITE setDec)
    Q_PROPERTY(QVariant Alt READ Alt WRITE setAlt)
    Q_PROPERTY(QVariant Az READ Az WRITE setAz)
    Q_PROPERTY(QVariant PlanetNum READ PlanetNum WRITE setPlanetNum)
    Q_PROPERTY(QVariant RiseDate READ RiseDate WRITE discard)
    Q_PROPERTY(QVariant SetDate READ SetDate WRITE discard)
    Q_PROPERTY(QVariant RiseAz READ RiseAz WRITE discard)
    Q_PROPERTY(QVariant SetAz READ SetAz WRITE discard)
    Q_PROPERTY(QVariant UTDate READ UTDate WRITE setUTDate)
    Q_PROPERTY(QVariant PlanetName READ PlanetName WRITE setPlanetName)
    Q_PROPERTY(QVariant TransitStatus READ TransitStatus)
    Q_PROPERTY(QVariant NextLowerTransit READ NextLowerTransit)
    Q_PROPERTY(QVariant TransitELlower READ TransitELlower WRITE discard)

    // Beyond the interface table: the apparent sidereal time and the almanac
    // of a target (rising and setting as almanacs give them, the transit,
    // where it stands now). All read-only.
    Q_PROPERTY(QVariant LAST READ LAST)
    Q_PROPERTY(QVariant AlmanacStatus READ AlmanacStatus)
    Q_PROPERTY(QVariant AlmanacRise READ AlmanacRise)
    Q_PROPERTY(QVariant AlmanacRiseAz READ AlmanacRiseAz)
    Q_PROPERTY(QVariant AlmanacTransit READ AlmanacTransit)
    Q_PROPERTY(QVariant AlmanacTransitAlt READ AlmanacTransitAlt)
    Q_PROPERTY(QVariant AlmanacSet READ AlmanacSet)
    Q_PROPERTY(QVariant AlmanacSetAz READ AlmanacSetAz)
    Q_PROPERTY(QVariant AlmanacRA READ AlmanacRA)
    Q_PROPERTY(QVariant AlmanacDec READ AlmanacDec)
    Q_PROPERTY(QVariant AlmanacAlt READ AlmanacAlt)
    Q_PROPERTY(QVariant AlmanacAz READ AlmanacAz)
    Q_PROPERTY(QVariant AlmanacUp READ AlmanacUp)
    Q_PROPERTY(QVariant LastMeridian READ LastMeridian)
    Q_PROPERTY(QVariant NextMeridian READ NextMeridian)

public:
    explicit Ephemkit(QObject *parent = nullptr);
    ~Ephemkit() override;

    // Objects alive in this library (the library may unload at 0).
    static int liveObjects();

    // Local civil time minus UT now, hours, daylight saving included; 0 when
    // the system cannot say.
    Q_INVOKABLE double GetTimeZone();
    // UT minus local civil time, days: -GetTimeZone()/24.
    Q_INVOKABLE QVariant GetTZBias();

    // Horizon (Alt, Az) to equatorial (RA, Dec) for the LMST of uDate, or
    // of UTDate when uDate is omitted; writes LMST. Returns Empty.
    Q_INVOKABLE QVariant ALTAZ2RADEC(const QVariant &uDate);
    // Equatorial to horizon. With uDate: the selected body's RA and Dec for
    // uDate first, then RiseDate, SetDate, RiseAz and SetAz recomputed from
    // that place, for the UT day of UTDate (rise and set always belong to
    // UTDate's day, whatever date a member places the body for), then LMST
    // for uDate; without uDate the stored RA, Dec and LMST are used as they
    // are and rise and set are not recomputed.
    Q_INVOKABLE void RADEC2ALTAZ(const QVariant &uDate);
    // ALTAZ2RADEC for UT now (the system clock's UTC). Returns Empty.
    Q_INVOKABLE QVariant ALTAZ2RADECnow();
    // RADEC2ALTAZ with the body's position for UT now. Returns Empty.
    Q_INVOKABLE QVariant RADEC2ALTAZnow();
    // Next upper (or, when North is given, lower) meridian passage of the
    // selected body after xtStartTime (default UTDate); fills TransitEL,
    // TransitStatus, NextLowerTransit, TransitELlower. xtPlanetnum has no
    // effect. Returns a date, or Empty for body numbers 8 and 9.
    Q_INVOKABLE QVariant NextTransit(const QVariant &xtStartTime, const QVariant &xtPlanetnum, const QVariant &North);

    // AlmanacDay: the selected target's day as almanacs give it, for the
    // observer at lat and LNG. The day is [uDate, uDate + 1) (UT; local
    // midnight for a local date); uDate defaults to UTDate. The target is the
    // body in PlanetNum (Sun, Moon, Mercury to Pluto) or, for -1, the fixed
    // place in RA and Dec (of date). Fills:
    //   AlmanacStatus      0 rises or sets in the day, 1 always up, -1 never rises
    //   AlmanacRise, AlmanacSet      the first rising and setting (UT dates),
    //                                Empty when none in the day
    //   AlmanacRiseAz, AlmanacSetAz  their azimuths, degrees from north
    //                                through east; Empty with the event
    //   AlmanacTransit     the first upper transit (UT date), Empty when none
    //   AlmanacTransitAlt  its altitude, degrees (topocentric for the Moon,
    //                      no refraction); Empty with the transit
    // Rising and setting: the upper limb of the Sun (-50') and of the Moon
    // (0.7275 parallax - 34'), the centre of anything else (-34'). Body
    // numbers 8 and 9 empty every result. Returns Empty; changes no other
    // property.
    Q_INVOKABLE QVariant AlmanacDay(const QVariant &uDate);
    // AlmanacPlace: where the selected target stands at uDate (default
    // UTDate). Fills AlmanacRA, AlmanacDec (apparent, of date), AlmanacAlt,
    // AlmanacAz (the Moon topocentric, no refraction), AlmanacUp (True while
    // risen as AlmanacDay counts), LastMeridian and NextMeridian (the upper
    // transits at or before uDate and after it, UT dates). Body numbers 8 and
    // 9 empty every result. Returns Empty; changes no other property.
    Q_INVOKABLE QVariant AlmanacPlace(const QVariant &uDate);
    //
    // Every member that places a planet (RADEC2ALTAZ with a date,
    // RADEC2ALTAZnow, NextTransit, AlmanacDay, AlmanacPlace) raises run-time
    // error 5 with a text naming the years its theory holds ("Pluto's series
    // holds from 1885 to 2099") when asked for a date outside them
    // (ephemkit::PlanetTheoryYears); AlmanacDay needs all of its day inside.
    // The almanac results are then Empty; other properties keep their values.

    // Source of UTC "now" (default: the system clock); tests inject a fixed
    // instant.
    void setUtcNow(std::function<QDateTime()> utcNow);

    QVariant TransitEL() const { return m_TransitEL; }
    QVariant LNG() const { return m_LNG; }
    QVariant lat() const { return m_lat; }
    QVariant LMST() const { return m_LMST; }
    QVariant RA() const { return m_RA; }
    QVariant Dec() const { return m_Dec; }
    QVariant Alt() const { return m_Alt; }
    QVariant Az() const { return m_Az; }
    QVariant PlanetNum() const { return m_PlanetNum; }
    QVariant RiseDate() const { return m_RiseDate; }
    QVariant SetDate() const { return m_SetDate; }
    QVariant RiseAz() const { return m_RiseAz; }
    QVariant SetAz() const { return m_SetAz; }
    QVariant UTDate() const { return m_UTDate; }
    QVariant PlanetName() const { return m_PlanetName; }
    QVariant TransitStatus() const { return m_TransitStatus; }
    QVariant NextLowerTransit() const { return m_NextLowerTransit; }
    QVariant TransitELlower() const { return m_TransitELlower; }

    // Local apparent sidereal time of UTDate at LNG, hours, [0, 24): the
    // LMST that UTDate gives (whole seconds) plus the equation of the
    // equinoxes, so LAST - LMST is the equation of the equinoxes while LMST
    // is the one UTDate set. Empty while UTDate is empty or no date.
    QVariant LAST() const;
    QVariant AlmanacStatus() const { return m_almanacDay.value(0); }
    QVariant AlmanacRise() const { return m_almanacDay.value(1); }
    QVariant AlmanacRiseAz() const { return m_almanacDay.value(2); }
    QVariant AlmanacTransit() const { return m_almanacDay.value(3); }
    QVariant AlmanacTransitAlt() const { return m_almanacDay.value(4); }
    QVariant AlmanacSet() const { return m_almanacDay.value(5); }
    QVariant AlmanacSetAz() const { return m_almanacDay.value(6); }
    QVariant AlmanacRA() const { return m_almanacPlace.value(0); }
    QVariant AlmanacDec() const { return m_almanacPlace.value(1); }
    QVariant AlmanacAlt() const { return m_almanacPlace.value(2); }
    QVariant AlmanacAz() const { return m_almanacPlace.value(3); }
    QVariant AlmanacUp() const { return m_almanacPlace.value(4); }
    QVariant LastMeridian() const { return m_almanacPlace.value(5); }
    QVariant NextMeridian() const { return m_almanacPlace.value(6); }

    void setLNG(const QVariant &v);
    void setLat(const QVariant &v);
    void setLMST(const QVariant &v);
    void setRA(const QVariant &v);
    void setDec(const QVariant &v);
    void setAlt(const QVariant &v);
    void setAz(const QVariant &v);
    void setPlanetNum(const QVariant &v);
    void setUTDate(const QVariant &v);
    void setPlanetName(const QVariant &v);
    void discard(const QVariant &v);

    bool takeError(int &number, QString &description) override;

private:
    // Runs a member body; a run-time error it raises is kept for the caller.
    // The upper halves of the vector registers are cleared first (see
    // ephemkit.cpp).
    void guarded(const std::function<void()> &body);

    // RA and Dec of the selected body for utDate, then ComputeRiseSet (on
    // UTDate's day, not utDate's).
    void UpdateBodyPosition(double utDate);
    // Rise and set times and azimuths of the target's current RA and Dec on
    // the UT day of UTDate, to the minute on the mathematical horizon: the
    // minute search for the Sun and the Moon, riset with SiderealToUT for
    // the rest (almanac-grade times are AlmanacDay's).
    void ComputeRiseSet();
    // UT now as an automation date: local time now + GetTZBias.
    double utNow();
    // The selected body number; Empty (nothing selected yet) is -1.
    int bodyNumber() const;
    void convert(bool toEquatorial);

    std::function<QDateTime()> m_utcNow;

    double m_LNG = 0.0;   // degrees west, [0, 360)
    double m_LMST = 0.0;  // hours
    QVariant m_UTDate;
    QVariant m_lat;
    QVariant m_RA;
    QVariant m_Dec;
    QVariant m_Alt;
    QVariant m_Az;
    QVariant m_PlanetNum;
    QVariant m_PlanetName;
    QVariant m_RiseDate;
    QVariant m_SetDate;
    QVariant m_RiseAz;
    QVariant m_SetAz;
    QVariant m_TransitEL;
    QVariant m_TransitStatus;
    QVariant m_NextLowerTransit;
    QVariant m_TransitELlower;

    // Results of AlmanacDay and AlmanacPlace, in the order of their getters;
    // Empty until computed.
    QVariantList m_almanacDay;
    QVariantList m_almanacPlace;
    // The planets' places at the almanac's last whole days (and the Earth's
    // there): a target's day and its place now share them, and the planets
    // of one refresh of a window share the Earth's.
    ephemkit::PlanetDayNodes m_planetNodes;

    bool m_hasError = false;
    int m_errorNumber = 0;
    QString m_errorText;
};
