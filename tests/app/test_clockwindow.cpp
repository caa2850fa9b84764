// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The clock window: start-up from the settings, the tick, the menu, closing.

#include "alarmtable.h"
#include "appparts.h"
#include "civil.h"
#include "clock.h"
#include "fontlimits.h"
#include "clockwindow.h"
#include "logcapture.h"
#include "messageservice.h"
#include "modastrosubs.h"
#include "noctalismodule.h"
#include "preferences.h"
#include "scriptedclocksync.h"
#include "secondticker.h"
#include "settingsstore.h"
#include "settingvalues.h"
#include "uidriver.h"
#include "variant.h"

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace noctalis;

class ClockWindowTest : public ::testing::Test, protected AppParts {
protected:
    ClockWindowTest()
    {
        clock.now = QDateTime(QDate(2024, 3, 20), QTime(5, 30, 0), Qt::UTC);
        clock.setOffsetSeconds(0);
    }

    std::unique_ptr<ClockWindow> start(const QString &progId = QStringLiteral("Ephemlib.Ephemkit"))
    {
        auto form = std::make_unique<ClockWindow>(context(progId));
        form->load();
        return form;
    }

    void store(const char *key, const char *value) { writeSetting(settings, QLatin1String(key), QLatin1String(value)); }

    QString read(const char *key)
    {
        return settings.read(settingsSection(), QLatin1String(key), QStringLiteral("<none>"));
    }

    QAction *menuAction(ClockWindow &form, const char *name)
    {
        return form.optionsMenu()->findChild<QAction *>(QLatin1String(name));
    }

    static double twips(int pixels) { return pixels * 15.0; }  // 96 dots per inch
};

