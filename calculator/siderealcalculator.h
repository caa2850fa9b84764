// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// SiderealCalculator: the sidereal calculator. Converts a civil date and
// time, UT or local in a chosen zone, into the local mean sidereal time
// (LMST) of a longitude ("Time -> Sidereal"), and an LMST on a date back into
// civil time ("Sidereal -> Time").
//
// A modeless window with an engine of its own. Each time it is shown after
// being closed it loads afresh from the shared preferences (load).
//
// With other sites in the preferences, a Site list switches the longitude
// from the observer's to a site's and gives the sidereal time there; local
// times stay in the observer's zone.
//
// A handler either completes or, when a box holds what it cannot use (a date
// the calendar does not have, a time of day out of range, a longitude or
// time zone that is none, an instant outside the years 100 to 9999), tells
// the user and leaves the window exactly as it was. Every box is read whole.
#pragma once

#include "appcontext.h"
#include "civilzone.h"
#include "automationobject.h"
#include "observerexchange.h"
#include "sites.h"

#include <QDate>
#include <QDateTime>
#include <QWidget>

#include <memory>
#include <optional>

class QLineEdit;

namespace Ui {
class SiderealCalculator;
}

namespace noctalis {

class SiteChoice;

class SiderealCalculator : public QWidget {
    Q_OBJECT

public:
    // What the calculator reads from context: the preferences DateFormat,
    // DisplayWest, LNG, LAT, TZ, Place and Sites (never written), the clock, the message
    // service, the observer exchange values with the current DSTRule, and the
    // engine's ProgID. observerDialog runs the observer location dialog for
    // Map; without one, Map is disabled.
    explicit SiderealCalculator(AppContext context, ObserverDialogRunner observerDialog = {},
                                QWidget *parent = nullptr);
    ~SiderealCalculator() override;

    double utInstant() const { return m_state.utInstant; }  // automation date, UT
    double tzHours() const { return m_state.tzHours; }
    float lngWest() const { return m_state.lngWest; }
    float latDeg() const { return m_state.latDeg; }
    bool showWest() const { return m_state.showWest; }

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void convertTimeToSidereal();
    void convertSiderealToTime();
    void showNow();
    void flipLongitudeSense();
    void useSystemZone();
    // Either option button: the same instant shown in the other zone.
    void showUt() { DisplayTime(); }
    void showLocal() { DisplayTime(); }
    // A day picked in the calendar: that day with the time in the boxes.
    void dayPicked(QDate date);
    void showObserverDialog();
    // A place picked in the Site list: its longitude and latitude, and the
    // LMST there for the date and time in the boxes.
    void sitePicked();

private:
    // Creates the engine and fills every box from the preferences, the clock
    // and the system time zone; run by every show after a close.
    void load();

    // The longitude box in the current sense.
    void DisplayLongitude();
    // The date and time boxes and the calendar: the instant as UT, or as
    // local time in the zone tzHours when Local is selected; rounded to the
    // nearest second.
    void DisplayTime();
    // The sidereal boxes from the engine's LMST, rounded to the nearest second.
    void DisplaySiderealTime();
    // The instant from the date and time boxes (a date of the calendar,
    // hours 0-23, minutes and seconds 0-59) and the time zone box. False,
    // with the user told and nothing changed, when a box holds anything else
    // or the instant leaves the years 100 to 9999.
    bool GetTimeFromDisplay();
    // The longitude from its box in the current sense (or by its E or W).
    // False, with the user told and nothing changed, when the text is none.
    bool GetLngFromDisplay();
    // The time zone from its box, hours from -24 to 24. False, with the
    // user told and nothing changed, when the text is none.
    bool GetTZfromDisplay();
    // Hours of the sidereal boxes: hours + minutes/60 + seconds/3600, whole
    // hours 0-23 and minutes 0-59, seconds from 0 up to 60 with decimals, not
    // rounded; nothing when a box holds anything else.
    std::optional<double> GetLMSTfromDisplay() const;

    // LMST2UT: the UT instant at which the LMST takes a value.
    //
    // Given:
    //   tlmstHours    the LMST wanted, hours
    //   mDate         an automation date (UT) on the day searched
    //   tLngWestDeg   longitude, degrees west, [0, 360]
    // Returned (function value):
    //   the first UT instant of mDate's UT day at which the LMST is
    //   tlmstHours, as an automation date; nothing when it lies outside the
    //   years 100 to 9999
    //
    // Notes:
    //  1. The LMST at 0h UT comes from the engine (its LNG and UTDate are
    //     set); the rest is one step at the mean rate, no iteration.
    //  2. An LMST that recurs within the UT day (the day is 3 min 56 s longer
    //     than the sidereal day) gives the earlier instant.
    //  3. Throws the engine's AutomationError when the engine fails.
    std::optional<double> LMST2UT(double tlmstHours, double mDate, double tLngWestDeg);

    // What the handlers work on; a refused handler puts it back as it was.
    struct State {
        double utInstant = 0;  // the instant worked on, automation date, UT
        double tzHours = 0;    // time zone, hours, local minus UT
        // The zone local times follow, daylight saving included (the
        // system's, or a place's); none for the hours typed in txtTz.
        std::optional<CivilZone> zone;
        float lngWest = 0;     // longitude, degrees west, [0, 360]
        float latDeg = 0;      // latitude, degrees; only for the observer dialog
        bool showWest = true;  // the longitude box shows west longitudes
    };

    void arrangeDateBoxes();
    void showSense();
    bool GetLngAndTimeFromDisplay();
    std::optional<QDateTime> shownInstant() const;
    std::optional<double> utFromDisplay(const std::optional<QDate> &pickedDay);
    std::optional<double> zoneFromDisplay();
    // The zone Local times are in: the place's zone, else the hours typed.
    CivilZone localZone(double typedHours) const;
    void refuseOutsideCalendar();
    // With a zone, txtTz shows its offset at the instant worked on; hours
    // typed over it end the zone.
    void showZoneHours();
    void takeTypedZone();
    void setEngineInstant();

    AppContext m_ctx;
    ObserverDialogRunner m_observerDialog;
    std::unique_ptr<Ui::SiderealCalculator> ui;
    automation::Object m_engine;
    State m_state;
    QString m_zoneText;            // what showZoneHours put into txtTz
    SiteChoice *m_site = nullptr;  // the observer's place, then each site
};

}  // namespace noctalis
