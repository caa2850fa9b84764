// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// TonightWindow: what the sky holds for the observer today. One row per body
// (the Sun, the Moon, Mercury to Neptune) and per target of one's own, with
// rising, transit and setting in local civil time as almanacs give them,
// where the object stands now and the time to its next meridian crossing;
// transit alarms from a row.
//
// A modeless window with an engine of its own, created by ProgID. Each time
// it is shown after being closed it loads afresh (load). The rows are
// computed again on the first tick of every minute and on Refresh.
//
// With other sites in the preferences, a Site list puts the rows at a site's
// longitude and latitude instead of the observer's; the local day and the
// times stay in the observer's zone, and a transit alarm rings at the
// site's crossing.
#pragma once

#include "appcontext.h"
#include "civilzone.h"
#include "automationobject.h"
#include "tonightsky.h"
#include "sites.h"
#include "tonighttargets.h"

#include <QDateTime>
#include <QWidget>

#include <memory>

class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace Ui {
class TonightWindow;
}

namespace noctalis {

class SiteChoice;

class TonightWindow : public QWidget {
    Q_OBJECT

public:
    // The columns of lvwTonight.
    enum Column {
        ColObject,
        ColRise,
        ColRiseAz,
        ColTransit,
        ColTransitAlt,
        ColSet,
        ColSetAz,
        ColAlt,
        ColAz,
        ColMeridian,
    };
    // The item data role of the value a column sorts by: a number (times as
    // automation dates, angles in degrees, the meridian in minutes from now,
    // the object's place in the list for ColObject).
    static constexpr int kSortRole = Qt::UserRole;

    // What the window reads from context: the preferences LAT, LNG, TZ,
    // DisplayWest, DateFormat, AlarmsEnabled, Place and Sites (never written), the clock,
    // the settings (its targets), the alarm table (transit alarms go into
    // it), the message service and the engine's ProgID.
    explicit TonightWindow(AppContext context, QWidget *parent = nullptr);
    ~TonightWindow() override;

    const QList<TonightTarget> &targets() const { return m_targets; }
    QTreeWidget *table() const;
    QTimer *timer() const { return m_timer; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private slots:
    // Every row again for the present instant and the local date.
    void Refresh();
    // Once a second while shown: Refresh on the first tick of a new minute.
    void tick();

    // Adds the target of the three boxes; a name missing or a right
    // ascension or declination that is none is told and nothing is added.
    void addTarget();
    // Removes the selected target of one's own.
    void removeTarget();
    // Adds a transit alarm for the selected row to the alarm table.
    void addTransitAlarm();

private:
    // Creates the engine, reads the targets and computes the rows; run by
    // every show after a close.
    void load();
    QList<TonightObject> objects() const;
    // The place the rows are for: the observer's, or the site picked.
    Site place() const;
    bool sitePicked() const;
    // The sky of the local day of a clock reading, and the place line of that day.
    // The sky of the observer's local day that holds the UT instant utcNow.
    TonightSky sky(const QDateTime &utcNow) const;
    void showRows(const QList<TonightRow> &rows);
    void fillItem(QTreeWidgetItem *item, const TonightRow &row, int order) const;
    QString placeText(const QDate &localDate) const;
    QString eventTime(const std::optional<double> &ut) const;
    static QString meridianText(double minutes);
    static QString spanText(int minutes);
    QString alarmMessage(const QString &name, double offsetHours) const;
    const TonightRow *selectedRow() const;
    void updateButtons();
    void tell(const QString &text);

    AppContext m_ctx;
    std::unique_ptr<Ui::TonightWindow> ui;
    automation::Object m_engine;
    QList<TonightTarget> m_targets;
    QList<TonightRow> m_rows;                        // as shown; each item holds its index here
    TonightSky m_sky;                                // what m_rows were computed for
    QDateTime m_rowsMinute;                          // the local minute of the last refresh
    CivilZone m_zone = CivilZone(QTimeZone::utc());  // the observer's zone at the last refresh
    QDate m_localDate;                               // the observer's local date of the last refresh
    QTimer *m_timer = nullptr;
    SiteChoice *m_site = nullptr;  // the observer's place, then each site
};

}  // namespace noctalis
