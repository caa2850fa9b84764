// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// ClockWindow: the clock window. The LMST on top and, on request, the UT rows
// and the LAST row below it; one right-click menu; a tick once a second.
#pragma once

#include "appcontext.h"
#include "autostartentry.h"
#include "automationobject.h"
#include "clock.h"
#include "facefit.h"
#include "nightvision.h"
#include "observerexchange.h"
#include "ut1.h"

#include <QFont>
#include <QRect>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QTimer;

namespace Ui {
class ClockWindow;
}

namespace noctalis {

class ColorPicker;
class FilePicker;
class FontPicker;
class AlarmEditor;
class ClockSyncMonitor;
class ClockSyncSource;
class SiderealCalculator;
class TonightWindow;
class SecondTicker;
class SiteRows;

class ClockWindow : public QWidget {
    Q_OBJECT

public:
    explicit ClockWindow(AppContext context, QWidget *parent = nullptr);
    ~ClockWindow() override;

    // Start-up: reads the settings, loads the alarm file, creates the engine,
    // styles, lays out and places the window, and starts the tick. Run once,
    // before showing.
    void load();
    // Shows the window to the user: reopened (with its tick) when it was
    // closed, restored when minimised, raised and activated.
    void bringToFront();
    // Time fields of a text, with this window's engine; within a tick, at
    // the tick's reading of the clock.
    QString ExpandTimeFields(const QString &text);
    // The clock as the tick sees it: within a tick every reading gives the
    // tick's own reading. The alarm check reads its "now" here.
    const Clock &tickClock() const { return m_tickClock; }
    // The LMST of the last tick's reading in hours, [0, 24), to the
    // millisecond, DUT1 included: what the face shows, and what the alarm
    // check compares. Throws when the tick could not read the engine.
    double tickLmstHours();
    // The LMST at a reading of UTC between two ticks, hours, [0, 24): the
    // last tick's LMST moved on at the sidereal rate; nothing when the last
    // tick could not read the engine.
    std::optional<double> lmstHoursAt(const QDateTime &reading) const;
    // The LAST as the face's LAST row shows it; while the row is hidden, the
    // text it would show for the last tick's reading.
    QString lastText();

    // Run by the tick when alarms are on and no menu dialog is open; paused
    // by the other ticks.
    void setAlarmCheck(std::function<void()> check, std::function<void()> paused = {});

    // The alarm editor, created on first use and kept while the window lives.
    AlarmEditor &alarmEditor();
    // The calculator, created on first use. A window of its own, without a
    // parent: it stays open when this window closes, and the program ends
    // only when it closes too. Destroyed with this window.
    SiderealCalculator &calculator();
    // The Tonight window, created on first use; like the calculator a window
    // of its own that outlives this one.
    TonightWindow &tonight();
    // How the windows opened from here show the observer location dialog
    // (the real dialog unless told otherwise); set before the first use.
    void setObserverDialogRunner(ObserverDialogRunner runner) { m_observerDialog = std::move(runner); }
    // The file dialogs of the windows opened from here (the platform's file
    // dialogs unless told otherwise); set before the first use.
    void setFilePicker(FilePicker &picker) { m_filePicker = &picker; }
    // The colour and font dialogs of the configuration dialog (the
    // platform's unless told otherwise).
    void setColorPicker(ColorPicker &picker) { m_colorPicker = &picker; }
    void setFontPicker(FontPicker &picker) { m_fontPicker = &picker; }
    // Where the configuration dialog writes the autostart entry (the user's
    // autostart folder unless told otherwise).
    void setAutostartEntry(AutostartEntry entry) { m_autostart = std::move(entry); }
    // Where the tick reads whether the computer's clock is synchronised (the
    // kernel and the system bus unless told otherwise).
    void setClockSyncSource(ClockSyncSource &source);

    automation::Object &engine() { return m_engine; }
    bool displayUT() const { return m_displayUT; }
    bool dialogOpen() const { return m_dialogOpen; }
    void setDialogOpen(bool open) { m_dialogOpen = open; }
    QMenu *optionsMenu() const { return m_mnuOptions; }
    QTimer *timer() const;
    SecondTicker *ticker() const { return m_ticker; }
    QLabel *clockLabel() const;
    QLabel *utHeadingLabel() const;
    QLabel *utClockLabel() const;
    QLabel *lastHeadingLabel() const;
    QLabel *lastClockLabel() const;
    // The mark on the face while the computer's clock is not synchronised.
    QLabel *syncMark() const { return m_syncMark; }
    // The rows of the other sites, top to bottom; none without sites.
    QList<QLabel *> siteLabels() const;

    // Screen and window sizes in twips (1/1440 inch).
    double pixelsToTwips(int pixels) const;
    int twipsToPixels(double twips) const;

