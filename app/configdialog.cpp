// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "configdialog.h"

#include "backgroundstep.h"
#include "civilzone.h"
#include "observerzone.h"
#include "clock.h"
#include "colorpicker.h"
#include "fontpicker.h"
#include "latlng.h"
#include "longitude.h"
#include "messageservice.h"
#include "noctalismodule.h"
#include "numbertext.h"
#include "preferences.h"
#include "settingsstore.h"
#include "settingvalues.h"
#include "siteseditor.h"
#include "strictinput.h"
#include "windowfit.h"
#include "ui_configdialog.h"
#include "userguide.h"
#include "variant.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>

#include <cmath>

namespace noctalis {

namespace {

const QString kMonthFirst = QStringLiteral("MM/DD/YYYY");
const QString kDayFirst = QStringLiteral("DD/MM/YYYY");

// The system's zone now, hours east of UT, to the minute (UT+5:30 gives 5.5).
double systemZoneHours(const Clock &clock) { return clock.zoneOffsetSeconds() / 3600.0; }

QString colorText(const QColor &color) { return QString::number(qint64(settingFromColor(color))); }

// The "LNG" setting of a longitude typed in the dialog's sense: the text as
// typed when the start-up reader takes it to the same meridian, else the
// longitude in the dialog's own form ("10 E" in a west box is stored as
// "350:00:00.0").
QString storedLongitudeText(const QString &typed, double lngWestDeg, bool displayWest)
{
    // Less than the tenth of an arc-second the dialog shows.
    constexpr double kSameMeridianDeg = 1e-5;
    if (const std::optional<float> stored = StoredLongitudeValue(typed)) {
        const double west = WrapWestLongitude(float(Longitude::fromShown(*stored, displayWest).west()));
        const double apart = std::fabs(std::remainder(west - lngWestDeg, 360.0));
        if (apart <= kSameMeridianDeg)
            return typed;
    }
    return withShownPoint(FormatLongitude(Longitude(lngWestDeg).shown(displayWest)));
}

}  // namespace

ConfigDialog::ConfigDialog(const AppContext &context, Openers openers, QWidget *parent)
    : QDialog(parent), m_ctx(context), m_openers(std::move(openers)), ui(std::make_unique<Ui::ConfigDialog>())
{
    ui->setupUi(this);
    fitOnFirstShow(*this);  // on the screen of the window it opens over, wholly
    addHelpKey(this, QString::fromLatin1(guide::kSettings), m_ctx);
    for (QLabel *swatch : {ui->LBLBackcolor, ui->LBLforecolor})
        swatch->installEventFilter(this);

    connect(ui->cmdEW, &QPushButton::clicked, this, &ConfigDialog::flipLongitudeSense);
    connect(ui->chkDetectTZ, &QCheckBox::toggled, this, &ConfigDialog::detectZoneToggled);
    connect(ui->cmdFont, &QPushButton::clicked, this, &ConfigDialog::pickFont);
    connect(ui->cmdMap, &QPushButton::clicked, this, &ConfigDialog::showObserverDialog);
    connect(ui->cmdAlarms, &QPushButton::clicked, this, &ConfigDialog::showAlarmEditor);
    connect(ui->cmdSites, &QPushButton::clicked, this, &ConfigDialog::showSitesEditor);
    connect(ui->cmdAbout, &QPushButton::clicked, this, &ConfigDialog::showAbout);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &ConfigDialog::cancel);
    connect(ui->cmdUpdate, &QPushButton::clicked, this, &ConfigDialog::confirm);
    // Hours typed by hand are a fixed zone; a longitude typed by hand is no
    // longer the named place.
    connect(ui->TxtTZ, &QLineEdit::textEdited, this, [this] { showZone(QString()); });
    connect(ui->TxtLng, &QLineEdit::textEdited, this, [this] { m_place.clear(); });
    load();
}

ConfigDialog::~ConfigDialog() = default;

void ConfigDialog::load()
{
    Preferences &p = m_ctx.prefs;
    p.DisplayWest = readBooleanSetting(m_ctx.settings, QStringLiteral("DisplayWest"), QStringLiteral("True"));
    m_lat = p.LAT;
    LoadParams();
}

