// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The Tonight window, driven as a user drives it, against PyEphem's local
// days (tests/data/tonight_reference.csv), sidereal arithmetic and the alarm
// table.

#include "alarmtable.h"
#include "astroconst.h"
#include "appparts.h"
#include "civil.h"
#include "tonightwindow.h"
#include "uidriver.h"
#include "modastrosubs.h"
#include "referencedata.h"
#include "settingsstore.h"
#include "tonighttargets.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

using namespace noctalis;
using Col = TonightWindow::Column;

class TonightTest : public ::testing::Test, protected AppParts {
protected:
    TonightTest()
    {
        prefs.DisplayWest = true;
        prefs.DateFormat = QStringLiteral("MM/DD/YYYY");
        prefs.LAT = 52;
    }

    void open()
    {
        form = std::make_unique<TonightWindow>(context());
        form->show();
    }
    QTreeWidgetItem *row(const QString &name)
    {
        const QList<QTreeWidgetItem *> found = form->table()->findItems(name, Qt::MatchExactly, Col::ColObject);
        EXPECT_EQ(found.size(), 1) << name.toStdString();
        return found.value(0);
    }
    QString cell(const QString &name, Col c) { return row(name)->text(c); }
    double value(const QString &name, Col c) { return row(name)->data(c, TonightWindow::kSortRole).toDouble(); }
    void type(const char *box, const QString &text) { form->findChild<QLineEdit *>(QLatin1String(box))->setText(text); }
    void click(const char *button)
    {
        QTest::mouseClick(form->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
    }
    void addTarget(const QString &name, const QString &ra, const QString &dec)
    {
        type("txtTargetName", name);
        type("txtTargetRA", ra);
        type("txtTargetDec", dec);
        click("cmdAddTarget");
    }
    // The clock at a civil date and time of the observer's fixed zone TZ.
    void setClock(double localDate) { clock.now = automation::fromAutomationDate(localDate - prefs.TZ / 24); }

    std::unique_ptr<TonightWindow> form;
};

// Sun and Moon rows of local days in UT+13, UT+5:30 and UT-10 and at 69.65
// N in summer and winter: every time in the local day, within 20 s of
// PyEphem and shown to the minute in local time; "Always up" and "never
// rises" where the day has no rising or setting.
TEST_F(TonightTest, RowsInTheLocalZoneAsPyEphemGivesThem)
{
    for (const QStringList &ref : testdata::readCsv("tonight_reference.csv")) {
        SCOPED_TRACE(ref.join(QLatin1Char(',')).toStdString());
        prefs.TZ = ref[1].toDouble();
        prefs.LAT = ref[5].toFloat();
        prefs.LNG = ref[6].toFloat();
        const QDate date = QDate::fromString(ref[2], Qt::ISODate);
        setClock(civil(date.year(), date.month(), date.day(), 21, 30));
        open();
        const QString name = ref[3] == QLatin1String("10") ? QStringLiteral("Sun") : QStringLiteral("Moon");
        const double dayStart = ref[4].toDouble();
        ASSERT_NEAR(dayStart, civil(date.year(), date.month(), date.day()) - prefs.TZ / 24, 1e-6);
        const int status = ref[7].toInt();
        const std::pair<Col, int> events[] = {{Col::ColRise, 8}, {Col::ColTransit, 10}, {Col::ColSet, 12}};
        for (const auto &[column, field] : events) {
            if (ref[field] == QLatin1String("-")) {
                const QString none = column == Col::ColRise && status == 1    ? QStringLiteral("Always up")
                                     : column == Col::ColRise && status == -1 ? QStringLiteral("never rises")
                                                                              : QStringLiteral("\u2014");
                EXPECT_EQ(cell(name, column), none);
                continue;
            }
            const double wanted = ref[field].toDouble();
            EXPECT_NEAR(value(name, column), wanted, 20.0 / 86400);
            const QTime shown = QTime::fromString(cell(name, column), QStringLiteral("HH:mm"));
            const double localMinutes = (wanted - dayStart) * 1440;
            EXPECT_NEAR(shown.hour() * 60 + shown.minute(), localMinutes, 0.6) << cell(name, column).toStdString();
            EXPECT_NEAR(cell(name, Col(column + 1)).chopped(1).toDouble(), ref[field + 1].toDouble(), 0.6);
        }
    }
}

// At latitude 70 a target of declination +74 never sets (between 54 and 86
// degrees up all day, and its row stands out) and one of -30 never rises
// (between -50 and -10 degrees).
// The header names the longitude in the sense the switch chooses, and the
// observer's local date in the observer's zone, daylight saving included:
// Auckland at 11:30 UT in January is already the next day (UT+13), though
// its standard offset (+12) would still say the day before.
TEST_F(TonightTest, HeaderShowsTheChosenSenseAndTheDateOfTheObserversZone)
{
    prefs.LNG = 75;
    prefs.DetectTZ = false;
    prefs.ZoneId = QStringLiteral("Pacific/Auckland");
    prefs.TZ = 12;
    clock.now = QDateTime(QDate(2026, 1, 15), QTime(11, 30), Qt::UTC);
    for (const bool west : {true, false}) {
        prefs.DisplayWest = west;
        open();
        const QString header = form->findChild<QLabel *>(QStringLiteral("LBLPlace"))->text();
        EXPECT_TRUE(header.startsWith(QStringLiteral("01/16/2026"))) << header.toStdString();
        EXPECT_TRUE(header.contains(west ? QStringLiteral("75:00:00.0 W") : QStringLiteral("285:00:00.0 E")))
            << header.toStdString();
    }
}

TEST_F(TonightTest, CircumpolarAndNeverRisingTargetsAtLatitude70)
{
    prefs.LAT = 70;
    setClock(civil(2024, 11, 5, 22));
    open();
    addTarget(QStringLiteral("North"), QStringLiteral("3"), QStringLiteral("+74"));
    addTarget(QStringLiteral("South"), QStringLiteral("3"), QStringLiteral("-30:00:00"));
    EXPECT_EQ(cell(QStringLiteral("North"), Col::ColRise), QStringLiteral("Always up"));
    EXPECT_EQ(cell(QStringLiteral("South"), Col::ColRise), QStringLiteral("never rises"));
    for (const char *name : {"North", "South"})
        EXPECT_EQ(cell(QLatin1String(name), Col::ColSet), QStringLiteral("\u2014"));
    EXPECT_GT(value(QStringLiteral("North"), Col::ColAlt), 54 - 0.1);
    EXPECT_LT(value(QStringLiteral("North"), Col::ColAlt), 86 + 0.1);
    EXPECT_GT(value(QStringLiteral("South"), Col::ColAlt), -50 - 0.1);
    EXPECT_LT(value(QStringLiteral("South"), Col::ColAlt), -10 + 0.1);
    EXPECT_TRUE(row(QStringLiteral("North"))->font(Col::ColObject).bold());
    EXPECT_FALSE(row(QStringLiteral("South"))->font(Col::ColObject).bold());
}

// A target 2.25 sidereal hours east of the meridian at 0h UT of 2024-03-20
// (LMST there 11.8679181 h at Greenwich) crosses at 02:14:38. The countdown
// runs across midnight, then tells how long ago it crossed within the hour,
// then the next crossing a sidereal day later. The rows follow the clock
// once a minute, not more often, and at once on Refresh.
TEST_F(TonightTest, MeridianCountdownAcrossMidnightAndAfterTheCrossing)
{
    setClock(civil(2024, 3, 19, 22));
    open();
    addTarget(QStringLiteral("Star"), QString::number(11.8679181 + 2.25, 'f', 7), QStringLiteral("0"));
    const QString star = QStringLiteral("Star");
    EXPECT_EQ(cell(star, Col::ColMeridian), QStringLiteral("in 4 h 14 min"));
    const std::pair<double, const char *> later[] = {
        {civil(2024, 3, 20, 2, 10), "in 4 min"},
        {civil(2024, 3, 20, 2, 50), "crossed 35 min ago"},
        {civil(2024, 3, 20, 3, 20), "in 22 h 50 min"},
    };
    for (const auto &[when, text] : later) {
        setClock(when);
        fire(form->timer());
        EXPECT_EQ(cell(star, Col::ColMeridian), QLatin1String(text));
    }
    const double shown = value(star, Col::ColMeridian);
    clock.advance(30);
    fire(form->timer());
    EXPECT_EQ(value(star, Col::ColMeridian), shown) << "same minute: not computed again";
    clock.advance(30);
    fire(form->timer());
    EXPECT_NEAR(value(star, Col::ColMeridian), shown - 1, 1e-6);
    clock.advance(10);
    click("cmdRefresh");
    EXPECT_NEAR(value(star, Col::ColMeridian), shown - 1 - 10.0 / 60, 1e-6);
}

// A transit alarm rings at the right ascension plus the offset, brought into
// the sidereal day: 23:54 + 0:30 is 00:24, 00:12 - 0.5 h is 23:42. The first
// takes the place of the empty table's placeholder, the next is appended,
// both ordinary enabled notices. For the Moon the right ascension is the one
// at its next crossing: the alarm with no offset rings at the LMST of that
// crossing (within the 1.2 s between mean and apparent sidereal time).
TEST_F(TonightTest, TransitAlarmsWrapIntoTheSiderealDayAndJoinTheLiveTable)
{
    setClock(civil(2024, 11, 5, 22));
    open();
    addTarget(QStringLiteral("Late"), QStringLiteral("23:54:00"), QStringLiteral("10"));
    addTarget(QStringLiteral("Early"), QStringLiteral("0:12"), QStringLiteral("10"));
    struct Case {
        const char *name;
        const char *offset;
        double lmstHours;
    } cases[] = {{"Late", "+0:30", 0.4}, {"Early", "-0.5", 23.7}};
    for (int i = 0; i < 2; ++i) {
        form->table()->setCurrentItem(row(QLatin1String(cases[i].name)));
        type("txtOffset", QLatin1String(cases[i].offset));
        click("cmdAddAlarm");
        ASSERT_EQ(alarms.size(), i + 1) << "the placeholder is taken first";
        EXPECT_TRUE(alarms.isModified()) << "no file has it yet";
        const AlarmDef &a = alarms[i];
        EXPECT_EQ(a.Name, QLatin1String(cases[i].name));
        EXPECT_NEAR(a.SiderealTime * 24, cases[i].lmstHours, 1e-12);
        EXPECT_EQ(a.Action, kActionMessageBox);
        EXPECT_TRUE(a.Enabled);
        EXPECT_NEAR(a.Duration.value_or(-1), 10.0 / 1440, 1e-15);
        EXPECT_TRUE(a.Param1.contains(QStringLiteral("[LMST HH:MM:SS]")));
        ASSERT_EQ(messages.messages.size(), i + 1);
        EXPECT_TRUE(messages.messages[i].text.contains(QStringLiteral("not yet saved to a file")));
        EXPECT_TRUE(messages.messages[i].text.contains(QStringLiteral("Alarms are off")));
    }
    EXPECT_TRUE(alarms[1].Param1.startsWith(QStringLiteral("Early crosses the meridian in 30 min")));

    prefs.AlarmsEnabled = true;
    form->table()->setCurrentItem(row(QStringLiteral("Moon")));
    type("txtOffset", QStringLiteral("0"));
    click("cmdAddAlarm");
    ASSERT_EQ(alarms.size(), 3);
    EXPECT_FALSE(messages.messages.last().text.contains(QStringLiteral("Alarms are off")));
    const double crossing = civil(2024, 11, 5, 22) + value(QStringLiteral("Moon"), Col::ColMeridian) / 1440;
    const double lmst = ephemkit::localMeanSiderealTime(crossing, prefs.LNG);
    EXPECT_NEAR(std::remainder(alarms[2].SiderealTime * 24 - lmst, 24.0) * 3600, 0, 2.0);

    for (const char *bad : {"x", "-12:30", "", "1:00:00:00", "0.5x"}) {
        type("txtOffset", QLatin1String(bad));
        click("cmdAddAlarm");
        EXPECT_TRUE(messages.messages.last().text.startsWith(QStringLiteral("The hour-angle offset"))) << bad;
    }
    EXPECT_EQ(alarms.size(), 3) << "refused offsets add nothing";
}

// Targets in every text form the program reads, with odd names, are kept in
// the settings file and come back exactly; a right ascension or declination
// that is none is refused with a message naming it, and nothing is added.
TEST_F(TonightTest, TargetsAreKeptInTheSettingsAndBadCoordinatesRefused)
{
    struct Target {
        QString name;
        const char *ra;
        const char *dec;
        double raHours;
        double decDeg;
    } targets[] = {
        {QStringLiteral("Vega, \"the harp\" = \u03b1 Lyr"), "18:36:56", "+38:47:01", 18 + 36 / 60.0 + 56 / 3600.0,
         38 + 47 / 60.0 + 1 / 3600.0},
        {QStringLiteral("M 31 | 50% of it; [x]"), "0:42.7", "41:16", 0 + 42.7 / 60, 41 + 16 / 60.0},
        {QStringLiteral("Deneb  (\u767d\u9ce5)"), "20.69", "45,28", 20.69, 45.28},
        {QStringLiteral("South pole"), "0", "-90", 0, -90},
        {QStringLiteral("Albireo"), "19h30m43s", "27°57'35\"", 19 + 30 / 60.0 + 43 / 3600.0,
         27 + 57 / 60.0 + 35 / 3600.0},
        {QStringLiteral("Mira"), "2 19 20.7", "-2 58 40", 2 + 19 / 60.0 + 20.7 / 3600, -(2 + 58 / 60.0 + 40 / 3600.0)},
    };
    const int kept = int(std::size(targets));
    setClock(civil(2024, 11, 5, 22));
    open();
    for (const Target &t : targets)
        addTarget(t.name, QString::fromUtf8(t.ra), QString::fromUtf8(t.dec));
    EXPECT_TRUE(messages.messages.isEmpty());

    const struct {
        const char *ra;
        const char *dec;
        const char *message;
    } refused[] = {
        {"24:00:00", "0", "The right ascension \"24:00:00\" cannot be used"},
        {"18:61:00", "0", "The right ascension \"18:61:00\" cannot be used"},
        {"-1:00:00", "0", "The right ascension \"-1:00:00\" cannot be used"},
        {"Vega", "0", "The right ascension \"Vega\" cannot be used"},
        {"18", "+91", "The declination \"+91\" cannot be used"},
        {"18", "", "The declination \"\" cannot be used"},
        {"18x", "0", "The right ascension \"18x\" cannot be used"},
        {"18:36:56:01", "0", "The right ascension \"18:36:56:01\" cannot be used"},
        {"18°36'", "0", "The right ascension \"18°36'\" cannot be used"},
        {"18", "38 47 01 N", "The declination \"38 47 01 N\" cannot be used"},
        {"18", "38:47 01", "The declination \"38:47 01\" cannot be used"},
    };
    for (const auto &r : refused) {
        addTarget(QStringLiteral("Bad"), QString::fromUtf8(r.ra), QString::fromUtf8(r.dec));
        EXPECT_TRUE(messages.messages.last().text.startsWith(QString::fromUtf8(r.message))) << r.ra << " " << r.dec;
        EXPECT_EQ(form->findChild<QLineEdit *>(QStringLiteral("txtTargetRA"))->text(), QString::fromUtf8(r.ra));
    }
    EXPECT_EQ(form->targets().size(), kept);

    const QList<TonightTarget> back = readTonightTargets(SettingsStore(settings.filePath()));
    ASSERT_EQ(back.size(), kept);
    for (int i = 0; i < kept; ++i) {
        EXPECT_EQ(back[i].name, targets[i].name);
        EXPECT_NEAR(back[i].raHours, targets[i].raHours, 1e-12);
        EXPECT_NEAR(back[i].decDeg, targets[i].decDeg, 1e-12);
    }
    // A new window reads them; removing one removes it from the file too.
    open();
    form->table()->setCurrentItem(row(targets[1].name));
    click("cmdRemoveTarget");
    EXPECT_EQ(form->table()->findItems(targets[1].name, Qt::MatchExactly).size(), 0);
    const QList<TonightTarget> left = readTonightTargets(SettingsStore(settings.filePath()));
    ASSERT_EQ(left.size(), kept - 1);
    EXPECT_EQ(left[1].name, targets[2].name);
}

// Columns sort by what they hold, not by their text: "in 3 h" comes before
// "in 10 h", a crossing just past before both. A refresh keeps the order and
// the selected object.
TEST_F(TonightTest, SortsByTheValueAndKeepsOrderAndSelectionOnRefresh)
{
    setClock(civil(2024, 11, 5, 22));
    open();
    QTreeWidget *table = form->table();
    table->header()->setSortIndicator(Col::ColMeridian, Qt::AscendingOrder);
    table->setCurrentItem(row(QStringLiteral("Mars")));
    click("cmdRefresh");
    EXPECT_EQ(table->sortColumn(), Col::ColMeridian);
    ASSERT_EQ(table->selectedItems().size(), 1);
    EXPECT_EQ(table->selectedItems().front()->text(Col::ColObject), QStringLiteral("Mars"));
    double before = -1e300;
    bool hoursOfTwoDigitsAfterOne = false;
    for (int i = 0; i < table->topLevelItemCount(); ++i) {
        const double minutes = table->topLevelItem(i)->data(Col::ColMeridian, TonightWindow::kSortRole).toDouble();
        EXPECT_GE(minutes, before);
        const QString text = table->topLevelItem(i)->text(Col::ColMeridian);
        hoursOfTwoDigitsAfterOne |=
            before >= 60 && before < 600 && minutes >= 600 && text.startsWith(QStringLiteral("in 1"));
        before = minutes;
    }
    EXPECT_TRUE(hoursOfTwoDigitsAfterOne) << "a row of 10 h or more follows one of a single-digit hour";
}

// A site picked in the Site list moves the rows to its longitude and
// latitude: a target's transit comes earlier or later by the longitude
// between the sites (in sidereal hours) and culminates at the site's
// altitude; the header names the site, and a transit alarm rings by the
// observer's LMST at the site's crossing. The observer's place comes back
// first in the list.
TEST_F(TonightTest, ASitePickedMovesTheRowsToIt)
{
    prefs.LNG = 0;
    prefs.LAT = 52;
    prefs.TZ = 0;
    prefs.Place = QStringLiteral("Greenwich");
    prefs.Sites = {{QStringLiteral("Azores"), 30, 38.5}, {QStringLiteral("Kazan"), 360 - 49.1, 55.8}};
    setClock(civil(2000, 1, 1, 0, 30));
    open();
    const double raHours = 12 + 40 / 60.0;
    addTarget(QStringLiteral("Star"), QStringLiteral("12:40:00"), QStringLiteral("0"));
    auto *site = form->findChild<QComboBox *>(QStringLiteral("cmbSite"));
    ASSERT_NE(site, nullptr);
    ASSERT_TRUE(site->isVisibleTo(form.get()));
    EXPECT_EQ(site->itemText(0), QStringLiteral("Greenwich"));
    const double ownTransit = value(QStringLiteral("Star"), Col::ColTransit);
    for (int index : {1, 2, 0}) {
        site->setCurrentIndex(index);
        const Site at = index ? prefs.Sites[index - 1] : Site{prefs.Place, prefs.LNG, prefs.LAT};
        SCOPED_TRACE(at.name.toStdString());
        const double shiftDays =
            std::remainder(at.lngWestDeg - prefs.LNG, 360) / 15 * ephemkit::kUtPerSiderealHour / 24;
        EXPECT_NEAR((value(QStringLiteral("Star"), Col::ColTransit) - ownTransit) * 86400, shiftDays * 86400, 1.0);
        EXPECT_NEAR(value(QStringLiteral("Star"), Col::ColTransitAlt), 90 - at.latDeg, 0.05);
        const QString header = form->findChild<QLabel *>(QStringLiteral("LBLPlace"))->text();
        EXPECT_EQ(header.startsWith(at.name + QLatin1Char(':')), index != 0) << header.toStdString();

        alarms.clear();
        form->table()->setCurrentItem(row(QStringLiteral("Star")));
        type("txtOffset", QStringLiteral("0"));
        click("cmdAddAlarm");
        ASSERT_GE(alarms.size(), 1);
        const AlarmDef &alarm = alarms[alarms.size() - 1];
        EXPECT_EQ(alarm.Name, index ? QStringLiteral("Star at ") + at.name : QStringLiteral("Star"));
        const double observerLmst = siteLmstHours(raHours, at.lngWestDeg, prefs.LNG);
        EXPECT_NEAR(std::remainder(alarm.SiderealTime * 24 - observerLmst, 24) * 3600, 0, 1.0);
    }
}

}  // namespace
