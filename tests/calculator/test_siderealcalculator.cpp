// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The sidereal calculator, driven as a user drives it: text typed into its
// boxes, clicks on its buttons, option buttons and calendar, and an observer
// dialog that confirms or cancels.

#include "appparts.h"
#include "astroconst.h"
#include "civil.h"
#include "modastrosubs.h"
#include "siderealcalculator.h"
#include "sites.h"
#include "strictinput.h"

#include <QAbstractItemModel>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using namespace noctalis;

const QStringList kDateTimeBoxes{"txtYear", "txtMonth", "txtDay", "txtHr", "txtMin", "txtSec"};
const QStringList kSiderealBoxes{"txtSidHr", "txtSidMin", "txtSidSec"};

class CalculatorTest : public ::testing::Test, protected AppParts {
protected:
    CalculatorTest()
    {
        prefs.DateFormat = QStringLiteral("MM/DD/YYYY");
        prefs.DisplayWest = true;
        clock.now = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
    }

    void open()
    {
        form = std::make_unique<SiderealCalculator>(context(), [this](QWidget *) { observerDialog(); });
        form->show();
    }

    template <typename T = QWidget>
    T *control(const QString &name)
    {
        T *widget = form->findChild<T *>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QString text(const QString &name) { return control<QLineEdit>(name)->text(); }
    QStringList texts(const QStringList &names)
    {
        QStringList out;
        for (const QString &name : names)
            out << text(name);
        return out;
    }
    void type(const QStringList &names, const QStringList &values)
    {
        for (qsizetype i = 0; i < names.size(); ++i)
            control<QLineEdit>(names[i])->setText(values[i]);
    }
    void click(const QString &name)
    {
        auto *button = control<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }
    // A click on a day of the month the calendar shows (8 to 22: days that
    // appear once in its grid).
    void clickDay(int day)
    {
        auto *view = control<QCalendarWidget>("calendar1")->findChild<QTableView *>();
        const QAbstractItemModel *model = view->model();
        for (int r = 1; r < model->rowCount(); ++r)
            for (int c = 0; c < model->columnCount(); ++c)
                if (model->index(r, c).data().toInt() == day)
                    return QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                                             view->visualRect(model->index(r, c)).center());
        FAIL() << "no day " << day;
    }
    // Everything the user sees and the calculator works on.
    QStringList snapshot()
    {
        QStringList all;
        for (const QLineEdit *edit : form->findChildren<QLineEdit *>())
            all << edit->text();
        return all << control<QCalendarWidget>("calendar1")->selectedDate().toString(Qt::ISODate)
                   << QString::number(control<QRadioButton>("OptLocal")->isChecked())
                   << QString::number(control<QCheckBox>("chkLocal")->isChecked())
                   << QString::number(form->utInstant(), 'g', 17) << QString::number(form->tzHours(), 'g', 17)
                   << QString::number(form->lngWest(), 'g', 9);
    }

    std::function<void()> observerDialog = [] {};
    std::unique_ptr<SiderealCalculator> form;
};

TEST_F(CalculatorTest, LoadsFromThePreferencesAndSwitchesTheLongitudeSense)
{
    prefs.DateFormat = QStringLiteral("DD/MM/YYYY");
    prefs.DisplayWest = false;
    prefs.LNG = 75;
    prefs.TZ = -5;
    clock.now = QDateTime(QDate(2000, 1, 1), QTime(10, 0), Qt::UTC);
    open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Sidereal Time Calculator"));
    EXPECT_EQ(control<QGroupBox>("FrameTime")->title(), QStringLiteral("DD/MM/YYYY Time/Date"));
    EXPECT_EQ(text("txtLng"), QStringLiteral("285:00:00.0")) << "75 west in the east sense";
    EXPECT_EQ(control<QPushButton>("cmdEW")->text(), QStringLiteral("E"));
    EXPECT_EQ(control<QLineEdit>("txtLng")->toolTip(), QStringLiteral("East Longitude"));
    EXPECT_TRUE(control<QRadioButton>("OptUT")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("chkLocal")->isChecked());
    EXPECT_EQ(text("txtTz"), QStringLiteral("0.")) << "the system zone replaces TZ";
    EXPECT_EQ(texts(kDateTimeBoxes), QStringList({"2000", "01", "01", "10", "00", "00"}))
        << "UT is the clock's UTC, whatever TZ says";
    EXPECT_EQ(texts(kSiderealBoxes), QStringList({"11", "41", "31"}));

    // E/W twice: the same place in the other sense, then back.
    for (const char *sense : {"W", "E"}) {
        click("cmdEW");
        EXPECT_EQ(control<QPushButton>("cmdEW")->text(), QLatin1String(sense));
        EXPECT_EQ(text("txtLng"), sense[0] == 'W' ? QStringLiteral("75:00:00.0") : QStringLiteral("285:00:00.0"));
        EXPECT_EQ(form->lngWest(), 75.0f);
    }
}