void ConfigDialog::LoadParams()
{
    const Preferences &p = m_ctx.prefs;
    (p.DateFormat == kMonthFirst ? ui->OptMMDDYYYY : ui->OptDDMMYYYY)->setChecked(true);
    m_displayWest = p.DisplayWest;
    m_lng = p.LNG;
    m_place = p.Place;
    m_sites = p.Sites;
    showZone(p.DetectTZ ? QString() : p.ZoneId);
    paintSwatch(ui->LBLBackcolor, p.BkColor);
    paintSwatch(ui->LBLforecolor, p.DigitColor);
    ui->TxtTZ->setText(shownNumberText(p.TZ));
    ui->chkDetectTZ->setChecked(p.DetectTZ);  // ticking fills and locks TxtTZ
    ui->cmdEW->setText(m_displayWest ? tr("W") : tr("E"));
    DisplayLongitude();
    ui->chkAlarm->setChecked(p.AlarmsEnabled);
    ui->chkTopMost->setChecked(p.TopMost);
    ui->chkAutoStart->setChecked(p.StartUp);
    ui->chkDisplayLAST->setChecked(p.DisplayLAST);
    ui->TxtDUT1->setText(shownNumberText(p.DUT1));
    ui->chkNightVision->setChecked(p.NightVision);
    ui->spnNightDim->setRange(kNightDimMinPercent, kNightDimMaxPercent);
    ui->spnNightDim->setValue(p.NightDim);
}

void ConfigDialog::showZone(const QString &zoneId)
{
    m_zoneId = zoneId;
    const QString tip = tr("Time Zone +Daylight Savings Time Bias if it exists.");
    ui->TxtTZ->setToolTip(zoneId.isEmpty() ? tip : tip + QLatin1Char('\n') + tr("Time zone: %1").arg(zoneId));
}

void ConfigDialog::DisplayLongitude()
{
    ui->TxtLng->setText(withShownPoint(FormatLongitude(Longitude(m_lng).shown(m_displayWest))));
}

void ConfigDialog::flipLongitudeSense()
{
    m_displayWest = !m_displayWest;
    ui->cmdEW->setText(m_displayWest ? tr("W") : tr("E"));
    ui->TxtLng->setToolTip(m_displayWest ? tr("West Longitude") : tr("East Longitude"));
    DisplayLongitude();
}

void ConfigDialog::detectZoneToggled()
{
    const bool detect = ui->chkDetectTZ->isChecked();
    if (detect)
        ui->TxtTZ->setText(shownNumberText(systemZoneHours(m_ctx.clock)));
    ui->TxtTZ->setEnabled(!detect);
}

bool ConfigDialog::eventFilter(QObject *watched, QEvent *event)
{
    auto *swatch = qobject_cast<QLabel *>(watched);
    if (swatch != ui->LBLBackcolor && swatch != ui->LBLforecolor)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            break;
        pickSwatchColor(swatch);
        return true;
    case QEvent::KeyPress:
        // Space and Return open the picker as a click does; Return then
        // stays with the swatch instead of pressing the dialog's OK.
        if (isPressKey(static_cast<QKeyEvent *>(event)->key())) {
            pickSwatchColor(swatch);
            return true;
        }
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut: swatch->update(); break;
    case QEvent::Paint:
        if (swatch->hasFocus()) {
            static_cast<QObject *>(swatch)->event(event);
            paintFocusMark(swatch);
            return true;
        }
        break;
    default: break;
    }
    return QDialog::eventFilter(watched, event);
}

bool ConfigDialog::isPressKey(int key) { return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter; }

void ConfigDialog::paintFocusMark(QLabel *swatch)
{
    // A dotted frame inside the box, dark on a light colour and light on a
    // dark one, so that it shows on any colour picked.
    QPainter painter(swatch);
    const QColor color = swatchColor(swatch);
    painter.setPen(QPen(color.lightness() > 127 ? Qt::black : Qt::white, 1, Qt::DotLine));
    painter.drawRect(swatch->rect().adjusted(3, 3, -4, -4));
}

