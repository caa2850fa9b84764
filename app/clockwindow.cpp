// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "clockwindow.h"

#include "aboutbox.h"
#include "alarmfile.h"
#include "backgroundstep.h"
#include "alarmtable.h"
#include "automationerror.h"
#include "civilzone.h"
#include "observerzone.h"
#include "clock.h"
#include "clocksync.h"
#include "colordialogpicker.h"
#include "filedialogpicker.h"
#include "fontdialogpicker.h"
#include "fontlimits.h"
#include "configdialog.h"
#include "dateorder.h"
#include "alarmeditor.h"
#include "observerdialog.h"
#include "siderealcalculator.h"
#include "tonightwindow.h"
#include "latlng.h"
#include "longitude.h"
#include "messageservice.h"
#include "noctalismodule.h"
#include "numbertext.h"
#include "preferences.h"
#include "secondticker.h"
#include "settingvalues.h"
#include "siterows.h"
#include "timefields.h"
#include "ui_clockwindow.h"
#include "userguide.h"
#include "variant.h"
#include "windowfit.h"
#include "zonehome.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>

namespace noctalis {

namespace {

constexpr double kTwipsPerInch = 1440.0;

QString numberText(float value) { return plainNumberText32(value); }

// A modeless window of the menu: shown (loaded afresh after a close) or
// brought to the front, and the menu returns at once.
void showModeless(QWidget &form)
{
    form.setWindowState(form.windowState() & ~Qt::WindowMinimized);
    form.show();
    form.raise();
    form.activateWindow();
}

}  // namespace

ClockWindow::ClockWindow(AppContext context, QWidget *parent)
    : QWidget(parent),
      m_ctx(context),
      ui(std::make_unique<Ui::ClockWindow>()),
      m_tickClock(context.clock),
      m_fileDialogs(std::make_unique<FileDialogPicker>()),
      m_filePicker(m_fileDialogs.get()),
      m_colorDialogs(std::make_unique<ColorDialogPicker>()),
      m_colorPicker(m_colorDialogs.get()),
      m_fontDialogs(std::make_unique<FontDialogPicker>()),
      m_fontPicker(m_fontDialogs.get())
{
    ui->setupUi(this);
    m_designDigitFont = m_digitFont = ui->LBLClk->font();
    m_designHeadingFont = m_headingFont = ui->LBLUT->font();
    m_siteRows = std::make_unique<SiteRows>(*this, *this);
    addHelpKey(this, QString::fromLatin1(guide::kClock), m_ctx);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    for (QLabel *label : {ui->LBLClk, ui->LBLUT, ui->LBLUTClock, ui->LBLLAST, ui->LBLLASTClock})
        label->installEventFilter(this);
    showLmst(ui->LBLClk->text());
    buildMenu();
    // The observer location dialog of the configuration dialog and the
    // calculator, over the exchange values of the application.
    m_observerDialog = [this](QWidget *parent) {
        ObserverDialog dialog(m_ctx, *m_filePicker, parent);
        dialog.exec();
    };
    m_clockSync = new ClockSyncMonitor(*new SystemClockSyncSource(this), this);
    connect(m_clockSync, &ClockSyncMonitor::statusRead, this, &ClockWindow::showClockSync);
    m_syncMark = new QLabel(QStringLiteral("!"), ui->LBLClk);
    m_syncMark->setObjectName(QStringLiteral("LBLSyncMark"));
    m_syncMark->setAccessibleName(tr("System clock not synchronised"));
    m_syncMark->setAttribute(Qt::WA_TransparentForMouseEvents);  // the face's menu and double-click
    m_syncMark->hide();
    m_ticker = new SecondTicker(
        m_ctx.clock, [this](const QDateTime &reading) { tick(reading); }, this);
    // The face turns over with the sidereal second, between the ticks of UT.
    m_ticker->setBeat([this](const QDateTime &reading) { return msecsToNextFaceSecond(reading); },
                      [this](const QDateTime &reading) { turnFace(reading); });
}

ClockWindow::~ClockWindow() = default;

QTimer *ClockWindow::timer() const { return m_ticker->timer(); }
QLabel *ClockWindow::clockLabel() const { return ui->LBLClk; }
QLabel *ClockWindow::utHeadingLabel() const { return ui->LBLUT; }
QLabel *ClockWindow::utClockLabel() const { return ui->LBLUTClock; }
QLabel *ClockWindow::lastHeadingLabel() const { return ui->LBLLAST; }
QLabel *ClockWindow::lastClockLabel() const { return ui->LBLLASTClock; }
QList<QLabel *> ClockWindow::siteLabels() const { return m_siteRows->labels(); }

void ClockWindow::setClockSyncSource(ClockSyncSource &source) { m_clockSync->setSource(source); }

void ClockWindow::buildMenu()
{
    m_mnuOptions = new QMenu(this);
    m_mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    auto add = [this](const char *name, const QString &caption, void (ClockWindow::*handler)()) {
        QAction *action = m_mnuOptions->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QAction *closeEntry = add("mnuClose", tr("&Close"), &ClockWindow::closeFromMenu);
    // The platform's Quit keys (Ctrl+Q where it names none) close the clock
    // from its window too.
    QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (quitKeys.isEmpty())
        quitKeys << QKeySequence(Qt::CTRL | Qt::Key_Q);
    closeEntry->setShortcuts(quitKeys);
    addAction(closeEntry);
    add("mnuMinimize", tr("&Minimize"), &ClockWindow::minimize);
    m_mnuDisplayUT = add("mnuDisplayUT", tr("Display &UT"), &ClockWindow::toggleUtRows);
    m_mnuDisplayUT->setCheckable(true);
    m_mnuFullScreen = add("mnuFullScreen", tr("&Full Screen"), &ClockWindow::toggleFullScreen);
    m_mnuFullScreen->setCheckable(true);
    m_mnuFullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    addAction(m_mnuFullScreen);
    m_mnuNightVision = add("mnuNightVision", tr("&Night Vision"), &ClockWindow::toggleNightVision);
    m_mnuNightVision->setCheckable(true);
    add("mnuConfig", tr("C&onfigure"), &ClockWindow::showConfiguration);
    add("mnuCalculator", tr("Ca&lculator"), &ClockWindow::showCalculator);
    add("mnuTonight", tr("&Tonight"), &ClockWindow::showTonight);
    add("mnuAlarms", tr("&Alarms"), &ClockWindow::showAlarmEditor);
    add("mnuAbout", tr("A&bout"), &ClockWindow::showAbout);
}

double ClockWindow::pixelsToTwips(int pixels) const
{
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    const double dpi = s ? s->logicalDotsPerInchX() : 96.0;
    return pixels * kTwipsPerInch / (dpi > 0 ? dpi : 96.0);
}

int ClockWindow::twipsToPixels(double twips) const { return int(std::lround(twips / pixelsToTwips(1))); }

void ClockWindow::load()
{
    Preferences &p = m_ctx.prefs;
    const SettingsStore &s = m_ctx.settings;

    runStep(lcClock, "clear the alarm table", [&] { m_ctx.alarms.clear(); });
    runStep(lcClock, "load the alarm file", [&] {
        p.AlarmFile = readTextSetting(s, QStringLiteral("AlarmFile"), QString());
        if (!p.AlarmFile.isEmpty())
            LoadAlarmFile(p.AlarmFile, m_ctx.alarms, m_ctx.messages);
    });
    createEngine();
    runStep(lcClock, "read DetectTZ",
            [&] { p.DetectTZ = readBooleanSetting(s, QStringLiteral("DetectTZ"), QStringLiteral("True")); });
    runStep(lcClock, "read StartUp",
            [&] { p.StartUp = readBooleanSetting(s, QStringLiteral("StartUp"), QStringLiteral("False")); });
    runStep(lcClock, "read AlarmsEnabled",
            [&] { p.AlarmsEnabled = readBooleanSetting(s, QStringLiteral("AlarmsEnabled"), QStringLiteral("False")); });
    runStep(lcClock, "read TZID", [&] { p.ZoneId = readTextSetting(s, QStringLiteral("TZID"), QString()); });
    runStep(lcClock, "read the time zone", [&] {
        // The offset in force now, fractions of an hour included; the
        // stored hours only for a fixed zone.
        p.TZ = followsZone(p) ? observerZone(p, m_ctx.clock).offsetHoursAt(m_ctx.clock.utcNowMs())
                              : readTimeZoneSetting(s, m_ctx.messages);
    });
    runStep(lcClock, "read Place", [&] { p.Place = readTextSetting(s, QStringLiteral("Place"), QString()); });
    runStep(lcClock, "read DisplayWest",
            [&] { p.DisplayWest = readBooleanSetting(s, QStringLiteral("DisplayWest"), QStringLiteral("True")); });
    runStep(lcClock, "read LNG", [&] {
        p.LNG = ParseStoredLongitude(readTextSetting(s, QStringLiteral("LNG"), QStringLiteral("0")), m_ctx.messages);
    });
    runStep(lcClock, "read LAT", [&] {
        QString lat = readTextSetting(s, QStringLiteral("LAT"), QStringLiteral("0"));
        p.LAT = ParseLatitude(lat);
    });
    runStep(lcClock, "convert the longitude to west", [&] {
        p.LNG = float(Longitude::fromShown(p.LNG, p.DisplayWest).west());
        // A stored longitude beyond 0..360 (a negative west or east text) is
        // the same meridian taken round the circle; the engine would refuse it
        // and go on with longitude 0.
        p.LNG = WrapWestLongitude(p.LNG);
    });
    runStep(lcClock, "place a first start", [&] { placeFirstStart(); });
    if (!m_engine.isEmpty())  // else "create the engine" said why
        runStep(lcClock, "hand LNG to the engine", [&] { m_engine.set(QStringLiteral("LNG"), double(p.LNG)); });
    runStep(lcClock, "read colours and font", [&] {
        p.BkColor = colorFromSetting(readNumberSetting(s, QStringLiteral("BkColor"), QStringLiteral("&HFFFFFF")));
        p.DigitColor = colorFromSetting(readNumberSetting(s, QStringLiteral("DigitColor"), QStringLiteral("0")));
        p.FontName = readTextSetting(s, QStringLiteral("FontName"), QStringLiteral("Arial"));
        p.FontBold = readBooleanSetting(s, QStringLiteral("FontBold"), QStringLiteral("True"));
        p.FontSize = clampClockFontPoints(readNumberSetting(s, QStringLiteral("FontSize"), QStringLiteral("20")));
    });
    runStep(lcClock, "read TopMost and DateFormat", [&] {
        p.TopMost = readBooleanSetting(s, QStringLiteral("TopMost"), QStringLiteral("True"));
        // Without a stored order, the one the user's language writes.
        p.DateFormat = readTextSetting(s, QStringLiteral("DateFormat"), defaultDateFormat());
    });
    runStep(lcClock, "read NightVision and NightDim", [&] {
        p.NightVision = readBooleanSetting(s, QStringLiteral("NightVision"), QStringLiteral("False"));
        const double dim = readNumberSetting(s, QStringLiteral("NightDim"), QString::number(kNightDimDefaultPercent));
        p.NightDim = int(std::lround(std::clamp(dim, double(kNightDimMinPercent), double(kNightDimMaxPercent))));
    });
    runStep(lcClock, "style the labels", [&] { applyNightVision(); });
    runStep(lcClock, "read DisplayUT", [&] {
        m_displayUT = readBooleanSetting(s, QStringLiteral("DisplayUT"), QStringLiteral("False"));
        m_mnuDisplayUT->setChecked(m_displayUT);
    });
    runStep(lcClock, "read DisplayLAST",
            [&] { p.DisplayLAST = readBooleanSetting(s, QStringLiteral("DisplayLAST"), QStringLiteral("False")); });
    runStep(lcClock, "read DUT1", [&] { p.DUT1 = readDut1Setting(s); });
    runStep(lcClock, "read Sites", [&] { readSitesSetting(); });
    runStep(lcClock, "show the sites", [&] { showSiteRows(); });
    runStep(lcClock, "lay out the window", [&] { Layout(); });
    runStep(lcClock, "place the window", [&] { placeWindow(); });
    runStep(lcClock, "keep the window on its screen", [&] { keepOnScreen(); });
    m_fitWhenFramed = true;
    runStep(lcClock, "apply the topmost switch", [&] { applyTopMost(p.TopMost); });
    showPlace();
    m_ticker->start();
}

void ClockWindow::createEngine()
{
    const std::optional<QString> error =
        failureOf([&] { m_engine = automation::Object::createOrThrow(m_ctx.engineProgId); });
    if (!error)
        return;
    // No engine, no sidereal time: the face shows none rather than a
    // frozen one, and says why once.
    m_engineError = *error;
    qCWarning(lcClock).noquote() << "No sidereal time: the astronomy engine" << m_ctx.engineProgId
                                 << "could not be created:" << *error;
    showLmst(tr("--:--:--"));
    ui->LBLLASTClock->setText(tr("--:--:--"));
    m_ctx.messages.show(tr("The astronomy engine could not be loaded, so the clock cannot show sidereal time.")
                            + QStringLiteral("\r\n\r\n") + *error,
                        programTitle());
}

void ClockWindow::readSitesSetting()
{
    const SitesReading reading = readSites(readTextSetting(m_ctx.settings, QStringLiteral("Sites"), QString()));
    m_ctx.prefs.Sites = reading.sites;
    if (!reading.refused.isEmpty())
        m_ctx.messages.show(tr("These sites of the settings could not be read and are left out:") + QStringLiteral("\n")
                                + reading.refused.join(QLatin1Char('\n')),
                            tr("Sites"));
}

void ClockWindow::placeFirstStart()
{
    Preferences &p = m_ctx.prefs;
    if (m_ctx.settings.contains(settingsSection(), QStringLiteral("LNG")))
        return;
    // No place stored yet: the principal city of the computer's zone is a
    // better first guess than Greenwich, except for UTC itself.
    const QString zoneId = QString::fromUtf8(m_ctx.clock.systemZone().id());
    const std::optional<ZoneHome> home = zoneHome(zoneId);
    if (!home) {
        p.Place = tr("Greenwich");
        return;
    }
    p.LNG = float(home->lngWestDeg);
    p.LAT = float(home->latDeg);
    p.Place = home->name;
    m_placeGuessed = true;
    qCInfo(lcClock).noquote() << "First start: placed at" << home->name << "by the time zone" << zoneId;
}

void ClockWindow::showPlace()
{
    const Preferences &p = m_ctx.prefs;
    const QString shown =
        withShownPoint(FormatLongitude(Longitude::wrapped(Longitude(p.LNG).shown(p.DisplayWest)).west()));
    const QString lng = p.DisplayWest ? tr("%1 W").arg(shown) : tr("%1 E").arg(shown);
    QString tip = tr("Right Click Clock Face for Menu.") + QLatin1Char('\n')
                  + tr("LMST of %1, longitude %2").arg(p.Place.isEmpty() ? tr("the observer") : p.Place, lng);
    if (m_placeGuessed)
        tip += QLatin1Char('\n') + tr("Placed by the computer's time zone; choose your place under Configure.");
    if (!m_engineError.isEmpty())
        tip += QLatin1Char('\n')
               + tr("No sidereal time: the astronomy engine could not be loaded (%1).").arg(m_engineError);
    if (const QString sync = m_clockSync->statusLine(m_tickClock.utcNowMs()); !sync.isEmpty())
        tip += QLatin1Char('\n') + sync;
    ui->LBLClk->setToolTip(tip);
    m_syncMark->setToolTip(tip);
}

void ClockWindow::showClockSync()
{
    showPlace();
    m_syncMark->setVisible(m_clockSync->status().state == ClockSyncState::NotSynchronised);
    placeSyncMark();
}

void ClockWindow::placeSyncMark()
{
    QFont font = ui->LBLClk->font();
    font.setPointSizeF(std::max(6.0, font.pointSizeF() * 0.45));
    m_syncMark->setFont(font);
    m_syncMark->adjustSize();
    m_syncMark->move(ui->LBLClk->width() - m_syncMark->width(), 0);
}

void ClockWindow::applyNightVision()
{
    const Preferences &p = m_ctx.prefs;
    runStep(lcClock, "apply night vision", [&] { m_nightVision.apply(p.NightVision); });
    m_mnuNightVision->setChecked(p.NightVision);
    styleLabels();
}

void ClockWindow::styleLabels()
{
    const Preferences &p = m_ctx.prefs;
    // At night the stored colours give way to dimmed red on black; they
    // come back by day.
    const QColor back = p.NightVision ? NightVision::faceBackground() : p.BkColor;
    const QColor digits = p.NightVision ? NightVision::faceDigits(p.NightDim) : p.DigitColor;
    const QString face = p.FontName;
    const double size = clampClockFontPoints(p.FontSize);
    const bool bold = p.FontBold;

    for (QLabel *label : {ui->LBLClk, ui->LBLUT, ui->LBLUTClock, ui->LBLLAST, ui->LBLLASTClock}) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, back);
        pal.setColor(QPalette::WindowText, digits);
        label->setPalette(pal);
    }
    m_digitFont = m_designDigitFont;
    m_digitFont.setFamily(face);
    if (size > 0)
        m_digitFont.setPointSizeF(size);
    m_digitFont.setBold(bold);
    for (QLabel *label : {ui->LBLClk, ui->LBLUTClock, ui->LBLLASTClock})
        label->setFont(m_digitFont);
    m_headingFont = m_designHeadingFont;
    m_headingFont.setFamily(face);
    if (size > 0)
        m_headingFont.setPointSizeF(size * 0.6);
    ui->LBLUT->setFont(m_headingFont);
    ui->LBLLAST->setFont(m_headingFont);
    m_siteRows->style(ui->LBLUT->palette(), m_headingFont, ui->LBLUTClock->toolTip());
}