TEST_F(CalculatorTest, DateBoxesStandInTheOrderOfTheDateFormat)
{
    for (const char *format : {"MM/DD/YYYY", "DD/MM/YYYY"}) {
        SCOPED_TRACE(format);
        prefs.DateFormat = QLatin1String(format);
        open();
        const bool monthFirst = prefs.DateFormat.startsWith(QLatin1String("MM"));
        QLineEdit *first = control<QLineEdit>(monthFirst ? "txtMonth" : "txtDay");
        QLineEdit *second = control<QLineEdit>(monthFirst ? "txtDay" : "txtMonth");
        QLineEdit *year = control<QLineEdit>("txtYear");
        EXPECT_EQ(second->x() - (first->x() + first->width()), 2);
        EXPECT_EQ(year->x() - (second->x() + second->width()), 2);
        EXPECT_EQ(first->nextInFocusChain(), second);
        EXPECT_EQ(second->nextInFocusChain(), year);
    }
}

TEST_F(CalculatorTest, TimeToSiderealAtAnyLongitudeInEitherSense)
{
    struct Case {
        bool east;
        const char *lng;
        QStringList lmst;
    };
    for (const Case &c : {Case{false, "0", {"06", "39", "52"}}, Case{false, "75", {"01", "39", "52"}},
                          Case{true, "285", {"01", "39", "52"}}, Case{false, "75:00:00", {"01", "39", "52"}}}) {
        SCOPED_TRACE(c.lng);
        open();
        if (c.east)
            click("cmdEW");
        type({"txtLng"}, {QLatin1String(c.lng)});
        type(kDateTimeBoxes, {"2000", "01", "01", "00", "00", "00"});
        type(kSiderealBoxes, {"", "", ""});
        click("cmdTime2Sidereal");
        EXPECT_EQ(texts(kSiderealBoxes), c.lmst);
        EXPECT_EQ(form->utInstant(), civil(2000, 1, 1));
    }
}

TEST_F(CalculatorTest, SiderealToTimeGivesTheFirstInstantOfTheUtDay)
{
    struct Case {
        QStringList lmst;
        QStringList time;
    };
    // 06 39 52 lies 0.27 s below the LMST at 0h UT: the instant comes at the
    // end of the same UT day.
    for (const Case &c : {Case{{"12", "00", "00"}, {"2000", "01", "01", "05", "19", "15"}},
                          Case{{"06", "39", "52"}, {"2000", "01", "01", "23", "56", "04"}}}) {
        open();
        type(kDateTimeBoxes, {"2000", "01", "01", "18", "30", "00"});
        type(kSiderealBoxes, c.lmst);
        click("cmdSidereal2Time");
        EXPECT_EQ(texts(kDateTimeBoxes), c.time);
        EXPECT_EQ(texts(kSiderealBoxes), c.lmst) << "the typed sidereal time stays";
        EXPECT_EQ(control<QCalendarWidget>("calendar1")->selectedDate(), QDate(2000, 1, 1));
    }
}

