// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The editor of other sites, driven as a user drives it: typed boxes, the
// region and city lists, the list's buttons and the keyboard.

#include "appparts.h"
#include "siteseditor.h"
#include "uidriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

const Site kParanal{QStringLiteral("Paranal"), 70.4042, -24.6272};
const Site kMaunaKea{QStringLiteral("Mauna Kea"), 155.4681, 19.8206};
const Site kLaPalma{QStringLiteral("La Palma"), 17.8792, 28.7606};

class SitesEditorTest : public ::testing::Test, protected AppParts {
protected:
    std::unique_ptr<SitesEditor> open(const QList<Site> &sites, bool west = true)
    {
        prefs.DisplayWest = west;
        auto form = std::make_unique<SitesEditor>(context(), sites);
        form->setCityListFile(QStringLiteral(NOCTALIS_CITY_FIXTURE));
        form->show();
        return form;
    }
    static void type(SitesEditor &form, const char *box, const QString &text)
    {
        child<QLineEdit>(form, box)->setText(text);
    }
    static QStringList names(const QList<Site> &sites)
    {
        QStringList out;
        for (const Site &s : sites)
            out << s.name;
        return out;
    }
    static QStringList row(SitesEditor &form, int index)
    {
        const QTreeWidgetItem *item = child<QTreeWidget>(form, "lstSites")->topLevelItem(index);
        return item ? QStringList{item->text(0), item->text(1), item->text(2)} : QStringList();
    }
};

// A site typed by hand joins the list, its longitude read in the sense the
// configuration shows and listed back in it; a name that cannot be stored,
// or a longitude or latitude that is none, is told by name and adds
// nothing, the boxes keeping what was typed.
TEST_F(SitesEditorTest, AddsATypedSiteAndRefusesWhatCannotBeStored)
{
    const struct Case {
        bool west;
        const char *name;
        const char *lng;
        const char *lat;
        std::optional<Site> added;  // nothing: refused
        QStringList shown;          // the new row; the message when refused
    } cases[] = {
        {true,
         "  Paranal ",
         "70:24:15.1",
         "-24:37:37.9",
         Site{QStringLiteral("Paranal"), 70.404194, -24.627194},
         {"Paranal", "70:24:15.1", "-24:37:37.9"}},
        {false,
         "Calar Alto",
         "2:32:46 W",
         "37.2236",
         Site{QStringLiteral("Calar Alto"), 2 + 32 / 60.0 + 46 / 3600.0, 37.2236},
         {"Calar Alto", "357:27:14.0", "37:13:25.0"}},
        {false,
         "Siding Spring",
         "149.0661",
         "31.2733 S",
         Site{QStringLiteral("Siding Spring"), 360 - 149.0661, -31.2733},
         {"Siding Spring", "149:03:58.0", "-31:16:23.9"}},
        {true, "Mauna|Kea", "155", "19", std::nullopt, {"A site's name cannot hold \"|\" or \";\"."}},
        {true, "a;b", "155", "19", std::nullopt, {"A site's name cannot hold \"|\" or \";\"."}},
        {true, "   ", "155", "19", std::nullopt, {"Give the site a name."}},
        {true, "Pic du Midi", "200x", "42.9", std::nullopt, {"The longitude \"200x\" cannot be used."}},
        {true, "Pic du Midi", "0.14", "91", std::nullopt, {"The latitude \"91\" cannot be used."}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name + std::string(" ") + c.lng + " " + c.lat);
        messages.messages.clear();
        auto form = open({kMaunaKea}, c.west);
        type(*form, "txtName", QString::fromUtf8(c.name));
        type(*form, "txtLng", QString::fromUtf8(c.lng));
        type(*form, "txtLat", QString::fromUtf8(c.lat));
        click(*form, "cmdAdd");
        if (c.added) {
            EXPECT_TRUE(messages.messages.isEmpty());
            ASSERT_EQ(form->sites().size(), 2);
            EXPECT_EQ(form->sites()[0], kMaunaKea);
            EXPECT_EQ(form->sites()[1].name, c.added->name);
            EXPECT_NEAR(form->sites()[1].lngWestDeg, c.added->lngWestDeg, 1e-6);
            EXPECT_NEAR(form->sites()[1].latDeg, c.added->latDeg, 1e-6);
            EXPECT_EQ(row(*form, 1), c.shown);
            EXPECT_EQ(child<QTreeWidget>(*form, "lstSites")->currentItem(),
                      child<QTreeWidget>(*form, "lstSites")->topLevelItem(1));
            continue;
        }
        EXPECT_EQ(form->sites(), QList<Site>{kMaunaKea});
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_TRUE(messages.messages[0].text.startsWith(c.shown[0])) << messages.messages[0].text.toStdString();
        EXPECT_EQ(child<QLineEdit>(*form, "txtLng")->text(), QString::fromUtf8(c.lng));
    }
}