void ClockWindow::showSiteRows()
{
    m_siteRows->setSites(m_ctx.prefs.Sites);
    m_siteRows->showTimes(m_engine.isEmpty() ? std::nullopt : m_faceLmst, m_ctx.prefs.LNG);
}

QList<FaceRow> ClockWindow::faceRows() const
{
    QList<FaceRow> rows{{ui->LBLClk, m_digitFont, {}}};
    if (m_displayUT)
        rows << FaceRow{ui->LBLUT, m_headingFont, {}} << FaceRow{ui->LBLUTClock, m_digitFont, {}};
    if (m_ctx.prefs.DisplayLAST)
        rows << FaceRow{ui->LBLLAST, m_headingFont, {}} << FaceRow{ui->LBLLASTClock, m_digitFont, {}};
    for (int row = 0; row < m_siteRows->labels().size(); ++row)
        rows << FaceRow{m_siteRows->labels()[row], m_headingFont, m_siteRows->widestText(row)};
    return rows;
}

void ClockWindow::Layout()
{
    if (m_inLayout)
        return;
    m_inLayout = true;
    runStep(lcClock, "lay out the window", [&] {
        if (isMaximized()) {
            showNormal();  // the state change lays the window out again
            return;
        }
        m_frameHeight = frameGeometry().height() - height();
        if (isMinimized())
            return;
        ui->LBLUT->setVisible(m_displayUT);
        ui->LBLUTClock->setVisible(m_displayUT);
        ui->LBLLAST->setVisible(m_ctx.prefs.DisplayLAST);
        ui->LBLLASTClock->setVisible(m_ctx.prefs.DisplayLAST);
        const QList<FaceRow> rows = faceRows();
        if (isFullScreen()) {
            fitFace(rows, size());
            return;
        }
        // The rows at their configured font, one below the other, and the
        // window around them; dragged larger or smaller, the digits follow,
        // down to the smallest font the clock takes.
        const QSize natural = naturalFaceSize(rows);
        const double points = m_digitFont.pointSizeF();
        const double smallest = points > kMinClockFontPoints ? kMinClockFontPoints / points : 1.0;
        setMinimumSize(int(std::ceil(natural.width() * smallest)), int(std::ceil(natural.height() * smallest)));
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(natural);
        fitFace(rows, natural);
    });
    m_inLayout = false;
}

