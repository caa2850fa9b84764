// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// ObserverDialog: the observer location dialog. Edits where the observer is
// (latitude, longitude west, time zone, daylight-saving rule, a description
// and the elevation) by typing, by pointing at the world map, by picking a
// city of the city list, by loading an observer file, or by the US time
// zone picker; saves observer files and shows the place in a web map.
//
// The opener fills the observer exchange values (and sets
// ObserverCancelled) before showing the dialog; a confirmed OK hands the
// values back and clears ObserverCancelled. The east/west button flips the
// shared DisplayWest preference at once, whether or not the dialog is then
// confirmed; saving an observer file sets ObserverFile.
//
// The time zone is either a fixed offset, the hours of TxtTZ, or an IANA
// zone (ObserverZoneId) whose standard hours TxtTZ shows and whose id
// LBLZoneId shows: a city of the list, the US zone picker and an observer
// file with a zone line set the zone; typing in TxtTZ makes the hours typed
// a fixed offset again.
#pragma once

#include "citylist.h"

#include <QDialog>
#include <QPointF>

#include <memory>
#include <optional>

namespace Ui {
class ObserverDialog;
}

namespace noctalis {

class FilePicker;
struct AppContext;
struct FilePickRequest;

class ObserverDialog : public QDialog {
    Q_OBJECT

public:
    // What the dialog works on, all owned by the application: the observer
    // exchange values, the preferences (DisplayWest), the messages, the
    // clock (the system time zone) and the file dialogs.
    ObserverDialog(AppContext &context, FilePicker &files, QWidget *parent = nullptr);
    ~ObserverDialog() override;

    // The city list read by Cities and the region and city lists; the
    // shipped "latlngtz.txt" unless set.
    void setCityListFile(const QString &path) { m_cityListFile = path; }

    // Working values.
    double latitudeDeg() const { return m_latDeg; }
    double longitudeWestDeg() const { return m_lngWestDeg; }
    int dstRule() const { return m_dstRule; }
    QString zoneId() const { return m_zoneId; }
    QString fileName() const { return m_fileName; }
    double elevationM() const { return m_elevationM; }
    double pointerLatDeg() const { return m_pointerLatDeg; }
    double pointerLngWestDeg() const { return m_pointerLngWestDeg; }

    // The folder a file dialog starts in for a file: its folder when that
    // is there, else the user's documents folder, else the home folder.
    static QString startFolder(const QString &file);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void flipLongitudeSense();
    void confirm();
    void dstRulePicked(int index);
    void detectZoneToggled(bool checked);
    // The user edited TxtTZ: the hours typed are a fixed offset.
    void zoneTyped();
    void loadFile();
    void saveFile();
    void showCities();
    // The cities whose name holds the search box's letters, in the city list.
    void searchCities();
    void regionPicked();
    void cityPicked();
    void pickUsZone();
    void showWebMap();
    void showWebMapOfPlace();
    void showWebMapOfLongitude() { showWebMapOfPlace(); }
    // The pointer over the map, in logical pixels from its top-left corner.
    void pointerMoved(QPointF position);
    void usePointer(QPointF position);
    void showWebMapAtPointer(QPointF position);

private:
    // Run when the dialog is shown: fills the boxes and the rule list from
    // the exchange values.
    void load();
    // TxtLng from the working longitude, west or east as DisplayWest says.
    void DisplayLongitude();
    // Reads the latitude, longitude, time zone and elevation boxes, each
    // whole, into the working values; tells the user what is wrong (and the
    // forms the box takes) and gives false when one is, changing nothing.
    bool CheckValues();
    // CheckValues, then hands the working values to the exchange.
    bool UpdateValues();
    // Reads an observer file into the dialog; on failure tells the user and
    // changes no box. True when the file was read.
    bool LoadOb(const QString &fileName);
    // Checks the values and writes them to ObserverFile. True when written.
    bool SaveoB();

    // The file dialog of Load or Save: file is the name offered, folderOf
    // the file whose folder it starts in.
    FilePickRequest observerFileRequest(bool save, const QString &file, const QString &folderOf) const;
    // Reads the city list into m_cityList; false (and one log line) when it
    // cannot be read.
    bool readCities();
    void setFileLabel();
    void selectRule(int code);
    void setZoneId(const QString &zoneId);
    void hideCityLists();
    QString longitudeShown(double lngWestDeg) const;

    AppContext &m_ctx;
    FilePicker &m_files;
    std::unique_ptr<Ui::ObserverDialog> ui;
    QString m_cityListFile;
    // The city list while its lists are on screen: read when Cities is
    // clicked, dropped when the lists are hidden.
    std::optional<CityList> m_cityList;

    double m_latDeg = 0;             // degrees north
    double m_lngWestDeg = 0;         // degrees west
    int m_dstRule = 0;               // daylight-saving rule code
    QString m_zoneId;                // IANA time zone; empty for the fixed offset of TxtTZ
    QString m_fileName;              // the dialog's observer file
    QString m_reserved;              // carried from a loaded file to a saved one
    double m_elevationM = 0;         // metres
    double m_pointerLatDeg = 0;      // the map pointer, degrees north
    double m_pointerLngWestDeg = 0;  // the map pointer, degrees west
};

}  // namespace noctalis
