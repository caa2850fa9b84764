// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// ConfigDialog: the configuration dialog. Longitude, time zone, date format,
// the clock's colours and font, and the switches for alarms, always on top
// and start with the desktop, the clock's LAST row, DUT1 and night vision;
// the way into the observer dialog, the other sites, the alarm editor and
// the about box.
//
// A new dialog is made for every opening. It works on copies of the shared
// preferences and stores them only on OK; the font choice alone reaches the
// shared preferences at once. OK clears ConfigCancelled, Cancel sets it, and
// closing by the window frame (or Escape) leaves it as it was.
#pragma once

#include "appcontext.h"
#include "autostartentry.h"
#include "observerexchange.h"
#include "sites.h"

#include <QColor>
#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QLabel;

namespace Ui {
class ConfigDialog;
}

namespace noctalis {

class ColorPicker;
class FontPicker;

// Shows a dialog modally over parent and returns when it closes.
using ModalDialogRunner = std::function<void(QWidget *parent)>;

// Edits the other sites in a dialog over parent: the list as edited on OK,
// nothing on Cancel.
using SitesEditorRunner = std::function<std::optional<QList<Site>>(QWidget *parent, const QList<Site> &sites)>;

class ConfigDialog : public QDialog {
    Q_OBJECT

public:
    // What the opener hands in besides the application's shared objects.
    struct Openers {
        ColorPicker &colors;
        FontPicker &fonts;
        ObserverDialogRunner observerDialog;  // Map; nothing happens without one
        ModalDialogRunner alarmEditor;        // Configure Alarms
        ModalDialogRunner aboutBox;           // About / Help
        AutostartEntry autostart;             // where SetAutoStart writes
        QString programPath;                  // what the autostart entry starts
        SitesEditorRunner sitesEditor = {};   // Sites; the sites editor unless set
    };

    // Opens the dialog on the shared preferences (load).
    explicit ConfigDialog(const AppContext &context, Openers openers, QWidget *parent = nullptr);
    ~ConfigDialog() override;

    // The dialog's east/west switch: true while TxtLng shows west longitude.
    bool displayWest() const { return m_displayWest; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void flipLongitudeSense();
    void detectZoneToggled();
    void pickFont();
    void showObserverDialog();
    void showAlarmEditor();
    void showSitesEditor();
    void showAbout();
    void cancel();
    // Checks the longitude and time zone texts, then stores and closes; a
    // text in error is told and the dialog stays open with it, storing
    // nothing.
    void confirm();

private:
    // Opening: re-reads "DisplayWest" into the shared preferences, takes the
    // shared latitude, then LoadParams.
    void load();
    // Fills the working copies and the controls from the shared preferences.
    void LoadParams();
    // TxtLng = the working longitude, west or east as the dialog shows it.
    void DisplayLongitude();
    // The zone the dialog stores: a tzdata zone, or none for the typed hours.
    void showZone(const QString &zoneId);
    // Writes the autostart entry and the "StartUp" setting from the shared
    // StartUp. A failure to write the entry is logged and told through the
    // settings store (once, until a later write succeeds).
    void SetAutoStart();

    bool textsAreValid();
    void pickSwatchColor(QLabel *swatch);
    static QColor swatchColor(const QLabel *swatch);
    static void paintSwatch(QLabel *swatch, const QColor &color);
    static bool isPressKey(int key);
    static void paintFocusMark(QLabel *swatch);

    AppContext m_ctx;
    Openers m_openers;
    std::unique_ptr<Ui::ConfigDialog> ui;

    // Working copies.
    double m_lat = 0;  // degrees north
    double m_lng = 0;  // degrees west
    bool m_displayWest = true;
    QString m_zoneId;  // the observer's tzdata zone; empty for the typed hours
    QString m_place;   // where the longitude is, by name; empty when typed
    QList<Site> m_sites;
};

}  // namespace noctalis