void ClockWindow::fitFaceToWindow()
{
    if (m_inLayout || isMinimized())
        return;
    runStep(lcClock, "fit the face to the window", [&] { fitFace(faceRows(), size()); });
}

void ClockWindow::followWindowState()
{
    m_mnuFullScreen->setChecked(isFullScreen());
    if (isMaximized() || isMinimized()) {
        Layout();  // a maximised window goes back to normal
        return;
    }
    if (!isFullScreen() && m_normalGeometry.isValid()) {
        // Back from full screen: the place and size the window had.
        if (geometry() != m_normalGeometry)
            setGeometry(m_normalGeometry);
        m_normalGeometry = m_normalFrame = QRect();
    }
    fitFaceToWindow();
}

void ClockWindow::toggleFullScreen()
{
    runStep(lcClock, "toggle full screen", [&] {
        if (isFullScreen()) {
            showNormal();  // the state change puts the window back (followWindowState)
        } else {
            m_normalGeometry = geometry();
            m_normalFrame = frameGeometry();
            showFullScreen();
        }
    });
    m_mnuFullScreen->setChecked(isFullScreen());
}

QRect ClockWindow::screenRect(const QRect &frame) const
{
    const QScreen *s = QGuiApplication::screenAt(frame.topLeft());
    if (!s)
        s = QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect(0, 0, 1024, 768);
}