// Shown seconds are rounded to the nearest, half a second up, and a second
// rounded up carries into the minute, hour and day. The civil boxes show an
// instant held to the millisecond, so the sidereal time typed is chosen for
// a UT instant exactly on .500 s (and a millisecond either side); the
// sidereal boxes show the engine's LMST, here 20 ms either side of .5 s
// through a longitude chosen for it (a longitude is held to about 2 ms).
TEST_F(CalculatorTest, ShownSecondsRoundHalfUpAndCarry)
{
    const double day = civil(2000, 1, 1);
    const double lmst0 = ephemkit::localMeanSiderealTime(day, 0);  // hours, at 0h UT at Greenwich
    const auto hms = [](double hours) {
        const int h = int(hours);
        const int m = int((hours - h) * 60);
        const double s = (hours - h - m / 60.0) * 3600;
        return QStringList{QString::number(h), QString::number(m), QString::number(s, 'f', 9)};
    };
    const struct {
        QTime ut;        // the instant the typed sidereal time gives, UT of day
        const char *tz;  // local time in this zone; none for UT
        QStringList shown;
    } civilCases[] = {
        {QTime(12, 34, 59, 499), nullptr, {"2000", "01", "01", "12", "34", "59"}},
        {QTime(12, 34, 59, 500), nullptr, {"2000", "01", "01", "12", "35", "00"}},
        {QTime(12, 34, 59, 501), nullptr, {"2000", "01", "01", "12", "35", "00"}},
        {QTime(0, 59, 59, 500), nullptr, {"2000", "01", "01", "01", "00", "00"}},
        {QTime(0, 59, 59, 500), "-1", {"2000", "01", "01", "00", "00", "00"}},  // from 1999-12-31 23:59:59.5
        {QTime(0, 59, 59, 499), "-1", {"1999", "12", "31", "23", "59", "59"}},
    };
    for (const auto &c : civilCases) {
        SCOPED_TRACE(c.ut.toString(QStringLiteral("HH:mm:ss.zzz")).toStdString() + (c.tz ? " local" : " UT"));
        open();
        type({"txtLng"}, {"0"});
        if (c.tz) {
            click("chkLocal");  // the zone of the box, not the system's
            type({"txtTz"}, {QLatin1String(c.tz)});
            click("OptLocal");
        }
        type(kDateTimeBoxes, {"2000", "01", "01", c.tz ? "18" : "12", "00", "00"});
        const double siderealHours = c.ut.msecsSinceStartOfDay() / 3600000.0 / ephemkit::kUtPerSiderealHour;
        type(kSiderealBoxes, hms(std::fmod(lmst0 + siderealHours, 24.0)));
        click("cmdSidereal2Time");
        EXPECT_NEAR(form->utInstant(), day + c.ut.msecsSinceStartOfDay() / 86400000.0, 1e-4 / 86400)
            << "the instant itself, to the millisecond";
        EXPECT_EQ(texts(kDateTimeBoxes), c.shown);
    }

    const struct {
        double lmstHours;  // what the engine gives
        QStringList shown;
    } siderealCases[] = {
        {10 + 20 / 60.0 + 30.48 / 3600, {"10", "20", "30"}},
        {10 + 20 / 60.0 + 30.52 / 3600, {"10", "20", "31"}},
        {23 + 59 / 60.0 + 59.48 / 3600, {"23", "59", "59"}},
        {23 + 59 / 60.0 + 59.52 / 3600, {"00", "00", "00"}},
    };
    for (const auto &c : siderealCases) {
        SCOPED_TRACE(c.shown.join(u' ').toStdString());
        open();
        const double lngWestDeg = std::fmod((lmst0 - c.lmstHours) * 15 + 720, 360.0);
        type({"txtLng"}, {QString::number(lngWestDeg, 'f', 9)});
        type(kDateTimeBoxes, {"2000", "01", "01", "00", "00", "00"});
        click("cmdTime2Sidereal");
        ASSERT_NEAR(ephemkit::localMeanSiderealTime(day, form->lngWest()), c.lmstHours, 0.01 / 3600)
            << "the LMST aimed at";
        EXPECT_EQ(texts(kSiderealBoxes), c.shown);
    }
}

