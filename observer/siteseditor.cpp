// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "siteseditor.h"

#include "datafiles.h"
#include "latlng.h"
#include "longitude.h"
#include "messageservice.h"
#include "numbertext.h"
#include "preferences.h"
#include "strictinput.h"
#include "userguide.h"
#include "windowfit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace noctalis {

namespace {

enum Column { ColName, ColLongitude, ColLatitude };

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

SitesEditor::SitesEditor(const AppContext &context, const QList<Site> &sites, QWidget *parent)
    : QDialog(parent), m_ctx(context), m_west(context.prefs.DisplayWest), m_sites(sites)
{
    setObjectName(QStringLiteral("SitesEditor"));
    setWindowTitle(tr("Other Sites"));
    setModal(true);
    buildControls();
    fitOnFirstShow(*this);  // on the screen of the window it opens over, wholly
    addHelpKey(this, QString::fromLatin1(guide::kSites), m_ctx);
    setCityListFile(dataFilePath(QStringLiteral("latlngtz.txt")));
    showSites(m_sites.isEmpty() ? -1 : 0);
}

void SitesEditor::buildControls()
{
    auto *listLabel = new QLabel(tr("Other &sites:"), this);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lstSites"));
    m_list->setAccessibleName(tr("Sites"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setHeaderLabels({tr("Name"), m_west ? tr("Longitude W") : tr("Longitude E"), tr("Latitude")});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    listLabel->setBuddy(m_list);
    m_up = button(tr("Move &up"), "cmdUp", this);
    m_down = button(tr("Move &down"), "cmdDown", this);
    m_remove = button(tr("&Remove"), "cmdRemove", this);
    auto *listButtons = new QVBoxLayout;
    for (QPushButton *b : {m_up, m_down, m_remove})
        listButtons->addWidget(b);
    listButtons->addStretch();
    auto *listRow = new QHBoxLayout;
    listRow->addWidget(m_list, 1);
    listRow->addLayout(listButtons);

    auto *typed = new QGroupBox(tr("Add by hand"), this);
    m_name = new QLineEdit(typed);
    m_name->setObjectName(QStringLiteral("txtName"));
    m_lng = new QLineEdit(typed);
    m_lng->setObjectName(QStringLiteral("txtLng"));
    m_lng->setToolTip(m_west ? tr("West Longitude") : tr("East Longitude"));
    m_lat = new QLineEdit(typed);
    m_lat->setObjectName(QStringLiteral("txtLat"));
    m_lat->setToolTip(tr("Latitude, north positive"));
    auto *add = button(tr("&Add"), "cmdAdd", typed);
    auto *typedForm = new QFormLayout(typed);
    typedForm->addRow(tr("&Name:"), m_name);
    typedForm->addRow(m_west ? tr("&Longitude west:") : tr("&Longitude east:"), m_lng);
    typedForm->addRow(tr("La&titude:"), m_lat);
    typedForm->addRow(QString(), add);

    auto *cities = new QGroupBox(tr("Add from the city list"), this);
    m_regions = new QComboBox(cities);
    m_regions->setObjectName(QStringLiteral("cmbRegion"));
    m_cities = new QListWidget(cities);
    m_cities->setObjectName(QStringLiteral("lstCities"));
    m_cities->setAccessibleName(tr("Cities"));
    auto *addCity = button(tr("Add cit&y"), "cmdAddCity", cities);
    auto *cityForm = new QFormLayout(cities);
    cityForm->addRow(tr("Re&gion:"), m_regions);
    cityForm->addRow(tr("C&ity:"), m_cities);
    cityForm->addRow(QString(), addCity);

    auto *ok = button(tr("&OK"), "cmdOK", this);
    ok->setDefault(true);
    auto *cancel = button(tr("&Cancel"), "cmdCancel", this);
    auto *closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(cancel);
    closeRow->addWidget(ok);

    auto *main = new QVBoxLayout(this);
    main->addWidget(listLabel);
    main->addLayout(listRow, 1);
    auto *adders = new QHBoxLayout;
    adders->addWidget(typed);
    adders->addWidget(cities);
    main->addLayout(adders);
    main->addLayout(closeRow);

    connect(m_up, &QPushButton::clicked, this, &SitesEditor::moveUp);
    connect(m_down, &QPushButton::clicked, this, &SitesEditor::moveDown);
    connect(m_remove, &QPushButton::clicked, this, &SitesEditor::removeSite);
    connect(add, &QPushButton::clicked, this, &SitesEditor::addTyped);
    for (QLineEdit *box : {m_name, m_lng, m_lat})
        connect(box, &QLineEdit::returnPressed, this, &SitesEditor::addTyped);
    connect(m_regions, &QComboBox::currentIndexChanged, this, &SitesEditor::regionPicked);
    connect(addCity, &QPushButton::clicked, this, &SitesEditor::addCity);
    connect(m_cities, &QListWidget::itemActivated, this, &SitesEditor::addCity);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &SitesEditor::updateButtons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void SitesEditor::setCityListFile(const QString &path)
{
    m_cityList = readCityListForPicking(path);
    const QSignalBlocker quiet(m_regions);
    m_regions->clear();
    if (m_cityList)
        m_regions->addItems(m_cityList->regions());
    regionPicked();
}

void SitesEditor::regionPicked()
{
    m_cities->clear();
    const std::optional<QStringList> cities =
        m_cityList && m_regions->currentIndex() >= 0 ? m_cityList->cities(m_regions->currentText()) : std::nullopt;
    if (cities)
        m_cities->addItems(*cities);
    if (m_cities->count() > 0)
        m_cities->setCurrentRow(0);
}

void SitesEditor::showSites(int current)
{
    m_list->clear();
    for (const Site &site : m_sites) {
        auto *item = new QTreeWidgetItem(m_list);
        item->setText(ColName, site.name);
        item->setText(ColLongitude, withShownPoint(FormatLongitude(Longitude(site.lngWestDeg).shown(m_west))));
        item->setText(ColLatitude, withShownPoint(FormatLatitude(site.latDeg)));
    }
    if (current >= 0 && current < m_list->topLevelItemCount())
        m_list->setCurrentItem(m_list->topLevelItem(current));
    updateButtons();
}

int SitesEditor::currentRow() const
{
    return m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
}

void SitesEditor::updateButtons()
{
    const int row = currentRow();
    m_remove->setEnabled(row >= 0);
    m_up->setEnabled(row > 0);
    m_down->setEnabled(row >= 0 && row + 1 < m_sites.size());
}

void SitesEditor::tell(const QString &text) { m_ctx.messages.show(text, tr("Other Sites")); }

bool SitesEditor::nameAccepted(const QString &name)
{
    if (name.trimmed().isEmpty())
        tell(tr("Give the site a name."));
    else if (!isStorableSiteName(name))
        tell(tr("A site's name cannot hold \"|\" or \";\"."));
    else
        return true;
    return false;
}

void SitesEditor::add(const Site &site)
{
    m_sites.push_back(site);
    showSites(int(m_sites.size()) - 1);
}

void SitesEditor::addTyped()
{
    const QString name = m_name->text().trimmed();
    if (!nameAccepted(name))
        return;
    const LongitudeSense sense = m_west ? LongitudeSense::West : LongitudeSense::East;
    const std::optional<double> lngWestDeg = longitudeWestFromText(m_lng->text(), sense);
    if (!lngWestDeg)
        return tell(tr("The longitude \"%1\" cannot be used.").arg(m_lng->text()) + u'\n' + InputForms::longitude());
    const std::optional<double> latDeg = latitudeFromText(m_lat->text());
    if (!latDeg)
        return tell(tr("The latitude \"%1\" cannot be used.").arg(m_lat->text()) + u'\n' + InputForms::latitude());
    add({name, *lngWestDeg, *latDeg});
    for (QLineEdit *box : {m_name, m_lng, m_lat})
        box->clear();
    m_name->setFocus();
}

void SitesEditor::addCity()
{
    const QListWidgetItem *item = m_cities->currentItem();
    if (!item || !m_cityList)
        return;
    const QString line = item->text();
    const std::optional<CityPlace> place = m_cityList->place(line);
    if (place && nameAccepted(line))
        add({line.trimmed(), place->lngWestDeg, place->latDeg});
}

void SitesEditor::removeSite()
{
    const int row = currentRow();
    if (row < 0)
        return;
    m_sites.removeAt(row);
    showSites(std::min(row, int(m_sites.size()) - 1));
}

void SitesEditor::moveCurrent(int step)
{
    const int row = currentRow();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= m_sites.size())
        return;
    m_sites.move(row, to);
    showSites(to);
}

}  // namespace noctalis