void ClockWindow::placeWindow()
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    const QRect primaryRect = primary ? primary->geometry() : QRect(0, 0, 1024, 768);
    const float halfWidth = float(pixelsToTwips(primaryRect.width())) / 2;
    const float halfHeight = float(pixelsToTwips(primaryRect.height())) / 2;
    const double x = readNumberSetting(m_ctx.settings, QStringLiteral("Left"), numberText(halfWidth));
    const double y = readNumberSetting(m_ctx.settings, QStringLiteral("Top"), numberText(halfHeight));

    // The stored position is tested against the screen it falls on; one that
    // falls on no screen is out of range.
    const QScreen *target = QGuiApplication::screenAt(QPoint(twipsToPixels(x), twipsToPixels(y)));
    const QRect r = target ? target->geometry() : QRect();
    const double left = pixelsToTwips(r.left());
    const double top = pixelsToTwips(r.top());
    const double right = pixelsToTwips(r.left() + r.width());
    const double bottom = pixelsToTwips(r.top() + r.height());
    const double windowWidth = pixelsToTwips(frameGeometry().width());
    const double windowHeight = pixelsToTwips(frameGeometry().height());

    const bool xOk = target && x > left && x <= right - windowWidth;
    const bool yOk = target && y > top && y <= bottom - (windowHeight + 100);
    move(xOk ? twipsToPixels(x) : primaryRect.left() + twipsToPixels(halfWidth),
         yOk ? twipsToPixels(y) : primaryRect.top() + twipsToPixels(halfHeight));
}