TEST_F(CalculatorTest, LocalTimeIsTakenInTheZoneOfTheBoxAndShownInUt)
{
    open();
    click("chkLocal");  // unchecked: the box keeps what it shows
    EXPECT_FALSE(control<QCheckBox>("chkLocal")->isChecked());
    type({"txtTz"}, {"-5"});
    click("OptLocal");
    type(kDateTimeBoxes, {"2000", "01", "01", "20", "00", "00"});
    click("cmdTime2Sidereal");
    EXPECT_EQ(form->utInstant(), civil(2000, 1, 2, 1));
    EXPECT_EQ(form->tzHours(), -5.0);
    click("OptUT");
    EXPECT_EQ(texts(kDateTimeBoxes), QStringList({"2000", "01", "02", "01", "00", "00"}));
    EXPECT_EQ(control<QCalendarWidget>("calendar1")->selectedDate(), QDate(2000, 1, 2));

    // A day picked in the calendar takes the time in the boxes, in the zone
    // the option buttons name; the sidereal time stays.
    click("OptLocal");
    const QStringList lmst = texts(kSiderealBoxes);
    clickDay(15);
    EXPECT_EQ(form->utInstant(), civil(2000, 1, 16, 1));
    EXPECT_EQ(texts(kDateTimeBoxes), QStringList({"2000", "01", "15", "20", "00", "00"}));
    EXPECT_EQ(texts(kSiderealBoxes), lmst);
}

TEST_F(CalculatorTest, LocalTzShowsTheSystemZoneWithItsFraction)
{
    struct Case {
        const char *zone;
        const char *shown;
        double hours;
    };
    for (const Case &c : {Case{"America/New_York", "-5.", -5}, Case{"Asia/Kolkata", "5.5", 5.5}}) {
        SCOPED_TRACE(c.zone);
        clock.zone = QTimeZone(c.zone);
        open();
        EXPECT_EQ(text("txtTz"), QLatin1String(c.shown));
        type({"txtTz"}, {"3"});
        click("chkLocal");
        EXPECT_EQ(text("txtTz"), QStringLiteral("3")) << "unchecking changes nothing";
        click("chkLocal");
        EXPECT_EQ(text("txtTz"), QLatin1String(c.shown));
        EXPECT_EQ(form->tzHours(), c.hours);
    }
}

TEST_F(CalculatorTest, DatesAndTimesOfTheCalendarAreTakenInEveryWrittenForm)
{
    struct Case {
        QStringList parts;
        double ut;
    };
    for (const Case &c : {Case{{"2024", "02", "29", "00", "00", "00"}, civil(2024, 2, 29)},
                          Case{{" 2000 ", "1", "+1", "7 ", "05", "9"}, civil(2000, 1, 1, 7, 5, 9)},
                          Case{{"0100", "01", "01", "00", "00", "00"}, civil(100, 1, 1)},
                          Case{{"9999", "12", "31", "23", "59", "59"}, civil(9999, 12, 31, 23, 59, 59)}}) {
        SCOPED_TRACE(c.parts.join(QLatin1Char(' ')).toStdString());
        open();
        type(kDateTimeBoxes, c.parts);
        click("cmdTime2Sidereal");
        EXPECT_EQ(form->utInstant(), c.ut);
        EXPECT_TRUE(messages.messages.isEmpty());
    }
}

