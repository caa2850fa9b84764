// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "observerdialog.h"

#include "appcontext.h"
#include "clock.h"
#include "datafiles.h"
#include "dstrules.h"
#include "filepicker.h"
#include "fileroutines.h"
#include "internet.h"
#include "latlng.h"
#include "longitude.h"
#include "messageservice.h"
#include "numbertext.h"
#include "observerexchange.h"
#include "observerfile.h"
#include "preferences.h"
#include "strictinput.h"
#include "windowfit.h"
#include "ui_observerdialog.h"
#include "userguide.h"
#include "uszonepicker.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStandardPaths>

#include <cmath>

namespace noctalis {

namespace {

// The map: plate carree, 180 degrees of latitude over its height, in map
// units whatever size it is shown at.
constexpr double kDegPerPixel = 180.0 / WorldMapView::kHeight;  // 0.5625
constexpr double kMapTopLatDeg = 90.0;
constexpr double kMapLeftLngWestDeg = 180.0;

constexpr int kRuleNotUsed = 0;

// One of the longest IANA zone ids.
constexpr QLatin1StringView kLongZoneId("America/North_Dakota/New_Salem");

// The elevations the elevation box takes, metres: from below the shores of
// the Dead Sea to above the highest summits.
constexpr double kLowestElevationM = -1000;
constexpr double kHighestElevationM = 10000;

// Rules the rule list shows without scrolling.
constexpr int kRulesShown = 5;

// What an observer file keeps of a box: its text as typed when the file's
// reader gives the value back from it, else the value's plain text ("5:30"
// and "5,5" are kept as "5.5").
template <typename Reader>
QString textReadBack(const QString &typed, double value, Reader read)
{
    // Files keep "." whatever the box shows.
    QString text = typed;
    return !typed.contains(QLatin1Char(',')) && read(text) == value ? typed : plainNumberText(value);
}

// The east longitude of a west one, 0 rather than 360 for Greenwich.
double eastOf(double lngWestDeg) { return Longitude::wrapped(Longitude(lngWestDeg).east()).west(); }

}  // namespace

ObserverDialog::ObserverDialog(AppContext &context, FilePicker &files, QWidget *parent)
    : QDialog(parent),
      m_ctx(context),
      m_files(files),
      ui(std::make_unique<Ui::ObserverDialog>()),
      m_cityListFile(dataFilePath(QStringLiteral("latlngtz.txt")))
{
    ui->setupUi(this);
    fitOnFirstShow(*this);  // on the screen of the window it opens over, wholly
    addHelpKey(this, QString::fromLatin1(guide::kPlace), m_ctx);
    ui->picMap->setPictures(dataFilePath(QStringLiteral("worldmap.png")),
                            dataFilePath(QStringLiteral("worldmap@2x.png")));
    hideCityLists();
    // Room for the longest zone ids, so that no id widens the dialog.
    ui->LBLZoneId->setMinimumWidth(ui->LBLZoneId->fontMetrics().horizontalAdvance(kLongZoneId));
    for (QWidget *watched : {static_cast<QWidget *>(ui->Label1), static_cast<QWidget *>(ui->LBLLNG),
                             static_cast<QWidget *>(ui->Label4), static_cast<QWidget *>(ui->ListRegions),
                             static_cast<QWidget *>(ui->ListCities), static_cast<QWidget *>(ui->txtSearch)})
        watched->installEventFilter(this);

    connect(ui->cmdEW, &QPushButton::clicked, this, &ObserverDialog::flipLongitudeSense);
    connect(ui->CmdOK, &QPushButton::clicked, this, &ObserverDialog::confirm);
    connect(ui->CmdCancel, &QPushButton::clicked, this, &ObserverDialog::reject);
    connect(ui->ListDST, &QListWidget::currentRowChanged, this, &ObserverDialog::dstRulePicked);
    connect(ui->chkDetectTZ, &QCheckBox::toggled, this, &ObserverDialog::detectZoneToggled);
    connect(ui->TxtTZ, &QLineEdit::textEdited, this, &ObserverDialog::zoneTyped);
    connect(ui->CmdLoad, &QPushButton::clicked, this, &ObserverDialog::loadFile);
    connect(ui->CmdSave, &QPushButton::clicked, this, &ObserverDialog::saveFile);
    connect(ui->CmdCities, &QPushButton::clicked, this, &ObserverDialog::showCities);
    connect(ui->txtSearch, &QLineEdit::textChanged, this, &ObserverDialog::searchCities);
    for (auto signal : {&QListWidget::itemClicked, &QListWidget::itemActivated}) {
        connect(ui->ListRegions, signal, this, &ObserverDialog::regionPicked);
        connect(ui->ListCities, signal, this, &ObserverDialog::cityPicked);
    }
    connect(ui->cmdUSTZ, &QPushButton::clicked, this, &ObserverDialog::pickUsZone);
    connect(ui->cmdGoogle, &QPushButton::clicked, this, &ObserverDialog::showWebMap);
    connect(ui->picMap, &WorldMapView::pointerMoved, this, &ObserverDialog::pointerMoved);
    connect(ui->picMap, &WorldMapView::rightButtonPressed, this, &ObserverDialog::usePointer);
    connect(ui->picMap, &WorldMapView::doubleClicked, this, &ObserverDialog::showWebMapAtPointer);
}

ObserverDialog::~ObserverDialog() = default;

void ObserverDialog::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        load();
    QDialog::showEvent(event);
}