void ClockWindow::keepOnScreen()
{
    // A big clock placed at the middle of the screen, or at a stored place
    // near its edges, is moved back so that its right and bottom edges are on
    // the screen it starts on; its top-left corner never leaves that screen.
    const QRect frame = frameGeometry();
    const QScreen *s = QGuiApplication::screenAt(frame.topLeft());
    if (!s)
        s = QGuiApplication::primaryScreen();
    if (!s)
        return;
    const QPoint kept = clampFrame(frame, s->availableGeometry()).topLeft();
    if (kept != frame.topLeft())
        move(kept);
}

void ClockWindow::applyTopMost(bool topMost)
{
    if (!isVisible() || !windowHandle()) {
        setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
        return;
    }
    // On a shown window, change the window's own flag: no move, no resize,
    // no activation.
    windowHandle()->setFlag(Qt::WindowStaysOnTopHint, topMost);
}

void ClockWindow::tick(const QDateTime &reading)
{
    // Every value of this tick comes from this one reading of UTC: the
    // zone's minute, UT, the engine's UTDate, the alarm check's "now" and
    // the time fields of the notices it opens.
    m_tickClock.hold(reading);
    const auto release = qScopeGuard([this] { m_tickClock.release(); });

    Preferences &p = m_ctx.prefs;
    runStep(lcClock, "refresh the time zone", [&] {
        if (!followsZone(p))
            return;
        const int minute = reading.time().minute();
        if (minute != m_lastMinute.value_or(0)) {  // none counts as minute 0
            p.TZ = observerZone(p, m_ctx.clock).offsetHoursAt(reading);
            m_lastMinute = minute;
        }
    });
    p.CurrentUT = wholeSecond(reading);
    ui->LBLUTClock->setText(p.CurrentUT->toString(QStringLiteral("HH:mm:ss")));
    // Without an engine there is no LMST; start-up said why, and the
    // engine's steps are not tried at every tick.
    const bool engine = !m_engine.isEmpty();
    m_engineLmst.reset();
    runStep(lcClock, "read the LMST", [&] {
        if (!engine)
            return;
        m_ut1 = Ut1Reading(automation::toAutomationDate(reading), p.DUT1);  // UT1 to the millisecond
        m_engine.set(QStringLiteral("UTDate"), automation::dateValue(m_ut1.engineUtDate));
        m_engineLmst = automation::toDouble(m_engine.get(QStringLiteral("lmst")));
    });
    if (m_engineLmst)
        showFaceLmst(m_ut1.sidereal(*m_engineLmst));
    runStep(lcClock, "show the LAST", [&] {
        if (m_engineLmst && p.DisplayLAST)
            ui->LBLLASTClock->setText(
                FormatHoursHMS(m_ut1.sidereal(automation::toDouble(m_engine.get(QStringLiteral("LAST"))))));
    });
    runStep(lcClock, "set the window caption",
            [&] { setWindowTitle(isMinimized() ? ui->LBLClk->text() : tr("LMST")); });
    runStep(lcClock, "check the alarms", [&] {
        if (p.AlarmsEnabled && !m_dialogOpen && m_alarmCheck)
            m_alarmCheck();
        else if (m_alarmPaused)
            m_alarmPaused();
    });
    // After the window is shown, never at start-up; once a minute at most.
    m_clockSync->poll(reading);
}