TEST_F(CalculatorTest, WhatItCannotTakeIsRefusedAndNothingChanges)
{
    struct Case {
        QStringList boxes;
        QStringList values;
        const char *handler;  // a button, or "day" for a day picked in the calendar
        QString message;
    };
    const QString date = QStringLiteral("The date in the boxes is not a date of the calendar.\n") + InputForms::date();
    const QString time = QStringLiteral("The time in the boxes is not a time of day.\n") + InputForms::timeOfDay();
    const QString sidereal = QStringLiteral(
        "The sidereal time in the boxes is not a time of day.\nUse whole hours from 0 to 23, whole minutes from 0 to "
        "59 and seconds from 0 up to 60, such as 06 39 52.5.");
    const QString zone =
        QStringLiteral("You entered an invalid value for Time Zone. Please re-enter.\n") + InputForms::zoneHours();
    const QString outside = QStringLiteral("The date and time lie outside the years 100 to 9999.");
    const QString longitude = QStringLiteral("Error in Longitude format.\n") + InputForms::longitude();
    const QStringList ymd{"txtYear", "txtMonth", "txtDay"};
    for (const Case &c :
         {// Parts that once rolled over into the next unit.
          Case{ymd, {"2026", "02", "30"}, "cmdTime2Sidereal", date},
          Case{{"txtMonth"}, {"13"}, "cmdTime2Sidereal", date}, Case{{"txtDay"}, {"00"}, "cmdSidereal2Time", date},
          Case{{"txtHr"}, {"25"}, "cmdTime2Sidereal", time}, Case{{"txtMin"}, {"-1"}, "day", time},
          Case{{"txtSec"}, {"60"}, "cmdSidereal2Time", time},
          // Texts once read by their leading number.
          Case{{"txtMonth"}, {"1x"}, "cmdTime2Sidereal", date}, Case{{"txtDay"}, {"1.5"}, "cmdTime2Sidereal", date},
          Case{{"txtSec"}, {"4,9"}, "day", time}, Case{{"txtYear"}, {"99"}, "cmdTime2Sidereal", date},
          Case{{"txtYear"}, {"40000"}, "cmdTime2Sidereal", date},
          Case{{"txtSidHr"}, {"24"}, "cmdSidereal2Time", sidereal},
          Case{{"txtSidMin"}, {"5x"}, "cmdSidereal2Time", sidereal},
          Case{{"txtSidSec"}, {"60"}, "cmdSidereal2Time", sidereal}, Case{{"txtTz"}, {"5x"}, "cmdTime2Sidereal", zone},
          Case{{"txtTz"}, {"-24.5"}, "cmdNow", zone}, Case{{"txtTz"}, {""}, "day", zone},
          Case{{"txtLng"}, {"361:00:00"}, "cmdTime2Sidereal", longitude},
          Case{{"txtLng"}, {"400"}, "cmdSidereal2Time", longitude}, Case{{"txtLng"}, {"12x"}, "cmdNow", longitude}}) {
        SCOPED_TRACE(c.values.join(QLatin1Char(' ')).toStdString() + " " + c.handler);
        messages.messages.clear();
        open();
        clock.advance(3600);
        type({"txtLng"}, {"75"});  // typed, not yet taken
        type(c.boxes, c.values);
        const QStringList before = snapshot();
        if (QLatin1String(c.handler) == QLatin1String("day"))
            clickDay(15);
        else
            click(QLatin1String(c.handler));
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(form->lngWest(), 0.0f);
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_EQ(messages.messages[0].text, c.message);
    }

    // A local time whose UT lies beyond the calendar.
    messages.messages.clear();
    open();
    click("OptLocal");
    type({"txtTz"}, {"-5"});
    type(kDateTimeBoxes, {"9999", "12", "31", "23", "00", "00"});
    const QStringList before = snapshot();
    click("cmdTime2Sidereal");
    EXPECT_EQ(snapshot(), before);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].text, outside);
}

TEST_F(CalculatorTest, NowShowsTheClockInUtWithItsSiderealTime)
{
    open();
    clock.now = QDateTime(QDate(2024, 3, 20), QTime(0, 0), Qt::UTC);
    click("chkLocal");
    type({"txtTz"}, {"-5"});
    click("cmdEW");
    type({"txtLng"}, {"75"});  // 75 east
    click("cmdNow");
    EXPECT_EQ(texts(kDateTimeBoxes), QStringList({"2024", "03", "20", "00", "00", "00"}));
    EXPECT_EQ(texts(kSiderealBoxes), QStringList({"16", "52", "05"}));  // 16.8679181 h
    EXPECT_EQ(form->lngWest(), 285.0f);
}

// A place picked with its tzdata zone: local times follow its daylight
// saving on the date worked on, whatever the season the place was picked in.
TEST_F(CalculatorTest, LocalTimesOfAPickedZoneFollowItsDaylightSaving)
{
    open();
    observerDialog = [this] {
        observer.ObserverZoneId = QStringLiteral("Europe/Berlin");
        observer.ObserverTZ = 1;
        observer.ObserverCancelled = false;
    };
    click("cmdMap");
    click("OptLocal");
    type(kDateTimeBoxes, {"2026", "07", "15", "22", "00", "00"});
    click("cmdTime2Sidereal");
    EXPECT_EQ(form->utInstant(), civil(2026, 7, 15, 20));
    EXPECT_EQ(text("txtTz"), QStringLiteral("2."));
    type(kDateTimeBoxes, {"2026", "01", "15", "22", "00", "00"});
    click("cmdTime2Sidereal");
    EXPECT_EQ(form->utInstant(), civil(2026, 1, 15, 21));
    EXPECT_EQ(text("txtTz"), QStringLiteral("1."));
}