    // Applies the shared preferences the configuration dialog sets: the new
    // look, longitude, latitude and topmost switch; the times follow at the
    // next tick.
    void applyConfiguration();

signals:
    // The clock was closed (after the unsaved-alarm question): the program
    // ends with it.
    void closed();
    // applyConfiguration has applied the shared preferences anew.
    void configurationApplied();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void closeFromMenu();
    void minimize();
    void toggleUtRows();
    // Night vision on or off at once, and stored.
    void toggleNightVision();
    // The configuration dialog, then the new look, longitude, latitude and
    // topmost switch applied; alarms are not checked while it is open.
    void showConfiguration();
    // The same from a double-click on the LMST, but alarms go on being
    // checked while the dialog is open.
    void configureFromFace();
    void showCalculator();
    void showTonight();
    void showAlarmEditor();
    void showAbout();
    // The clock filling its screen, digits as large as fit; again, back to
    // the window's normal size and place.
    void toggleFullScreen();

private:
    // The tick, from one reading of the clock's UTC. The window's ticker runs
    // it a few milliseconds after every whole second of UTC; between the
    // ticks it turns the face over with the sidereal second.
    void tick(const QDateTime &reading);
    // Sizes the window around its labels at the configured font; full
    // screen, fills the screen with the face instead.
    void Layout();
    // The face scaled to fill the window as it is now.
    void fitFaceToWindow();
    // What a change of the window's state asks for: a maximised window back
    // to normal, the face fitted to full screen or to the size regained.
    void followWindowState();
    // The rows shown, top to bottom, with their configured fonts.
    QList<FaceRow> faceRows() const;
    // Rows for the sites of the preferences, in the face's look.
    void showSiteRows();
    void buildMenu();
    // Creates the engine; without one the face shows no time and says why.
    void createEngine();
    // With no place stored, the principal city of the computer's zone.
    void placeFirstStart();
    // The other sites of the settings; entries that are no site are told.
    void readSitesSetting();
    // The face's tooltip: the place and longitude in use, and what is wrong.
    void showPlace();
    // The tooltip and the mark after a reading of the clock's synchronisation.
    void showClockSync();
    // The mark in the LMST label's top-right corner, a little smaller than
    // its digits.
    void placeSyncMark();
    void styleLabels();
    // The night look of every window as the preferences ask, and the face
    // styled to go with it.
    void applyNightVision();
    void placeWindow();
    void keepOnScreen();
    // The face shown for a reading between ticks, and how long until it
    // next turns over.
    void turnFace(const QDateTime &reading);
    // Shows an LMST text on the face, and names the row for screen readers.
    void showLmst(const QString &text);
    // The face's LMST, hours, on the top row and every site's row.
    void showFaceLmst(double hours);
    std::optional<int> msecsToNextFaceSecond(const QDateTime &reading) const;
    void popupMenuAtClockFace();
    void applyTopMost(bool topMost);
    // Shows the configuration dialog modally; true when it was confirmed.
    bool showConfigDialog();
    // The screen a window frame lies on.
    QRect screenRect(const QRect &frame) const;

    AppContext m_ctx;
    std::unique_ptr<Ui::ClockWindow> ui;
    automation::Object m_engine;
    HeldClock m_tickClock;
    SecondTicker *m_ticker = nullptr;
    QMenu *m_mnuOptions = nullptr;
    QAction *m_mnuDisplayUT = nullptr;
    QAction *m_mnuFullScreen = nullptr;
    std::unique_ptr<SiteRows> m_siteRows;
    QFont m_designDigitFont;    // the digit rows' font before styling
    QFont m_designHeadingFont;  // the heading rows' font before styling
    QFont m_digitFont;          // the digit rows' configured font
    QFont m_headingFont;        // the heading rows' configured font
    QRect m_normalGeometry;     // the window's place and size before full screen
    QRect m_normalFrame;        // the same with the window manager's frame
    QAction *m_mnuNightVision = nullptr;
    std::function<void()> m_alarmCheck;
    std::function<void()> m_alarmPaused;  // the tick passed without a check
    std::unique_ptr<FilePicker> m_fileDialogs;
    FilePicker *m_filePicker = nullptr;
    std::unique_ptr<ColorPicker> m_colorDialogs;
    ColorPicker *m_colorPicker = nullptr;
    std::unique_ptr<FontPicker> m_fontDialogs;
    FontPicker *m_fontPicker = nullptr;
    ObserverDialogRunner m_observerDialog;
    AutostartEntry m_autostart;
    AlarmEditor *m_formConfigureAlarms = nullptr;
    std::unique_ptr<SiderealCalculator> m_calculator;
    std::unique_ptr<TonightWindow> m_tonight;
    ClockSyncMonitor *m_clockSync = nullptr;
    QLabel *m_syncMark = nullptr;
    NightVision m_nightVision;

    bool m_displayUT = false;
    bool m_dialogOpen = false;
    int m_frameHeight = 0;               // window height minus client height, pixels
    std::optional<int> m_lastMinute;     // minute of the last time-zone refresh; none at first
    Ut1Reading m_ut1{0, 0};              // the engine's UTDate of the last tick, with DUT1
    bool m_placeGuessed = false;         // the place came from the computer's zone
    QString m_engineError;               // why there is no engine; empty when there is one
    std::optional<double> m_engineLmst;  // the engine's LMST for it; none when it could not be read
    std::optional<double> m_faceLmst;    // the LMST the face shows, hours; none before the first
    bool m_inLayout = false;
    bool m_fitWhenFramed = false;  // keep on screen again once the title bar is known
};

}  // namespace noctalis