void ClockWindow::showFaceLmst(double hours)
{
    m_faceLmst = hours;
    showLmst(FormatHoursHMS(hours));
    m_siteRows->showTimes(hours, m_ctx.prefs.LNG);
}

void ClockWindow::showLmst(const QString &text)
{
    ui->LBLClk->setText(text);
    // The UT and LAST rows have a caption of their own beside their time; the
    // LMST row has none on the face, so a screen reader hears it in the name.
    ui->LBLClk->setAccessibleName(tr("LMST %1").arg(text));
}

std::optional<double> ClockWindow::lmstHoursAt(const QDateTime &reading) const
{
    if (!m_engineLmst)
        return std::nullopt;
    // The engine's LMST of the tick's second, moved on to the reading: the
    // LMST runs on linearly between ticks.
    const double utSeconds = (automation::toAutomationDate(reading) - m_ut1.engineUtDate) * 86400 + m_ctx.prefs.DUT1;
    const double hours = std::fmod(*m_engineLmst + utSeconds * kSiderealSecondsPerUtSecond / 3600, 24.0);
    return hours < 0 ? hours + 24 : hours;
}

QString ClockWindow::lastText()
{
    QString text = ui->LBLLASTClock->text();
    if (m_ctx.prefs.DisplayLAST || !m_engineLmst)
        return text;
    // The tick reads no LAST for a hidden row: the engine's LAST for the
    // tick's UT1, as the tick would show it.
    runStep(lcClock, "read the LAST", [&] {
        m_engine.set(QStringLiteral("UTDate"), automation::dateValue(m_ut1.engineUtDate));
        text = FormatHoursHMS(m_ut1.sidereal(automation::toDouble(m_engine.get(QStringLiteral("LAST")))));
    });
    return text;
}