TEST_F(CalculatorTest, MapTakesTheObserverOnlyWhenConfirmed)
{
    for (const bool confirm : {true, false}) {
        SCOPED_TRACE(confirm ? "OK" : "Cancel");
        prefs.LAT = 10;
        observer.DSTRule = 4;
        open();
        click("OptLocal");
        ObserverExchange seen;
        observerDialog = [&] {
            seen = observer;
            if (confirm) {
                observer.ObserverLng = 75;
                observer.ObserverLat = 40.5;
                observer.ObserverTZ = 1;
                observer.ObserverDSTRule = 2;
                observer.ObserverCancelled = false;
            }
        };
        const QStringList before = snapshot();
        click("cmdMap");
        EXPECT_TRUE(seen.ObserverCancelled);
        EXPECT_EQ(QList<double>({seen.ObserverLng, seen.ObserverLat, seen.ObserverTZ}), QList<double>({0, 10, 0}));
        EXPECT_EQ(seen.ObserverDSTRule, 4);
        if (!confirm) {
            EXPECT_EQ(snapshot(), before);
            EXPECT_EQ(observer.DSTRule, 4);
            continue;
        }
        EXPECT_EQ(texts({"txtLng", "txtTz"}), QStringList({"75:00:00.0", " 1"}));
        EXPECT_FALSE(control<QCheckBox>("chkLocal")->isChecked());
        EXPECT_EQ(texts(kDateTimeBoxes), QStringList({"2000", "01", "01", "01", "00", "00"})) << "shown at UT+1";
        EXPECT_EQ(form->latDeg(), 40.5f);
        EXPECT_EQ(observer.DSTRule, 2);
    }
}

// A site picked in the Site list takes the longitude box and gives the LMST
// there for the instant in the boxes: the observer's, shifted by the
// longitude between them. The observer's place, first in the list, gives
// the observer's again; without sites there is no list.
TEST_F(CalculatorTest, ASitePickedGivesTheSiderealTimeThere)
{
    prefs.LNG = 75;
    prefs.LAT = 40;
    prefs.Sites = {{QStringLiteral("Paranal"), 70.4042, -24.6272},
                   {QStringLiteral("Mauna Kea"), 155.4681, 19.8206},
                   {QStringLiteral("Siding Spring"), 210.9339, -31.2733}};
    const double ut = civil(2000, 1, 1, 10, 17, 23);
    clock.now = automation::fromAutomationDate(ut);
    for (const QString &place : {QStringLiteral("Philadelphia"), QString()}) {
        SCOPED_TRACE(place.toStdString());
        prefs.Place = place;
        open();
        auto *site = control<QComboBox>("cmbSite");
        ASSERT_TRUE(site->isVisibleTo(form.get()));
        ASSERT_EQ(site->count(), 4);
        EXPECT_EQ(site->itemText(0), place.isEmpty() ? QStringLiteral("Your place") : place);
        EXPECT_EQ(site->accessibleName(), QStringLiteral("Site"));
        const double observerHours = ephemkit::localMeanSiderealTime(ut, prefs.LNG);
        for (int index : {1, 3, 2, 0}) {
            site->setCurrentIndex(index);
            const double lngWestDeg = index ? prefs.Sites[index - 1].lngWestDeg : prefs.LNG;
            const double latDeg = index ? prefs.Sites[index - 1].latDeg : prefs.LAT;
            const QStringList shown = texts(kSiderealBoxes);
            const double shownSeconds = shown[0].toInt() * 3600 + shown[1].toInt() * 60 + shown[2].toInt();
            const double expectedSeconds = siteLmstHours(observerHours, prefs.LNG, lngWestDeg) * 3600;
            EXPECT_NEAR(std::remainder(shownSeconds - expectedSeconds, 86400), 0, 0.5 + 1e-6) << index;
            EXPECT_NEAR(form->lngWest(), lngWestDeg, 1e-4);
            EXPECT_NEAR(form->latDeg(), latDeg, 1e-4);
            EXPECT_EQ(form->utInstant(), ut) << "the instant stays";
        }
    }
    prefs.Sites.clear();
    open();
    EXPECT_FALSE(control<QComboBox>("cmbSite")->isVisibleTo(form.get()));
}

}  // namespace