void ConfigDialog::pickSwatchColor(QLabel *swatch)
{
    if (const std::optional<QColor> chosen = m_openers.colors.pickColor(swatchColor(swatch)))
        paintSwatch(swatch, *chosen);
}

QColor ConfigDialog::swatchColor(const QLabel *swatch) { return swatch->palette().color(QPalette::Window); }

void ConfigDialog::paintSwatch(QLabel *swatch, const QColor &color)
{
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, color);
    swatch->setPalette(palette);
}

void ConfigDialog::pickFont()
{
    Preferences &p = m_ctx.prefs;
    FontPickRequest request;
    request.title = tr("Select a Font for the Clock");
    request.initial = {p.FontName, p.FontSize, p.FontBold};
    const std::optional<FontChoice> chosen = m_openers.fonts.pickFont(request);
    if (!chosen)
        return;
    p.FontBold = chosen->bold;
    p.FontSize = chosen->pointSize;
    p.FontName = chosen->family;
}

void ConfigDialog::showObserverDialog()
{
    ObserverExchange &o = m_ctx.observer;
    o.ObserverCancelled = true;
    const bool detect = ui->chkDetectTZ->isChecked();
    const QString zoneIn = detect ? QString::fromUtf8(m_ctx.clock.systemZone().id()) : m_zoneId;
    const double hoursIn = detect ? systemZoneHours(m_ctx.clock)
                                  : zoneHoursFromText(ui->TxtTZ->text()).value_or(leadingNumber(ui->TxtTZ->text()));
    o.ObserverTZ = hoursIn;
    o.ObserverZoneId = zoneIn;
    o.ObserverPlace = m_place;
    o.ObserverDSTRule = o.DSTRule;
    o.ObserverLng = m_lng;
    o.ObserverLat = m_lat;
    if (m_openers.observerDialog)
        m_openers.observerDialog(this);
    if (o.ObserverCancelled)
        return;
    o.DSTRule = o.ObserverDSTRule;
    m_lng = o.ObserverLng;
    m_lat = o.ObserverLat;
    m_place = o.ObserverPlace;
    DisplayLongitude();
    // The zone follows the place; a zone that came back as it went keeps
    // following the system when it did.
    if (o.ObserverZoneId == zoneIn && o.ObserverTZ == hoursIn)
        return;
    ui->chkDetectTZ->setChecked(false);
    const QDateTime now = m_ctx.clock.utcNowMs();
    const std::optional<CivilZone> zone = placeZone(o.ObserverZoneId, o.ObserverTZ, now);
    showZone(zone ? o.ObserverZoneId : QString());
    ui->TxtTZ->setText(shownNumberText(zone ? zone->offsetHoursAt(now) : o.ObserverTZ));
}

void ConfigDialog::showAlarmEditor()
{
    if (m_openers.alarmEditor)
        m_openers.alarmEditor(this);
}

void ConfigDialog::showSitesEditor()
{
    std::optional<QList<Site>> edited;
    if (m_openers.sitesEditor) {
        edited = m_openers.sitesEditor(this, m_sites);
    } else {
        SitesEditor editor(m_ctx, m_sites, this);
        if (editor.exec() == QDialog::Accepted)
            edited = editor.sites();
    }
    if (edited)
        m_sites = *edited;
}

void ConfigDialog::showAbout()
{
    if (m_openers.aboutBox)
        m_openers.aboutBox(this);
}

void ConfigDialog::cancel()
{
    m_ctx.prefs.ConfigCancelled = true;
    reject();
}

bool ConfigDialog::textsAreValid()
{
    const LongitudeSense sense = m_displayWest ? LongitudeSense::West : LongitudeSense::East;
    if (!longitudeWestFromText(ui->TxtLng->text(), sense)) {
        m_ctx.messages.show(tr("Error in Longitude format.") + u'\n' + InputForms::longitude(), programTitle());
        return false;
    }
    if (!ui->chkDetectTZ->isChecked() && !zoneHoursFromText(ui->TxtTZ->text())) {
        m_ctx.messages.show(tr("You entered an invalid value for Time Zone. Please re-enter.") + u'\n'
                                + InputForms::zoneHours(),
                            tr("Time Zone Error"));
        return false;
    }
    if (!dut1FromText(ui->TxtDUT1->text())) {
        m_ctx.messages.show(tr("DUT1 must be a number of seconds between -0.9 and 0.9 (UT1 - UTC as the IERS "
                               "publishes it)."),
                            programTitle());
        return false;
    }
    return true;
}