void ClockWindow::turnFace(const QDateTime &reading)
{
    if (const std::optional<double> lmst = lmstHoursAt(reading)) {
        showFaceLmst(*lmst);
        if (isMinimized())
            setWindowTitle(ui->LBLClk->text());
    }
}

std::optional<int> ClockWindow::msecsToNextFaceSecond(const QDateTime &reading) const
{
    const std::optional<double> lmst = lmstHoursAt(reading);
    if (!lmst)
        return std::nullopt;
    return msecsToNextSiderealSecond(*lmst);
}

QString ClockWindow::ExpandTimeFields(const QString &text)
{
    return noctalis::ExpandTimeFields(text, TimeFieldSource{m_engine, m_tickClock, m_ctx.prefs.DUT1});
}

double ClockWindow::tickLmstHours()
{
    if (!m_engineLmst)
        throw automation::AutomationError(automation::kObjectNotSet);
    return m_ut1.sidereal(*m_engineLmst);
}

void ClockWindow::setAlarmCheck(std::function<void()> check, std::function<void()> paused)
{
    m_alarmCheck = std::move(check);
    m_alarmPaused = std::move(paused);
}

void ClockWindow::closeFromMenu() { close(); }

void ClockWindow::minimize() { setWindowState(windowState() | Qt::WindowMinimized); }

void ClockWindow::toggleUtRows()
{
    m_displayUT = !m_displayUT;
    m_mnuDisplayUT->setChecked(m_displayUT);
    runStep(lcClock, "store DisplayUT",
            [&] { writeSetting(m_ctx.settings, QStringLiteral("DisplayUT"), booleanText(m_displayUT)); });
    Layout();
}

void ClockWindow::toggleNightVision()
{
    Preferences &p = m_ctx.prefs;
    p.NightVision = !p.NightVision;
    runStep(lcClock, "store NightVision",
            [&] { writeSetting(m_ctx.settings, QStringLiteral("NightVision"), booleanText(p.NightVision)); });
    runStep(lcClock, "style the labels", [&] { applyNightVision(); });
}

bool ClockWindow::showConfigDialog()
{
    ConfigDialog::Openers openers{
        *m_colorPicker,
        *m_fontPicker,
        m_observerDialog,
        [this](QWidget *) { runStep(lcClock, "show the alarm editor", [&] { alarmEditor().exec(); }); },
        [this](QWidget *parent) {
            AboutBox box(m_ctx, parent);
            box.exec();
        },
        m_autostart,
        autostartProgram(QCoreApplication::applicationFilePath()),
    };
    ConfigDialog dialog(m_ctx, std::move(openers), this);
    dialog.exec();
    return !m_ctx.prefs.ConfigCancelled;
}

void ClockWindow::applyConfiguration()
{
    const Preferences &p = m_ctx.prefs;
    runStep(lcClock, "style the labels", [&] { applyNightVision(); });
    runStep(lcClock, "hand LNG to the engine", [&] { m_engine.set(QStringLiteral("LNG"), double(p.LNG)); });
    runStep(lcClock, "hand LAT to the engine", [&] { m_engine.set(QStringLiteral("LAT"), double(p.LAT)); });
    runStep(lcClock, "apply the topmost switch", [&] { applyTopMost(p.TopMost); });
    m_lastMinute.reset();  // the zone may be another one: read it at the next tick
    m_placeGuessed = false;
    showPlace();
    runStep(lcClock, "show the sites", [&] { showSiteRows(); });
    Layout();
    emit configurationApplied();
}

void ClockWindow::showConfiguration()
{
    // The tick leaves the alarms alone while the dialog is on screen.
    m_dialogOpen = true;
    if (showConfigDialog())
        applyConfiguration();
    m_dialogOpen = false;
}

void ClockWindow::configureFromFace()
{
    if (showConfigDialog())
        applyConfiguration();
}

AlarmEditor &ClockWindow::alarmEditor()
{
    if (!m_formConfigureAlarms) {
        m_formConfigureAlarms =
            new AlarmEditor(m_ctx.alarms, m_ctx.prefs, m_ctx.settings, m_ctx.messages, *m_filePicker, this);
        addHelpKey(m_formConfigureAlarms, QString::fromLatin1(guide::kAlarms), m_ctx);
    }
    return *m_formConfigureAlarms;
}