// A city of the list is added under its whole line with the list's
// coordinates, by the button or by Return on the city.
TEST_F(SitesEditorTest, AddsCitiesOfTheCityList)
{
    auto form = open({});
    auto *regions = child<QComboBox>(*form, "cmbRegion");
    auto *cities = child<QListWidget>(*form, "lstCities");
    ASSERT_EQ(regions->count(), 3);
    regions->setCurrentIndex(regions->findText(QStringLiteral("Europe")));
    ASSERT_EQ(cities->count(), 2);
    cities->setCurrentRow(1);
    click(*form, "cmdAddCity");
    regions->setCurrentIndex(regions->findText(QStringLiteral("North America")));
    cities->setFocus();
    cities->setCurrentRow(1);
    QTest::keyClick(cities, Qt::Key_Return);
    const QList<Site> expected{{QStringLiteral("Paris, France"), 357.6512, 48.85341},
                               {QStringLiteral("Denver, United States"), 104.9847, 39.73915}};
    EXPECT_EQ(form->sites(), expected);
    EXPECT_TRUE(messages.messages.isEmpty());

    form->setCityListFile(QStringLiteral(NOCTALIS_CITY_FIXTURE ".absent"));
    EXPECT_EQ(regions->count(), 0);
    EXPECT_EQ(cities->count(), 0);
    click(*form, "cmdAddCity");
    EXPECT_EQ(form->sites(), expected) << "nothing to add without a list";
}

// Up, Down and Remove act on the selected site and keep it selected (the
// next one after a removal); at the ends of the list they are disabled.
TEST_F(SitesEditorTest, RemovesAndReordersTheSelectedSite)
{
    const struct Case {
        int selected;
        std::vector<const char *> buttons;
        QStringList order;
        int selectedAfter;
    } cases[] = {
        {1, {"cmdUp"}, {"Mauna Kea", "Paranal", "La Palma"}, 0},
        {0, {"cmdDown", "cmdDown"}, {"Mauna Kea", "La Palma", "Paranal"}, 2},
        {2, {"cmdDown"}, {"Paranal", "Mauna Kea", "La Palma"}, 2},
        {0, {"cmdUp"}, {"Paranal", "Mauna Kea", "La Palma"}, 0},
        {1, {"cmdRemove"}, {"Paranal", "La Palma"}, 1},
        {2, {"cmdRemove", "cmdRemove"}, {"Paranal"}, 0},
        {0, {"cmdRemove", "cmdRemove", "cmdRemove", "cmdRemove"}, {}, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.selected);
        auto form = open({kParanal, kMaunaKea, kLaPalma});
        auto *list = child<QTreeWidget>(*form, "lstSites");
        list->setCurrentItem(list->topLevelItem(c.selected));
        for (const char *name : c.buttons)
            click(*form, name);
        EXPECT_EQ(names(form->sites()), c.order);
        EXPECT_EQ(list->topLevelItemCount(), c.order.size());
        EXPECT_EQ(list->indexOfTopLevelItem(list->currentItem()), c.selectedAfter);
        const int last = int(c.order.size()) - 1;
        EXPECT_EQ(child<QPushButton>(*form, "cmdUp")->isEnabled(), c.selectedAfter > 0);
        EXPECT_EQ(child<QPushButton>(*form, "cmdDown")->isEnabled(), c.selectedAfter >= 0 && c.selectedAfter < last);
        EXPECT_EQ(child<QPushButton>(*form, "cmdRemove")->isEnabled(), c.selectedAfter >= 0);
    }
}

}  // namespace