void ConfigDialog::confirm()
{
    if (!textsAreValid())
        return;
    Preferences &p = m_ctx.prefs;
    SettingsStore &s = m_ctx.settings;
    const auto store = [&s](const char *key, const QString &text) { writeSetting(s, QLatin1String(key), text); };

    p.DetectTZ = ui->chkDetectTZ->isChecked();
    p.ZoneId = p.DetectTZ ? QString() : m_zoneId;
    p.TZ = followsZone(p) ? observerZone(p, m_ctx.clock).offsetHoursAt(m_ctx.clock.utcNowMs())
                          : zoneHoursFromText(ui->TxtTZ->text()).value_or(0);
    p.Place = m_place;
    p.StartUp = ui->chkAutoStart->isChecked();
    p.DateFormat = ui->OptMMDDYYYY->isChecked() ? kMonthFirst : kDayFirst;
    p.AlarmsEnabled = ui->chkAlarm->checkState() != Qt::Unchecked;
    store("AlarmsEnabled", booleanText(p.AlarmsEnabled));
    p.TopMost = ui->chkTopMost->isChecked();
    store("TopMost", booleanText(p.TopMost));
    p.LAT = float(m_lat);
    const LongitudeSense sense = m_displayWest ? LongitudeSense::West : LongitudeSense::East;
    const double lngWestDeg = longitudeWestFromText(ui->TxtLng->text(), sense).value_or(0);
    p.LNG = float(lngWestDeg);
    p.DisplayWest = m_displayWest;
    p.BkColor = swatchColor(ui->LBLBackcolor);
    p.DigitColor = swatchColor(ui->LBLforecolor);
    p.DisplayLAST = ui->chkDisplayLAST->isChecked();
    p.DUT1 = dut1FromText(ui->TxtDUT1->text()).value_or(0);
    p.NightVision = ui->chkNightVision->isChecked();
    p.NightDim = ui->spnNightDim->value();
    p.Sites = m_sites;

    store("DetectTZ", booleanText(p.DetectTZ));
    store("LNG", storedLongitudeText(ui->TxtLng->text(), lngWestDeg, m_displayWest));
    store("LAT", FormatLatitude(p.LAT));
    store("TZ", plainNumberText(p.TZ));
    store("TZID", p.ZoneId);
    store("Place", p.Place);
    store("BkColor", colorText(swatchColor(ui->LBLBackcolor)));
    store("DigitColor", colorText(swatchColor(ui->LBLforecolor)));
    store("DisplayWest", booleanText(m_displayWest));
    store("FontBold", booleanText(p.FontBold));
    store("FontName", p.FontName);
    store("FontSize", plainNumberText(p.FontSize));
    store("DateFormat", p.DateFormat);
    store("DisplayLAST", booleanText(p.DisplayLAST));
    store("DUT1", plainNumberText(p.DUT1));
    store("NightVision", booleanText(p.NightVision));
    store("NightDim", QString::number(p.NightDim));
    store("Sites", sitesText(p.Sites));
    SetAutoStart();

    p.ConfigCancelled = false;
    accept();
}

void ConfigDialog::SetAutoStart()
{
    const bool startUp = m_ctx.prefs.StartUp;
    const std::optional<QString> failure =
        failureOf([&] { m_openers.autostart.write(m_openers.programPath, startUp); });
    if (failure)
        logSkippedStep(lcSettings, "write the autostart entry", *failure);
    m_ctx.settings.noteSave(m_openers.autostart.filePath(), failure);
    writeSetting(m_ctx.settings, QStringLiteral("StartUp"), booleanText(startUp));
}

}  // namespace noctalis