SiderealCalculator &ClockWindow::calculator()
{
    if (!m_calculator) {
        m_calculator = std::make_unique<SiderealCalculator>(m_ctx, m_observerDialog);
        fitOnFirstShow(*m_calculator, this, Placement::Beside);
    }
    return *m_calculator;
}

void ClockWindow::showCalculator()
{
    runStep(lcClock, "show the calculator", [&] { showModeless(calculator()); });
}

TonightWindow &ClockWindow::tonight()
{
    if (!m_tonight) {
        m_tonight = std::make_unique<TonightWindow>(m_ctx);
        fitOnFirstShow(*m_tonight, this);
    }
    return *m_tonight;
}

void ClockWindow::showTonight()
{
    runStep(lcClock, "show the Tonight window", [&] { showModeless(tonight()); });
}

void ClockWindow::showAlarmEditor()
{
    // The tick leaves the alarms alone while the editor is on screen.
    m_dialogOpen = true;
    runStep(lcClock, "show the alarm editor", [&] { alarmEditor().exec(); });
    m_dialogOpen = false;
}

void ClockWindow::showAbout()
{
    AboutBox box(m_ctx, this);
    box.exec();
}

void ClockWindow::closeEvent(QCloseEvent *event)
{
    // Alarms added or changed and not saved (in the editor or from
    // Tonight) are offered a save; Cancel keeps the clock running.
    if (m_ctx.alarms.isModified() && !alarmEditor().mayDiscardChanges()) {
        event->ignore();
        return;
    }
    runStep(lcClock, "store the window position", [&] {
        if (isMinimized() || isMaximized())
            return;
        // Full screen, the place kept is the one the window goes back to.
        QRect frame = frameGeometry();
        if (isFullScreen())
            frame = m_normalFrame.isValid() ? m_normalFrame : normalGeometry();
        const QRect screenArea = screenRect(frame);
        const float spareWidth = float(pixelsToTwips(screenArea.x() + screenArea.width() - frame.width()));
        const double left = pixelsToTwips(frame.x());
        if (spareWidth >= left && left >= pixelsToTwips(screenArea.x()))
            writeSetting(m_ctx.settings, QStringLiteral("Left"), numberText(float(left)));
        const double spareHeight = pixelsToTwips(screenArea.y() + screenArea.height() - frame.height());
        const double top = pixelsToTwips(frame.y());
        if (spareHeight > top && pixelsToTwips(frame.height()) > 100)
            writeSetting(m_ctx.settings, QStringLiteral("Top"), numberText(float(top)));
    });
    m_ticker->stop();  // with the window gone, its tick stops
    // The windows opened from the clock go with it.
    if (m_calculator)
        m_calculator->close();
    if (m_tonight)
        m_tonight->close();
    event->accept();
    emit closed();
}

void ClockWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        QTimer::singleShot(0, this, &ClockWindow::followWindowState);
}

void ClockWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitFaceToWindow();
}

void ClockWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // The window manager's title bar and borders are known once it has
    // framed the window: the whole frame is kept on the screen, once.
    if (m_fitWhenFramed && frameGeometry() != geometry()) {
        m_fitWhenFramed = false;
        runStep(lcClock, "keep the framed window on its screen", [&] { keepOnScreen(); });
    }
}

void ClockWindow::paintEvent(QPaintEvent *)
{
    // Around a face scaled to a window of another shape, the face's
    // background.
    QPainter(this).fillRect(rect(), ui->LBLClk->palette().color(QPalette::Window));
}

void ClockWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        m_mnuOptions->popup(event->globalPosition().toPoint());
    QWidget::mousePressEvent(event);
}

void ClockWindow::popupMenuAtClockFace() { m_mnuOptions->popup(ui->LBLClk->mapToGlobal(ui->LBLClk->rect().center())); }

void ClockWindow::keyPressEvent(QKeyEvent *event)
{
    // The menu key and Shift+F10 open the menu, as in every desktop program.
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (event->key() == Qt::Key_Menu || shiftF10) {
        popupMenuAtClockFace();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && isFullScreen()) {
        toggleFullScreen();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ClockWindow::contextMenuEvent(QContextMenuEvent *event)
{
    // The platform's own menu request: from the keyboard at the clock face;
    // the mouse opens the menu on its press already.
    if (event->reason() == QContextMenuEvent::Keyboard)
        popupMenuAtClockFace();
    event->accept();
}

void ClockWindow::bringToFront()
{
    if (!isVisible()) {
        show();
        m_ticker->start();
    }
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

bool ClockWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->LBLClk && m_syncMark && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange))
        placeSyncMark();
    if (event->type() == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            m_mnuOptions->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick && watched == ui->LBLClk
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        configureFromFace();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace noctalis