bool ObserverDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick && (watched == ui->Label1 || watched == ui->LBLLNG)) {
        showWebMapOfPlace();
        return true;
    }
    // The caption of the detect box is a label of its own; a click on it
    // ticks the box as a click on a check box's text would.
    if (event->type() == QEvent::MouseButtonRelease && watched == ui->Label4
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        ui->chkDetectTZ->toggle();
        return true;
    }
    // Return in a city list picks the current line as a click does and goes
    // no further: the dialog's OK button would otherwise take it too.
    if (event->type() == QEvent::KeyPress && (watched == ui->ListRegions || watched == ui->ListCities)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == ui->ListRegions)
                regionPicked();
            else
                cityPicked();
            return true;
        }
    }
    // In the search box, Down goes to the matches, Return picks the first
    // (or the one chosen) and Escape clears a search before it closes the
    // dialog.
    if (event->type() == QEvent::KeyPress && watched == ui->txtSearch && ui->ListCities->isVisible()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Down) {
            ui->ListCities->setFocus();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const QListWidgetItem *match = ui->ListCities->currentItem();
            if (match && (match->flags() & Qt::ItemIsEnabled))
                cityPicked();
            return true;
        }
        if (key == Qt::Key_Escape) {
            ui->txtSearch->clear();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ObserverDialog::load()
{
    const ObserverExchange &observer = m_ctx.observer;
    ui->cmdEW->setText(m_ctx.prefs.DisplayWest ? tr("W") : tr("E"));
    m_latDeg = observer.ObserverLat;
    ui->Txtlat->setText(withShownPoint(FormatLatitude(m_latDeg)));
    m_lngWestDeg = observer.ObserverLng;
    DisplayLongitude();
    ui->TxtTZ->setText(shownNumberText(observer.ObserverTZ));
    setZoneId(observer.ObserverZoneId);
    ui->txtLocation->setText(observer.ObserverPlace);
    m_fileName = observer.ObserverFile;
    setFileLabel();

    ui->ListDST->clear();
    ui->ListDST->addItems({
        tr("0 - Not Used"),
        tr("1 - 2nd Sun Mar to First Sun Nov"),
        tr("2 - Last Sun Mar to Last Sun Oct"),
        tr("3 - Last Sun Oct to Last Sun Mar"),
        tr("4 - 1st Sun Oct to Last Sun Mar"),
        tr("5 - 1st Sun Oct to 3rd Sun Mar"),
        tr("6 - Last Fri Apr to Last Thur Sep"),
        tr("7 - Apr 1 to Oct 1 "),
        tr("8 - 2nd Sat Oct to 2nd Sat Mar"),
        tr("9 - Last Fri Apr to Last Thur Sep"),
        tr("10 - 1st Sun Sept 8 to 1st Sun April 6"),
        tr("11 - 1st Sun Nov to Last Sun Jan"),
        tr("12 - April 1 to last Sun Oct"),
    });
    ui->ListDST->setFixedHeight(ui->ListDST->sizeHintForRow(0) * kRulesShown + 2 * ui->ListDST->frameWidth());
    selectRule(observer.DSTRule);
    hideCityLists();
}

void ObserverDialog::setFileLabel()
{
    ui->LBLObFileName->setText(tr("Observer File: %1").arg(m_fileName));
    ui->LBLObFileName->setToolTip(QDir::toNativeSeparators(m_fileName));
}

void ObserverDialog::setZoneId(const QString &zoneId)
{
    m_zoneId = zoneId;
    ui->LBLZoneId->setText(zoneId);
}

void ObserverDialog::selectRule(int code)
{
    ui->ListDST->setCurrentRow(code >= 0 && code < ui->ListDST->count() ? code : kRuleNotUsed);
}

QString ObserverDialog::longitudeShown(double lngWestDeg) const
{
    return withShownPoint(m_ctx.prefs.DisplayWest ? FormatLongitude(lngWestDeg) : FormatLongitude(eastOf(lngWestDeg)));
}

void ObserverDialog::DisplayLongitude() { ui->TxtLng->setText(longitudeShown(m_lngWestDeg)); }

void ObserverDialog::flipLongitudeSense()
{
    Preferences &prefs = m_ctx.prefs;
    if (prefs.DisplayWest) {
        ui->cmdEW->setText(tr("E"));
        ui->TxtLng->setToolTip(tr("East Longitude"));
    } else {
        ui->cmdEW->setText(tr("W"));
        ui->TxtLng->setToolTip(tr("West Longitude"));
    }
    prefs.DisplayWest = !prefs.DisplayWest;
    DisplayLongitude();
}

bool ObserverDialog::CheckValues()
{
    const std::optional<double> latDeg = latitudeFromText(ui->Txtlat->text());
    if (!latDeg) {
        m_ctx.messages.show(tr("Error in Latitude format.") + u'\n' + InputForms::latitude(), programTitle());
        return false;
    }
    const LongitudeSense sense = m_ctx.prefs.DisplayWest ? LongitudeSense::West : LongitudeSense::East;
    const std::optional<double> lngWestDeg = longitudeWestFromText(ui->TxtLng->text(), sense);
    if (!lngWestDeg) {
        m_ctx.messages.show(tr("Error in Longitude format.") + u'\n' + InputForms::longitude(), programTitle());
        return false;
    }
    const std::optional<double> timeZoneHours = zoneHoursFromText(ui->TxtTZ->text());
    if (!timeZoneHours) {
        m_ctx.messages.show(tr("You entered an invalid value for Time Zone. Please re-enter.") + u'\n'
                                + InputForms::zoneHours(),
                            tr("Time Zone Error"));
        return false;
    }
    // The box starts empty (no elevation given, as a file without one reads).
    const QString elevationText = ui->txtElevation->text();
    const NumberRange elevations{kLowestElevationM, kHighestElevationM};
    const std::optional<double> elevationM =
        elevationText.trimmed().isEmpty() ? 0.0 : numberFromText(elevationText, elevations);
    if (!elevationM) {
        m_ctx.messages.show(tr("The elevation must be a number of meters from %1 to %2, such as 350 or 1234.5.")
                                .arg(shownNumberText(kLowestElevationM), shownNumberText(kHighestElevationM)),
                            programTitle());
        return false;
    }
    // Held to the precision of the settings' 32-bit angles, as the angle
    // texts of files give them.
    m_latDeg = float(*latDeg);
    m_lngWestDeg = Longitude::wrapped(float(*lngWestDeg)).west();
    m_elevationM = *elevationM;
    return true;
}

bool ObserverDialog::UpdateValues()
{
    if (!CheckValues())
        return false;
    ObserverExchange &observer = m_ctx.observer;
    observer.ObserverLng = m_lngWestDeg;
    observer.ObserverLat = m_latDeg;
    observer.ObserverTZ = zoneHoursFromText(ui->TxtTZ->text()).value_or(0);
    observer.ObserverDSTRule = m_dstRule;
    observer.ObserverZoneId = m_zoneId;
    observer.ObserverPlace = ui->txtLocation->text().trimmed();
    observer.ObserverFile = m_fileName;
    return true;
}

void ObserverDialog::confirm()
{
    if (!UpdateValues())
        return;
    m_ctx.observer.ObserverCancelled = false;
    accept();
}

void ObserverDialog::dstRulePicked(int index)
{
    if (index >= 0)
        m_dstRule = index;
}

void ObserverDialog::zoneTyped() { setZoneId(QString()); }

void ObserverDialog::detectZoneToggled(bool checked)
{
    if (checked)
        ui->txtSCTZ->setText(shownNumberText(m_ctx.clock.zoneOffsetSeconds() / 3600.0));
}

QString ObserverDialog::startFolder(const QString &file)
{
    if (!file.isEmpty()) {
        const QDir folder = QFileInfo(file).absoluteDir();
        if (folder.exists())
            return folder.absolutePath();
    }
    // A file dialog given a folder that is not there offers its name as a
    // file name.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

FilePickRequest ObserverDialog::observerFileRequest(bool save, const QString &file, const QString &folderOf) const
{
    FilePickRequest request;
    request.purpose = save ? FilePickRequest::Purpose::Save : FilePickRequest::Purpose::Open;
    request.title = save ? tr("Save Observer File") : tr("Load Observer File");
    request.filter = tr("Observer File") + QStringLiteral("|*.obs|") + tr("Any") + QStringLiteral("|*.*");
    request.defaultSuffix = QStringLiteral("obs");
    request.directory = startFolder(folderOf);
    request.proposedName = StripDirectory(file);
    return request;
}

void ObserverDialog::loadFile()
{
    // Before any file was loaded, the folder of the file last saved.
    const QString &folderOf = m_fileName.isEmpty() ? m_ctx.observer.ObserverFile : m_fileName;
    const std::optional<QString> path = m_files.pickFile(observerFileRequest(false, m_fileName, folderOf));
    if (!path)
        return;
    m_fileName = *path;
    LoadOb(*path);
}

bool ObserverDialog::LoadOb(const QString &fileName)
{
    QString error;
    const std::optional<QByteArray> bytes = readRegularFile(fileName, kMaxObserverFileBytes, &error);
    const std::optional<ObserverFileValues> values = bytes ? readObserverFile(*bytes, &error) : std::nullopt;
    if (!values) {
        m_ctx.messages.show(tr("There was an error loading the observer file:\r\n%1\r\n%2")
                                .arg(QDir::toNativeSeparators(fileName), error),
                            programTitle());
        m_fileName = m_ctx.observer.ObserverFile;
        return false;
    }
    m_reserved = values->reserved;
    ui->txtLocation->setText(values->location);
    m_lngWestDeg = values->lngWestDeg;
    m_latDeg = values->latDeg;
    ui->Txtlat->setText(withShownPoint(FormatLatitude(m_latDeg)));
    m_elevationM = values->elevationM;
    ui->txtElevation->setText(shownNumberText(m_elevationM));
    DisplayLongitude();
    ui->TxtTZ->setText(shownNumberText(values->timeZoneHours));
    setZoneId(values->zoneId);
    selectRule(values->dstRule);
    setFileLabel();
    return true;
}

void ObserverDialog::saveFile()
{
    ObserverExchange &observer = m_ctx.observer;
    const std::optional<QString> path =
        m_files.pickFile(observerFileRequest(true, observer.ObserverFile, observer.ObserverFile));
    if (!path)
        return;
    if (QFileInfo::exists(*path)) {
        const QString question =
            tr("%1\r\nalready exists. Do you want to replace it?").arg(QDir::toNativeSeparators(*path));
        if (m_ctx.messages.show(question, tr("Save Observer File"), MessageButtons::YesNo) != MessageAnswer::Yes)
            return;
    }
    observer.ObserverFile = *path;
    SaveoB();
}

bool ObserverDialog::SaveoB()
{
    if (!CheckValues())
        return false;
    if (ui->ListDST->currentRow() < 0)
        ui->ListDST->setCurrentRow(kRuleNotUsed);
    ObserverFileFields fields;
    fields.latitude = plainNumberText(m_latDeg);
    fields.longitude = plainNumberText(m_lngWestDeg);
    fields.timeZone = textReadBack(ui->TxtTZ->text(), zoneHoursFromText(ui->TxtTZ->text()).value_or(0), ValDecimal);
    fields.location = ui->txtLocation->text();
    fields.dstRule = QString::number(ui->ListDST->currentRow());
    fields.reserved = m_reserved;
    fields.elevation =
        textReadBack(ui->txtElevation->text(), m_elevationM, [](QString &text) { return leadingNumber(text); });
    fields.zoneId = m_zoneId;

    const QString &path = m_ctx.observer.ObserverFile;
    QString error;
    if (!saveFileDurably(path, writeObserverFile(fields), &error)) {
        m_ctx.messages.show(tr("An error occurred while trying to save the observer file.\r\n%1\r\n%2")
                                .arg(QDir::toNativeSeparators(path), error),
                            tr("Save Error"));
        return false;
    }
    return true;
}

bool ObserverDialog::readCities()
{
    m_cityList = readCityListForPicking(m_cityListFile);
    return m_cityList.has_value();
}

void ObserverDialog::hideCityLists()
{
    {
        const QSignalBlocker quiet(ui->txtSearch);
        ui->txtSearch->clear();
    }
    for (QWidget *widget : {static_cast<QWidget *>(ui->ListCities), static_cast<QWidget *>(ui->LBLCities),
                            static_cast<QWidget *>(ui->ListRegions), static_cast<QWidget *>(ui->LBLRegions)})
        widget->hide();
    ui->ListCities->clear();
    ui->ListRegions->clear();
    m_cityList.reset();
}

void ObserverDialog::showCities()
{
    ui->ListRegions->clear();
    // Without a city list there is nothing to pick: an empty region list
    // would only hide the map.
    if (!readCities())
        return;
    ui->ListRegions->addItems(m_cityList->regions());
    ui->ListRegions->show();
    ui->LBLRegions->show();
    ui->ListRegions->setFocus();
}

void ObserverDialog::searchCities()
{
    const QString typed = ui->txtSearch->text();
    if (typed.trimmed().isEmpty()) {
        hideCityLists();
        return;
    }
    if (!m_cityList && !readCities())
        return;
    ui->ListRegions->hide();
    ui->LBLRegions->hide();
    ui->ListCities->clear();
    const QStringList found = m_cityList->search(typed);
    ui->ListCities->addItems(found);
    if (found.isEmpty()) {
        auto *none = new QListWidgetItem(tr("No city matches \"%1\".").arg(typed.trimmed()), ui->ListCities);
        none->setFlags(Qt::NoItemFlags);
    } else {
        ui->ListCities->setCurrentRow(0);
    }
    ui->ListCities->show();
    ui->LBLCities->show();
}

void ObserverDialog::regionPicked()
{
    const QListWidgetItem *item = ui->ListRegions->currentItem();
    if (!item)
        return;
    const QString region = item->text();
    ui->ListCities->clear();
    ui->ListCities->addItem(tr("<CANCEL>"));
    const std::optional<QStringList> cities = m_cityList ? m_cityList->cities(region) : std::nullopt;
    if (!cities)
        return;
    ui->ListCities->addItems(*cities);
    ui->ListCities->addItem(tr("<CANCEL>"));
    ui->ListCities->show();
    ui->LBLCities->show();
    ui->ListCities->setFocus();
}

void ObserverDialog::cityPicked()
{
    const QListWidgetItem *item = ui->ListCities->currentItem();
    const QString city = item ? item->text() : QString();
    if (item && city != tr("<CANCEL>")) {
        if (const std::optional<CityPlace> place = m_cityList ? m_cityList->place(city) : std::nullopt) {
            m_latDeg = place->latDeg;
            ui->Txtlat->setText(withShownPoint(FormatLatitude(m_latDeg)));
            m_lngWestDeg = place->lngWestDeg;
            DisplayLongitude();
            ui->TxtTZ->setText(place->timeZone);
            setZoneId(place->zoneId);
            selectRule(place->dstRule);
            ui->txtLocation->setText(city);
        }
    }
    // Back where the lists were asked for, not on whatever follows them.
    if (ui->txtSearch->hasFocus() || !ui->txtSearch->text().isEmpty())
        ui->txtSearch->setFocus();
    else
        ui->CmdCities->setFocus();
    hideCityLists();
}

void ObserverDialog::pickUsZone()
{
    ObserverExchange &observer = m_ctx.observer;
    observer.USZonePick = 0;
    UsZonePicker picker(observer, this);
    addHelpKey(&picker, QString::fromLatin1(guide::kPlace), m_ctx);
    picker.exec();
    const std::optional<UsZonePicker::UsZone> zone = UsZonePicker::zoneOfPick(observer.USZonePick);
    if (!zone)
        return;
    ui->TxtTZ->setText(shownNumberText(zone->hours));
    setZoneId(QString::fromLatin1(zone->zoneId));
    selectRule(zone->dstRule);
}

void ObserverDialog::showWebMap()
{
    if (CheckValues())
        ShowMapAt(m_latDeg, m_lngWestDeg, m_ctx);
}

void ObserverDialog::showWebMapOfPlace() { ShowMapAt(m_latDeg, m_lngWestDeg, m_ctx); }

void ObserverDialog::pointerMoved(QPointF position)
{
    const double latDeg = kMapTopLatDeg - kDegPerPixel * position.y();
    if (latDeg < -90)
        return;
    double lngWestDeg = kMapLeftLngWestDeg - kDegPerPixel * position.x();
    if (lngWestDeg < 0)
        lngWestDeg = 360 - std::fabs(lngWestDeg);
    m_pointerLatDeg = latDeg;
    m_pointerLngWestDeg = lngWestDeg;
    const QString side = m_ctx.prefs.DisplayWest ? tr("W") : tr("E");
    ui->LBLLatLng->setText(
        tr("Lat: %1   Lng:%2 %3").arg(withShownPoint(FormatLatitude(latDeg)), longitudeShown(lngWestDeg), side));
}

void ObserverDialog::usePointer(QPointF position)
{
    pointerMoved(position);
    ui->Txtlat->setText(withShownPoint(FormatLatitude(m_pointerLatDeg)));
    ui->TxtLng->setText(longitudeShown(m_pointerLngWestDeg));
}

void ObserverDialog::showWebMapAtPointer(QPointF position)
{
    pointerMoved(position);
    ShowMapAt(m_pointerLatDeg, m_pointerLngWestDeg, m_ctx);
}

}  // namespace noctalis
