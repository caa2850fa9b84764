// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// SitesEditor: the list of other sites, edited. Lists the sites with their
// longitude (west or east, as the configuration shows longitudes) and
// latitude; adds a site typed by hand or a city of the city list; removes
// one and moves one up or down.
//
// The dialog works on a copy: OK leaves the edited list in sites(), Cancel
// leaves it to be forgotten. A refused entry is told through the message
// service, naming what is wrong, and changes nothing.
#pragma once

#include "appcontext.h"
#include "citylist.h"
#include "sites.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace noctalis {

class SitesEditor : public QDialog {
    Q_OBJECT

public:
    // What the dialog reads from context: DisplayWest, the messages and the
    // help key's opener. sites is the list it starts from.
    SitesEditor(const AppContext &context, const QList<Site> &sites, QWidget *parent = nullptr);

    // The city list the city boxes offer; the shipped "latlngtz.txt" unless
    // set. A list that cannot be read leaves the boxes empty.
    void setCityListFile(const QString &path);

    // The list as edited.
    const QList<Site> &sites() const { return m_sites; }

private slots:
    // The site of the name, longitude and latitude boxes, each read whole.
    void addTyped();
    void regionPicked();
    // The city picked in the city list, named by its line.
    void addCity();
    void removeSite();
    void moveUp() { moveCurrent(-1); }
    void moveDown() { moveCurrent(+1); }

private:
    void buildControls();
    // The list shown again, row `current` selected (none for -1).
    void showSites(int current);
    // Whether name can be stored; when not, tells the user why.
    bool nameAccepted(const QString &name);
    // Appends site and selects it.
    void add(const Site &site);
    void moveCurrent(int step);
    void updateButtons();
    // The row of the current site; -1 for none.
    int currentRow() const;
    void tell(const QString &text);

    AppContext m_ctx;
    bool m_west = true;  // longitudes shown as west longitudes
    QList<Site> m_sites;
    std::optional<CityList> m_cityList;

    QTreeWidget *m_list = nullptr;
    QPushButton *m_up = nullptr;
    QPushButton *m_down = nullptr;
    QPushButton *m_remove = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_lng = nullptr;
    QLineEdit *m_lat = nullptr;
    QComboBox *m_regions = nullptr;
    QListWidget *m_cities = nullptr;
};

}  // namespace noctalis