TEST_F(ClockWindowTest, FirstRunWithAnEmptyStore)
{
    clock.setOffsetSeconds(-5 * 3600);
    auto form = start();
    EXPECT_TRUE(prefs.DetectTZ);
    EXPECT_EQ(prefs.TZ, -5.0) << "zone from the system";
    EXPECT_TRUE(prefs.DisplayWest);
    EXPECT_EQ(prefs.LNG, 0.0f);
    EXPECT_EQ(prefs.LAT, 0.0f);
    EXPECT_FALSE(prefs.AlarmsEnabled);
    EXPECT_FALSE(prefs.StartUp);
    EXPECT_TRUE(prefs.TopMost);
    EXPECT_EQ(prefs.DateFormat, QStringLiteral("MM/DD/YYYY"));
    EXPECT_EQ(form->clockLabel()->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(form->clockLabel()->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(form->clockLabel()->font().family(), QStringLiteral("Arial"));
    EXPECT_TRUE(form->clockLabel()->font().bold());
    EXPECT_EQ(form->clockLabel()->font().pointSizeF(), 20.0);
    EXPECT_FALSE(form->displayUT());
    EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("LMST"));
    EXPECT_EQ(form->clockLabel()->text(), QStringLiteral("00:00:00")) << "until the first tick";
    EXPECT_EQ(form->height(), form->clockLabel()->height());
    const QRect screen = form->screen()->geometry();
    EXPECT_EQ(form->pos(), QPoint(screen.width() / 2, screen.height() / 2));
    EXPECT_TRUE(alarms.isPlaceholder());
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_TRUE(form->timer()->isActive());
    EXPECT_EQ(form->timer()->interval(), 1000 + SecondTicker::kPhaseMs) << "just after the next whole second";
}

TEST_F(ClockWindowTest, StoredValues)
{
    store("DetectTZ", "false");
    store("TZ", "-3.5");
    store("DisplayWest", "False");
    store("LNG", "10");
    store("LAT", "-33:52:00");
    store("BkColor", "&HFF0000");
    store("DigitColor", "255");
    store("FontName", "DejaVu Sans");
    store("FontBold", "0");
    store("FontSize", "30");
    store("TopMost", "False");
    store("AlarmsEnabled", "1");
    store("DisplayUT", "TRUE");
    store("DateFormat", "DD/MM/YYYY");
    auto form = start();
    EXPECT_EQ(prefs.TZ, -3.5);
    EXPECT_EQ(prefs.LNG, 350.0f) << "10 east";
    EXPECT_EQ(form->engine().get(QStringLiteral("LNG")), QVariant(350.0));
    EXPECT_NEAR(prefs.LAT, -(33 + 52 / 60.0), 1e-5);
    EXPECT_TRUE(prefs.AlarmsEnabled);
    EXPECT_FALSE(prefs.TopMost);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(prefs.DateFormat, QStringLiteral("DD/MM/YYYY"));
    EXPECT_EQ(form->clockLabel()->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(form->utClockLabel()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_FALSE(form->clockLabel()->font().bold());
    EXPECT_EQ(form->clockLabel()->font().pointSizeF(), 30.0);
    EXPECT_EQ(form->utHeadingLabel()->font().pointSizeF(), 18.0);
    EXPECT_EQ(form->utHeadingLabel()->text(), QStringLiteral(" UT"));
    EXPECT_TRUE(form->displayUT());
    EXPECT_TRUE(menuAction(*form, "mnuDisplayUT")->isChecked());
    EXPECT_EQ(form->height(),
              form->clockLabel()->height() + form->utHeadingLabel()->height() + form->utClockLabel()->height());
}

TEST_F(ClockWindowTest, NegativeStoredLongitudesGoRoundTheCircle)
{
    store("DisplayWest", "False");
    store("LNG", "-75:30:00");  // 75.5 degrees west, typed as an east longitude
    auto east = start();
    EXPECT_EQ(prefs.LNG, 75.5f);
    EXPECT_EQ(east->engine().get(QStringLiteral("LNG")), QVariant(75.5));
    store("DisplayWest", "True");
    store("LNG", "-75");  // 75 degrees east, typed as a west longitude
    auto west = start();
    EXPECT_EQ(prefs.LNG, 285.0f);
    EXPECT_EQ(west->engine().get(QStringLiteral("LNG")), QVariant(285.0));
    store("DisplayWest", "False");
    store("LNG", "0");  // 0 east is 360 west, which the engine takes as 0
    auto zero = start();
    EXPECT_EQ(prefs.LNG, 360.0f);
    EXPECT_EQ(zero->engine().get(QStringLiteral("LNG")), QVariant(0.0));
}

TEST_F(ClockWindowTest, MalformedStoredLongitudeIsToldOnceAndGivesZero)
{
    store("LNG", "5::00");
    auto form = start();
    EXPECT_EQ(prefs.LNG, 0.0f);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Longitude Error"));
}

TEST_F(ClockWindowTest, TimeZoneBeyond24HoursIsToldOnceAndGivesZero)
{
    store("DetectTZ", "False");
    for (const char *tz : {"1e308", "-25"}) {
        store("TZ", tz);
        messages.messages.clear();
        auto form = start();
        EXPECT_EQ(prefs.TZ, 0.0) << tz;
        ASSERT_EQ(messages.messages.size(), 1) << tz;
        EXPECT_EQ(messages.messages[0].title, QStringLiteral("Time Zone Error"));
        EXPECT_EQ(messages.messages[0].text,
                  QStringLiteral("Could not interpret as Time Zone\nUse a number of hours from -24 to 24"));
        fire(form->timer());
        EXPECT_EQ(form->utClockLabel()->text(), QStringLiteral("05:30:00")) << "the clock runs on UT = local time";
    }
    store("TZ", "-24");
    messages.messages.clear();
    start();
    EXPECT_EQ(prefs.TZ, -24.0);
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(ClockWindowTest, StoredSitesAreReadAndEntriesThatAreNoSiteAreTold)
{
    store("Sites", "Paranal|70.4042|-24.6272;bad|x|1;Mauna Kea|155.4681|19.8206;");
    auto form = start();
    EXPECT_EQ(prefs.Sites, QList<Site>({{QStringLiteral("Paranal"), 70.4042, -24.6272},
                                        {QStringLiteral("Mauna Kea"), 155.4681, 19.8206}}));
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Sites"));
    EXPECT_TRUE(messages.messages[0].text.endsWith(QStringLiteral("\nbad|x|1")));
}

TEST_F(ClockWindowTest, AlarmFileOfTheSettingsIsLoaded)
{
    const QString path = dir.filePath(QStringLiteral("night.alm"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("SIDEREAL ALARM FILE\r\nNAME:M31 transit\r\nACTION:0\r\nSIDEREALTIME:.03\r\n"
               "ENABLED:True\r\nPARAM1:Look up\r\nPARAM2:\r\nPARAM3:\r\nDURATION:0.5\r\n"
               "END ALARM DEF\r\n");
    file.close();
    writeSetting(settings, QStringLiteral("AlarmFile"), path);
    auto form = start();
    EXPECT_EQ(prefs.AlarmFile, path);
    ASSERT_EQ(alarms.size(), 1);
    EXPECT_EQ(alarms[0].Name, QStringLiteral("M31 transit"));
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(ClockWindowTest, MissingAlarmFileIsToldOnceAndTheClockRuns)
{
    const QString path = dir.filePath(QStringLiteral("gone.alm"));
    writeSetting(settings, QStringLiteral("AlarmFile"), path);
    LogCapture log;
    auto form = start();
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral("noctalis.alarms: read the alarm file skipped: ") + path
                                       + QStringLiteral(": not found")});
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("Alarm File: \r\n") + path + QStringLiteral("\r\nNot Found."));
    EXPECT_EQ(messages.messages[0].title, programTitle());
    EXPECT_TRUE(alarms.isPlaceholder());
    fire(form->timer());
    EXPECT_NE(form->clockLabel()->text(), QStringLiteral("00:00:00"));
}

TEST_F(ClockWindowTest, PositionsInsideAndOutsideTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint centre(screen.width() / 2, screen.height() / 2);
    struct Case {
        const char *left;
        const char *top;
        bool leftKept;
        bool topKept;
    } cases[] = {
        {"1500", "1500", true, true}, {"0", "1500", false, true},       {"-300", "-15", false, false},
        {"1500", "0", true, false},   {"99999", "99999", false, false},
    };
    for (const Case &c : cases) {
        store("Left", c.left);
        store("Top", c.top);
        auto form = start();
        EXPECT_EQ(form->pos().x(), c.leftKept ? QString::fromLatin1(c.left).toInt() / 15 : centre.x()) << c.left;
        EXPECT_EQ(form->pos().y(), c.topKept ? QString::fromLatin1(c.top).toInt() / 15 : centre.y()) << c.top;
    }
    // Right edge past the screen: centred. Top within 100 twips of the
    // bottom limit: centred.
    auto probe = start();
    const double width = twips(probe->frameGeometry().width());
    const double height = twips(probe->frameGeometry().height());
    store("Left", QByteArray::number(twips(screen.width()) - width + 15).constData());
    store("Top", QByteArray::number(twips(screen.height()) - height - 90).constData());
    auto form = start();
    EXPECT_EQ(form->pos(), centre);
}

// A first start (no longitude stored) places the observer at the principal
// city of the computer's zone and says so in the face's tooltip; UTC, and a
// zone tzdata has no city for, keep Greenwich. A stored place is kept.
TEST_F(ClockWindowTest, FirstStartTakesThePlaceFromTheComputersZone)
{
    struct Case {
        const char *zone;
        float latDeg, lngWestDeg;
        const char *place;
    };
    for (const Case &c : {Case{"Europe/Berlin", 52.5f, 360 - (13 + 22 / 60.0f), "Berlin"},
                          Case{"America/Santiago", -(33 + 27 / 60.0f), 70 + 40 / 60.0f, "Santiago"},
                          Case{"Asia/Kathmandu", 27 + 43 / 60.0f, 360 - (85 + 19 / 60.0f), "Kathmandu"},
                          Case{"UTC", 0, 0, "Greenwich"}}) {
        SCOPED_TRACE(c.zone);
        clock.zone = QTimeZone(c.zone);
        auto form = start();
        EXPECT_NEAR(prefs.LAT, c.latDeg, 1e-4);
        EXPECT_NEAR(prefs.LNG, c.lngWestDeg, 1e-4);
        EXPECT_EQ(prefs.Place, QLatin1String(c.place));
        EXPECT_TRUE(form->clockLabel()->toolTip().contains(QLatin1String(c.place)))
            << form->clockLabel()->toolTip().toStdString();
    }
    store("LNG", "75");
    clock.zone = QTimeZone("Europe/Berlin");
    start();
    EXPECT_EQ(prefs.LNG, 75.0f) << "a stored place is no first start";
}

TEST_F(ClockWindowTest, WithoutAnEngineTheFaceShowsNoTimeAndSaysWhyOnce)
{
    LogCapture log;
    auto form = start(QStringLiteral("No.Such.Engine"));
    EXPECT_TRUE(form->engine().isEmpty());
    clock.now = QDateTime(QDate(2024, 3, 20), QTime(13, 4, 4), Qt::UTC);
    fire(form->timer());
    clock.advance(1);
    fire(form->timer());
    const QString why =
        QStringLiteral("ActiveX component can't create object: No.Such.Engine: no library serves it in ");
    ASSERT_EQ(log.lines().size(), 1) << "start-up says why, the ticks stay quiet: "
                                     << log.lines().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(log.lines()[0].contains(why)) << log.lines()[0].toStdString();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].text.contains(why)) << messages.messages[0].text.toStdString();
    EXPECT_EQ(form->clockLabel()->text(), QStringLiteral("--:--:--")) << "no sidereal time rather than a wrong one";
    EXPECT_TRUE(form->clockLabel()->toolTip().contains(why));
    EXPECT_EQ(form->utClockLabel()->text(), QStringLiteral("13:04:05"));
}

TEST_F(ClockWindowTest, TickShowsLmstAndUt)
{
    store("LNG", "75");
    clock.setOffsetSeconds(-5 * 3600);
    auto form = start();
    clock.now = QDateTime(QDate(2000, 1, 1), QTime(12, 0, 0), Qt::UTC);
    fire(form->timer());
    EXPECT_EQ(form->utClockLabel()->text(), QStringLiteral("12:00:00"));
    EXPECT_EQ(form->clockLabel()->text(), QStringLiteral("13:41:50")) << "13.6973745 h";
    EXPECT_EQ(prefs.CurrentUT, QDateTime(QDate(2000, 1, 1), QTime(12, 0), Qt::UTC));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("LMST"));
}

// UT, and so the LMST, is the clock's UTC whatever zone the computer is in
// and whatever zone the observer stored: Santiago's computer in daylight
// saving with Santiago picked at its standard offset, Berlin picked in
// winter and shown in July, an observer in Kathmandu on a computer set to
// Santiago time. The stored zone only says what TZ is now.
TEST_F(ClockWindowTest, UtIsTheSystemsUtcWhateverZoneIsStored)
{
    struct Case {
        const char *what;
        const char *system;
        const char *detect;
        const char *tz;
        const char *tzid;
        QDateTime utc;
        double tzNow;
    };
    const QDateTime january(QDate(2026, 1, 15), QTime(12, 0, 0), Qt::UTC);
    const QDateTime july(QDate(2026, 7, 15), QTime(12, 0, 0), Qt::UTC);
    for (const Case &c :
         {Case{"Santiago detected", "America/Santiago", "True", "0", "", january, -3},
          Case{"Santiago picked", "America/Santiago", "False", "-4", "America/Santiago", january, -3},
          Case{"Santiago typed", "America/Santiago", "False", "-4", "", january, -4},
          Case{"Berlin in July", "Europe/Berlin", "False", "1", "Europe/Berlin", july, 2},
          Case{"Kathmandu on Santiago", "America/Santiago", "False", "5.75", "Asia/Kathmandu", july, 5.75},
          Case{"UT+5:30 detected", "Asia/Kolkata", "True", "0", "", july, 5.5}}) {
        SCOPED_TRACE(c.what);
        store("LNG", "75");
        store("DetectTZ", c.detect);
        store("TZ", c.tz);
        store("TZID", c.tzid);
        clock.zone = QTimeZone(c.system);
        clock.now = c.utc.addMSecs(5);
        auto form = start();
        fire(form->timer());
        EXPECT_EQ(form->utClockLabel()->text(), QStringLiteral("12:00:00"));
        const double lmst = ephemkit::localMeanSiderealTime(automation::toAutomationDate(c.utc), 75);
        EXPECT_EQ(form->clockLabel()->text(), FormatHoursHMS(lmst + 0.005 * 1.002737908 / 3600));
        EXPECT_EQ(prefs.TZ, c.tzNow);
    }
}

TEST_F(ClockWindowTest, ZoneIsReReadOnTheFirstTickOfANewMinute)
{
    clock.zone = QTimeZone("Europe/Berlin");
    clock.now = QDateTime(QDate(2024, 10, 27), QTime(0, 59, 30), Qt::UTC);  // 02:59:30 summer time
    auto form = start();
    EXPECT_EQ(prefs.TZ, 2.0);
    fire(form->timer());  // minute 59 differs from the empty last minute: refresh
    EXPECT_EQ(prefs.TZ, 2.0);
    // The first tick of the next minute sees the end of daylight saving;
    // UT runs on regardless.
    clock.now = QDateTime(QDate(2024, 10, 27), QTime(1, 0, 0), Qt::UTC);
    fire(form->timer());
    EXPECT_EQ(prefs.TZ, 1.0);
    EXPECT_EQ(form->utClockLabel()->text(), QStringLiteral("01:00:00"));
}

TEST_F(ClockWindowTest, NoRefreshAtMinuteZeroRightAfterStartUp)
{
    clock.now = QDateTime(QDate(2024, 1, 1), QTime(10, 0, 5), Qt::UTC);
    clock.setOffsetSeconds(3600);
    auto form = start();
    clock.setOffsetSeconds(7200);
    fire(form->timer());
    EXPECT_EQ(prefs.TZ, 1.0) << "an empty last minute equals minute 0";
    clock.now = QDateTime(QDate(2024, 1, 1), QTime(10, 1, 0), Qt::UTC);
    fire(form->timer());
    EXPECT_EQ(prefs.TZ, 2.0);
}

// The face shows the true LMST, cut to the second, and turns over within
// 20 ms of each sidereal second, while the UT row keeps the UT second: the
// ticker wakes for whichever comes first, over a span that drifts the two
// seconds through a whole cycle of their phases.
TEST_F(ClockWindowTest, FaceTurnsOverWithTheSiderealSecond)
{
    store("LNG", "75");
    store("DUT1", "-0.3");
    clock.now = QDateTime(QDate(2024, 3, 20), QTime(5, 30, 0, 417), Qt::UTC);
    auto form = start();
    const auto trueLmstSeconds = [](const QDateTime &t) {
        const double ut1 = automation::toAutomationDate(t) - 0.3 / 86400;
        const double wholeSecond = std::floor(ut1 * 86400 + 1e-6) / 86400;
        return ephemkit::localMeanSiderealTime(wholeSecond, 75) * 3600 + (ut1 - wholeSecond) * 86400 * 1.002737908;
    };
    form->ticker()->timerFired();
    QDateTime last = clock.now;
    for (int wake = 0; wake < 800; ++wake) {
        clock.now = last.addMSecs(form->timer()->interval());
        form->ticker()->timerFired();
        const double before = trueLmstSeconds(last), now = trueLmstSeconds(clock.now);
        const std::string at = clock.now.toString(Qt::ISODateWithMs).toStdString();
        ASSERT_LE(std::floor(now) - std::floor(before), 1) << "a sidereal second passed unseen at " << at;
        if (std::floor(now) > std::floor(before)) {
            EXPECT_LT(now - std::floor(now), 0.020 * 1.002737908) << "late turn-over at " << at;
        }
        EXPECT_EQ(form->clockLabel()->text(), FormatHoursHMS(now / 3600)) << at;
        EXPECT_EQ(form->utClockLabel()->text(), clock.now.toString(QStringLiteral("HH:mm:ss")));
        last = clock.now;
    }
}

TEST_F(ClockWindowTest, FaceAndTimeFieldsShowTheSameSecondLateInIt)
{
    auto form = start();
    // Find the second before an LMST of 23:59:59.7 at some longitude: pick the
    // longitude so that the LMST at this instant is exactly that.
    clock.now = QDateTime(QDate(2024, 3, 20), QTime(0, 0, 0), Qt::UTC);
    const double l0 = ephemkit::localMeanSiderealTime(civil(2024, 3, 20), 0);
    double lng = (l0 - (23 + 59 / 60.0 + 59.7 / 3600)) * 15;
    while (lng < 0)
        lng += 360;
    form->engine().set(QStringLiteral("LNG"), lng);
    fire(form->timer());
    EXPECT_EQ(form->clockLabel()->text(), QStringLiteral("23:59:59"));
    EXPECT_EQ(form->ExpandTimeFields(QStringLiteral("[LMST HH:MM:SS]")), QStringLiteral("23:59:59"));
}

TEST_F(ClockWindowTest, DisplayUtToggledTwice)
{
    auto form = start();
    const QSize before = form->size();
    menuAction(*form, "mnuDisplayUT")->trigger();
    EXPECT_TRUE(form->displayUT());
    EXPECT_TRUE(menuAction(*form, "mnuDisplayUT")->isChecked());
    EXPECT_EQ(read("DisplayUT"), QStringLiteral("True"));
    EXPECT_GT(form->height(), before.height());
    menuAction(*form, "mnuDisplayUT")->trigger();
    EXPECT_EQ(read("DisplayUT"), QStringLiteral("False"));
    EXPECT_EQ(form->size(), before);
    QFile file(settings.filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[Settings]\nDisplayUT=False\n")) << "the program's one section";
}

// 1987-04-10 00:04:30 UT at Greenwich: LMST 13:15:17.106 (Meeus example
// 12.a's 13h10m46.3668s at 0h, then 270 s at 1.002737908), LAST 0.2317 s
// less (the equation of the equinoxes there), so the LAST row shows the
// second before. DUT1 = 0.5 s moves both by 0.501 s, DUT1 = -0.2 s the LMST
// back into the second before.
TEST_F(ClockWindowTest, LastRowShowsTheApparentTimeOfTheSameTickAndDut1MovesBoth)
{
    auto plain = start();
    store("DisplayLAST", "True");
    auto form = start();
    EXPECT_TRUE(form->lastClockLabel()->isVisibleTo(form.get()));
    EXPECT_EQ(form->lastHeadingLabel()->text(), QStringLiteral("LAST"));
    EXPECT_GT(form->height(), plain->height());
    const struct {
        const char *dut1;
        const char *lmst;
        const char *last;
    } cases[] = {{"0", "13:15:17", "13:15:16"}, {"0.5", "13:15:17", "13:15:17"}, {"-0.2", "13:15:16", "13:15:16"}};
    for (const auto &c : cases) {
        store("DUT1", c.dut1);
        form = start();
        clock.now = QDateTime(QDate(1987, 4, 10), QTime(0, 4, 30), Qt::UTC);
        fire(form->timer());
        EXPECT_EQ(form->clockLabel()->text(), QLatin1String(c.lmst)) << c.dut1;
        EXPECT_EQ(form->lastClockLabel()->text(), QLatin1String(c.last)) << c.dut1;
    }
}

TEST_F(ClockWindowTest, BiggerFontGivesABiggerClock)
{
    auto small = start();
    store("FontSize", "40");
    auto big = start();
    EXPECT_GT(big->width(), small->width());
    EXPECT_GT(big->height(), small->height());
}

TEST_F(ClockWindowTest, AbsurdFontSizesAreKeptToThePickersRangeAndTheWindowToItsScreen)
{
    store("DisplayUT", "True");
    const struct {
        const char *stored;
        double points;
    } cases[] = {{"3", kMinClockFontPoints}, {"200", kMaxClockFontPoints}, {"1e6", kMaxClockFontPoints}, {"30", 30}};
    for (const auto &c : cases) {
        store("FontSize", c.stored);
        auto form = start();
        EXPECT_EQ(form->clockLabel()->font().pointSizeF(), c.points) << c.stored;
        EXPECT_EQ(form->utClockLabel()->font().pointSizeF(), c.points) << c.stored;
        EXPECT_EQ(prefs.FontSize, c.points) << c.stored;
        // The whole clock on its screen, not only its corner at the middle;
        // a clock wider or taller than the screen (144 points of a wide
        // font on the 800 x 600 test screen) starts at its left or top edge.
        const QRect area = form->screen()->availableGeometry();
        const QRect frame = form->frameGeometry();
        EXPECT_TRUE(frame.left() >= area.left() && frame.top() >= area.top()) << c.stored;
        EXPECT_TRUE(frame.right() <= area.right() || frame.left() == area.left())
            << c.stored << ": " << frame.width() << " px wide";
        EXPECT_TRUE(frame.bottom() <= area.bottom() || frame.top() == area.top())
            << c.stored << ": " << frame.height() << " px high";
    }
}

TEST_F(ClockWindowTest, MenuKeyAndShiftF10OpenTheMenuAtTheClockFace)
{
    auto form = start();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    for (const auto &[key, modifiers] : {std::pair{Qt::Key_Menu, Qt::NoModifier}, {Qt::Key_F10, Qt::ShiftModifier}}) {
        QTest::keyClick(form.get(), key, modifiers);
        EXPECT_TRUE(form->optionsMenu()->isVisible()) << key;
        EXPECT_EQ(form->optionsMenu()->pos(), form->clockLabel()->mapToGlobal(form->clockLabel()->rect().center()));
        form->optionsMenu()->hide();
    }
}

TEST_F(ClockWindowTest, MenuHoldsTheWorkingEntriesInOrder)
{
    auto form = start();
    QStringList names;
    for (QAction *a : form->optionsMenu()->actions())
        names << a->objectName();
    EXPECT_EQ(names, (QStringList{"mnuClose", "mnuMinimize", "mnuDisplayUT", "mnuFullScreen", "mnuNightVision",
                                  "mnuConfig", "mnuCalculator", "mnuTonight", "mnuAlarms", "mnuAbout"}));
    EXPECT_EQ(menuAction(*form, "mnuClose")->text(), QStringLiteral("&Close"));
    EXPECT_EQ(menuAction(*form, "mnuDisplayUT")->text(), QStringLiteral("Display &UT"));
    EXPECT_EQ(menuAction(*form, "mnuConfig")->text(), QStringLiteral("C&onfigure"));
}

TEST_F(ClockWindowTest, RightButtonOnAnyLabelOpensTheMenuAtTheMouse)
{
    store("DisplayUT", "True");
    auto form = start();
    form->show();
    for (QLabel *label : {form->clockLabel(), form->utHeadingLabel(), form->utClockLabel()}) {
        QTest::mousePress(label, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        EXPECT_TRUE(form->optionsMenu()->isVisible()) << label->objectName().toStdString();
        EXPECT_EQ(form->optionsMenu()->pos(), label->mapToGlobal(QPoint(5, 5)));
        form->optionsMenu()->hide();
        QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        EXPECT_FALSE(form->optionsMenu()->isVisible());
    }
}

TEST_F(ClockWindowTest, ClosingStoresThePositionInTwips)
{
    auto form = start();
    form->show();
    form->move(150, 120);
    form->close();
    EXPECT_EQ(read("Left"), QString::number(twips(form->frameGeometry().x())));
    EXPECT_EQ(read("Top"), QString::number(twips(form->frameGeometry().y())));
    EXPECT_FALSE(form->timer()->isActive());
}

TEST_F(ClockWindowTest, ClosingMinimisedOrOffScreenStoresNothing)
{
    store("Left", "1500");
    store("Top", "1500");
    {
        auto form = start();
        form->show();
        form->setWindowState(Qt::WindowMinimized);
        form->close();
        EXPECT_EQ(read("Left"), QStringLiteral("1500"));
        EXPECT_EQ(read("Top"), QStringLiteral("1500"));
    }
    auto form = start();
    form->show();
    const QRect screen = form->screen()->geometry();
    form->move(screen.width() - 10, -40);  // right edge off the screen, top negative
    form->close();
    EXPECT_EQ(read("Left"), QStringLiteral("1500"));
    EXPECT_EQ(read("Top"), QString::number(twips(form->frameGeometry().y())));
}

TEST_F(ClockWindowTest, CaptionShowsTheLmstWhileMinimised)
{
    auto form = start();
    form->show();
    form->setWindowState(Qt::WindowMinimized);
    fire(form->timer());
    EXPECT_EQ(form->windowTitle(), form->clockLabel()->text());
    form->setWindowState(Qt::WindowNoState);
    clock.advance(1);
    fire(form->timer());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("LMST"));
}

TEST_F(ClockWindowTest, MaximisingIsUndone)
{
    auto form = start();
    form->show();
    const QSize size = form->size();
    form->setWindowState(Qt::WindowMaximized);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_FALSE(form->isMaximized());
    EXPECT_EQ(form->size(), size);
}

TEST_F(ClockWindowTest, AlarmCheckRunsOnlyWhenAlarmsAreOnAndNoDialogIsOpen)
{
    store("AlarmsEnabled", "True");
    auto form = start();
    int checks = 0;
    form->setAlarmCheck([&] { ++checks; });
    fire(form->timer());
    EXPECT_EQ(checks, 1);
    form->setDialogOpen(true);
    clock.advance(1);
    fire(form->timer());
    EXPECT_EQ(checks, 1);
    form->setDialogOpen(false);
    prefs.AlarmsEnabled = false;
    clock.advance(1);
    fire(form->timer());
    EXPECT_EQ(checks, 1);
}

// The face's tooltip says whether the computer's clock is synchronised, and
// a mark in the LMST's corner shows while it is not; nothing is read at
// start-up, and nothing is claimed when nothing can be read.
TEST_F(ClockWindowTest, ClockSyncShowsInTheTooltipAndAsAMark)
{
    struct Case {
        const char *what;
        KernelClockReading kernel;
        std::optional<bool> ntp;
        const char *line;  // empty: no line
    };
    store("DigitColor", "&HFF00");
    for (const Case &c : {
             Case{"synchronised", {TIME_OK, 0, 2500}, std::nullopt, "System clock: synchronised, ±3 ms"},
             Case{"STA_UNSYNC", {TIME_OK, STA_UNSYNC, 0}, true, "System clock: not synchronised since 05:30 UT"},
             Case{"TIME_ERROR", {TIME_ERROR, 0, 0}, true, "System clock: not synchronised since 05:30 UT"},
             Case{"unreadable, service says yes", {-1, 0, 0}, true, "System clock: synchronised"},
             Case{"unreadable, service says no", {-1, 0, 0}, false, "System clock: not synchronised since 05:30 UT"},
             Case{"nothing can be read", {-1, 0, 0}, std::nullopt, ""},
         }) {
        SCOPED_TRACE(c.what);
        ScriptedClockSync source;
        source.kernel = c.kernel;
        source.ntp = c.ntp;
        auto form = start();
        form->setClockSyncSource(source);
        const int height = form->height();
        EXPECT_EQ(source.kernelReads, 0) << "not read at start-up";
        fire(form->timer());
        const QString tip = form->clockLabel()->toolTip();
        const QString line = QString::fromUtf8(c.line);
        if (line.isEmpty())
            EXPECT_FALSE(tip.contains(QStringLiteral("System clock"))) << tip.toStdString();
        else
            EXPECT_TRUE(tip.endsWith(QLatin1Char('\n') + line)) << tip.toStdString();
        const bool marked = line.contains(QStringLiteral("not synchronised"));
        QLabel *mark = form->syncMark();
        EXPECT_EQ(mark->isVisibleTo(form.get()), marked);
        EXPECT_EQ(mark->toolTip(), tip);
        EXPECT_EQ(mark->accessibleName(), QStringLiteral("System clock not synchronised"));
        EXPECT_EQ(mark->palette().color(QPalette::WindowText), QColor(0, 255, 0)) << "the digits' colour";
        EXPECT_TRUE(form->clockLabel()->rect().contains(mark->geometry())) << "in the LMST's corner";
        EXPECT_LT(mark->height(), form->clockLabel()->height());
        EXPECT_EQ(form->height(), height) << "the face keeps its size";
    }
}

TEST_F(ClockWindowTest, ClockSyncIsReadOnceAMinuteAndTheMarkFollowsIt)
{
    ScriptedClockSync source;
    source.kernel = {TIME_ERROR, STA_UNSYNC, 0};
    auto form = start();
    form->setClockSyncSource(source);
    fire(form->timer());
    EXPECT_TRUE(form->syncMark()->isVisibleTo(form.get()));
    source.kernel = {TIME_OK, 0, 900};
    for (int second = 1; second < 60; ++second) {
        clock.advance(1);
        fire(form->timer());
    }
    EXPECT_EQ(source.kernelReads, 1);
    EXPECT_TRUE(form->syncMark()->isVisibleTo(form.get())) << "until the next reading";
    clock.advance(1);
    fire(form->timer());
    EXPECT_EQ(source.kernelReads, 2);
    EXPECT_FALSE(form->syncMark()->isVisibleTo(form.get()));
    EXPECT_TRUE(form->clockLabel()->toolTip().endsWith(QStringLiteral("System clock: synchronised, ±1 ms")));
}

}  // namespace
