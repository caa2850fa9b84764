// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The configuration dialog, driven as a user drives it: text typed into its
// boxes, clicks on its buttons, check boxes and swatches, and scripted
// answers from the colour and font pickers and the observer dialog.

#include "appparts.h"
#include "autostartentry.h"
#include "colorpicker.h"
#include "fontpicker.h"
#include "configdialog.h"
#include "latlng.h"
#include "noctalismodule.h"
#include "numbertext.h"
#include "settingvalues.h"
#include "siteseditor.h"
#include "strictinput.h"
#include "uidriver.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

const QString kProgram = QStringLiteral("/opt/noctalis/bin/noctalis");

class ConfigDialogTest : public ::testing::Test, protected AppParts {
protected:
    ConfigDialogTest()
    {
        // As start-up leaves them for an observer at 75.5 W, 40.5 N.
        prefs.DetectTZ = false;
        prefs.TZ = -5;
        prefs.LNG = 75.5f;
        prefs.LAT = 40.5f;
        prefs.BkColor = Qt::white;
        prefs.DigitColor = Qt::black;
        prefs.FontName = QStringLiteral("Arial");
        prefs.FontBold = true;
        prefs.FontSize = 20.0;
        prefs.TopMost = true;
        prefs.DateFormat = QStringLiteral("MM/DD/YYYY");
        prefs.ConfigCancelled = true;
        clock.setOffsetSeconds(5 * 3600 + 30 * 60);  // the system is on UT+5:30
    }

    std::unique_ptr<ConfigDialog> open()
    {
        ConfigDialog::Openers openers{colors,
                                      fonts,
                                      [this](QWidget *parent) {
                                          seen = observer;
                                          observerParent = parent;
                                          if (observerAnswer)
                                              observerAnswer();
                                      },
                                      [this](QWidget *parent) {
                                          opened.push_back({QStringLiteral("alarms"), parent});
                                      },
                                      [this](QWidget *parent) {
                                          opened.push_back({QStringLiteral("about"), parent});
                                      },
                                      AutostartEntry(autostartFolder()),
                                      kProgram};
        openers.sitesEditor = [this](QWidget *parent, const QList<Site> &sites) -> std::optional<QList<Site>> {
            SitesEditor editor(context(), sites, parent);
            editor.show();
            if (sitesScript)
                sitesScript(editor);
            if (editor.isVisible())
                ::click(editor, "cmdCancel");
            return editor.result() == QDialog::Accepted ? std::optional(editor.sites()) : std::nullopt;
        };
        auto form = std::make_unique<ConfigDialog>(context(), std::move(openers));
        form->show();
        return form;
    }

    template <typename T = QWidget>
    static T *control(ConfigDialog &form, const char *name)
    {
        T *widget = form.findChild<T *>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static QString text(ConfigDialog &form, const char *name) { return control<QLineEdit>(form, name)->text(); }
    static void click(ConfigDialog &form, const char *name)
    {
        QWidget *w = control(form, name);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, w->height() / 2));
    }
    static void type(ConfigDialog &form, const char *name, const QString &typed)
    {
        QLineEdit *edit = control<QLineEdit>(form, name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
    }
    static bool checked(ConfigDialog &form, const char *name) { return control<QCheckBox>(form, name)->isChecked(); }

    void store(const char *key, const char *value) { writeSetting(settings, QLatin1String(key), QLatin1String(value)); }
    QString read(const char *key)
    {
        return settings.read(settingsSection(), QLatin1String(key), QStringLiteral("<none>"));
    }
    QString autostartFolder() { return dir.filePath(QStringLiteral("autostart")); }
    QString autostartText()
    {
        QFile file(AutostartEntry(autostartFolder()).filePath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    ScriptedColorPicker colors;
    ScriptedFontPicker fonts;
    std::function<void()> observerAnswer;            // what the observer dialog does; nothing is Cancel
    std::function<void(SitesEditor &)> sitesScript;  // what the user does in the sites editor; nothing is Cancel
    ObserverExchange seen;                           // the exchange values the observer dialog was opened with
    QWidget *observerParent = nullptr;
    QList<std::pair<QString, QWidget *>> opened;  // what the Alarms and About buttons opened, over what
};

TEST_F(ConfigDialogTest, ConfirmingWithoutChangesRewritesEverySettingWithItsCurrentValue)
{
    for (const char *key : {"AlarmsEnabled", "TopMost", "DetectTZ", "LNG", "LAT", "TZ", "BkColor", "DigitColor",
                            "FontBold", "FontName", "FontSize", "DateFormat", "StartUp"})
        store(key, "stale");
    auto form = open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Noctalis Configuration"));
    EXPECT_TRUE(form->isModal());
    click(*form, "cmdUpdate");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_FALSE(prefs.ConfigCancelled);
    const std::pair<const char *, const char *> expected[] = {
        {"AlarmsEnabled", "False"},   {"TopMost", "True"},  {"DetectTZ", "False"},    {"LNG", "75:30:00.0"},
        {"LAT", "40:30:00.0"},        {"TZ", "-5"},         {"BkColor", "16777215"},  {"DigitColor", "0"},
        {"DisplayWest", "True"},      {"FontBold", "True"}, {"FontName", "Arial"},    {"FontSize", "20"},
        {"DateFormat", "MM/DD/YYYY"}, {"StartUp", "False"}, {"DisplayLAST", "False"}, {"DUT1", "0"},
    };
    for (const auto &[key, value] : expected)
        EXPECT_EQ(read(key), QLatin1String(value)) << key;
    EXPECT_EQ(prefs.LNG, 75.5f);
    EXPECT_EQ(prefs.LAT, 40.5f);
    EXPECT_EQ(prefs.TZ, -5.0);
    EXPECT_TRUE(autostartText().contains(QStringLiteral("\nHidden=true\n"))) << "start-up off";
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(ConfigDialogTest, LastRowAndDut1AreShownAndStoredOnOk)
{
    prefs.DisplayLAST = true;
    prefs.DUT1 = 0.3;
    auto form = open();
    EXPECT_TRUE(checked(*form, "chkDisplayLAST"));
    EXPECT_EQ(text(*form, "TxtDUT1"), QStringLiteral("0.3"));
    click(*form, "chkDisplayLAST");
    type(*form, "TxtDUT1", QStringLiteral("-0,25"));
    click(*form, "cmdUpdate");
    EXPECT_FALSE(prefs.DisplayLAST);
    EXPECT_EQ(prefs.DUT1, -0.25);
    EXPECT_EQ(read("DisplayLAST"), QStringLiteral("False"));
    EXPECT_EQ(read("DUT1"), QStringLiteral("-0.25"));
}

TEST_F(ConfigDialogTest, TypedEastLongitudeIsHeldWestAndStoredAsTyped)
{
    store("DisplayWest", "False");
    auto form = open();
    EXPECT_EQ(control<QPushButton>(*form, "cmdEW")->text(), QStringLiteral("E"));
    EXPECT_EQ(text(*form, "TxtLng"), QStringLiteral("284:30:00.0")) << "75.5 W is 284.5 E";
    type(*form, "TxtLng", QStringLiteral("10"));
    click(*form, "cmdUpdate");
    EXPECT_EQ(prefs.LNG, 350.0f);
    EXPECT_FALSE(prefs.DisplayWest);
    EXPECT_EQ(read("LNG"), QStringLiteral("10"));
    EXPECT_EQ(read("DisplayWest"), QStringLiteral("False"));
}

TEST_F(ConfigDialogTest, EastWestButtonShowsTheWorkingLongitudeAgainDiscardingTyping)
{
    auto form = open();
    type(*form, "TxtLng", QStringLiteral("12:34:56"));
    click(*form, "cmdEW");
    EXPECT_EQ(control<QPushButton>(*form, "cmdEW")->text(), QStringLiteral("E"));
    EXPECT_EQ(control(*form, "TxtLng")->toolTip(), QStringLiteral("East Longitude"));
    EXPECT_EQ(text(*form, "TxtLng"), QStringLiteral("284:30:00.0"));
    type(*form, "TxtLng", QStringLiteral("1"));
    click(*form, "cmdEW");
    EXPECT_EQ(control<QPushButton>(*form, "cmdEW")->text(), QStringLiteral("W"));
    EXPECT_EQ(control(*form, "TxtLng")->toolTip(), QStringLiteral("West Longitude"));
    EXPECT_EQ(text(*form, "TxtLng"), QStringLiteral("75:30:00.0"));
    EXPECT_TRUE(prefs.DisplayWest);
    click(*form, "cmdUpdate");
    EXPECT_EQ(prefs.LNG, 75.5f);
    EXPECT_EQ(read("LNG"), QStringLiteral("75:30:00.0"));
}

TEST_F(ConfigDialogTest, DetectShowsTheSystemZoneExactlyAndLocksTheBox)
{
    auto form = open();
    click(*form, "chkDetectTZ");
    EXPECT_EQ(text(*form, "TxtTZ"), QStringLiteral("5.5")) << "UT+5:30";
    EXPECT_FALSE(control(*form, "TxtTZ")->isEnabled());
    click(*form, "chkDetectTZ");
    EXPECT_EQ(text(*form, "TxtTZ"), QStringLiteral("5.5")) << "unticking keeps the text";
    EXPECT_TRUE(control(*form, "TxtTZ")->isEnabled());
    click(*form, "chkDetectTZ");
    clock.setOffsetSeconds(6 * 3600);  // the zone moves while the dialog is open
    click(*form, "cmdUpdate");
    EXPECT_TRUE(prefs.DetectTZ);
    EXPECT_EQ(prefs.TZ, 6.0) << "read again on OK";
    EXPECT_EQ(read("DetectTZ"), QStringLiteral("True"));
    EXPECT_EQ(read("TZ"), QStringLiteral("6"));

    prefs.DetectTZ = true;
    auto reopened = open();
    EXPECT_TRUE(checked(*reopened, "chkDetectTZ"));
    EXPECT_EQ(text(*reopened, "TxtTZ"), QStringLiteral("6"));
    EXPECT_FALSE(control(*reopened, "TxtTZ")->isEnabled());
}

TEST_F(ConfigDialogTest, AutostartEntryStartsTheProgramAndIsOnlyHiddenWhenOff)
{
    auto on = open();
    click(*on, "chkAutoStart");
    click(*on, "cmdUpdate");
    EXPECT_TRUE(prefs.StartUp);
    EXPECT_EQ(read("StartUp"), QStringLiteral("True"));
    const QString entry = autostartText();
    EXPECT_TRUE(entry.startsWith(QStringLiteral("[Desktop Entry]\n"))) << entry.toStdString();
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=") + kProgram + QLatin1Char('\n')));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nType=Application\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nHidden=false\n")));

    auto off = open();
    EXPECT_TRUE(checked(*off, "chkAutoStart"));
    click(*off, "chkAutoStart");
    click(*off, "cmdUpdate");
    EXPECT_EQ(read("StartUp"), QStringLiteral("False"));
    EXPECT_EQ(autostartText(), QString(entry).replace(QStringLiteral("Hidden=false"), QStringLiteral("Hidden=true")));
}

// The entry cannot be written: the user hears of it once, not at every
// confirmation that fails again; StartUp is kept, and the entry is written
// at the next confirmation once it can be.
TEST_F(ConfigDialogTest, AutostartEntryThatCannotBeWrittenIsToldOnceAndWrittenLater)
{
    settings.tellFailuresTo(&messages);
    QFile blocker(autostartFolder());  // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    for (int attempt = 0; attempt < 2; ++attempt) {
        auto form = open();
        if (attempt == 0)
            click(*form, "chkAutoStart");
        click(*form, "cmdUpdate");
        EXPECT_EQ(form->result(), QDialog::Accepted);
        EXPECT_EQ(read("StartUp"), QStringLiteral("True"));
        EXPECT_TRUE(prefs.StartUp);
    }
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(
        messages.messages[0].text.contains(QDir::toNativeSeparators(AutostartEntry(autostartFolder()).filePath())));

    ASSERT_TRUE(blocker.remove());
    auto form = open();
    click(*form, "cmdUpdate");
    EXPECT_TRUE(autostartText().contains(QStringLiteral("\nHidden=false\n")));
    EXPECT_EQ(messages.messages.size(), 1);
}

TEST_F(ConfigDialogTest, ConfirmedObserverDialogUnticksDetectAndShowsTheObserver)
{
    prefs.DetectTZ = true;
    prefs.TZ = 5.5;  // as start-up detects it
    observer.DSTRule = 1;
    observerAnswer = [this] {
        observer.ObserverLng = 284.5;  // 75.5 E
        observer.ObserverLat = -33.8667;
        observer.ObserverTZ = 10;
        observer.ObserverDSTRule = 4;
        observer.ObserverCancelled = false;
    };
    auto form = open();
    click(*form, "cmdMap");
    EXPECT_EQ(observerParent, form.get());
    EXPECT_TRUE(seen.ObserverCancelled);
    EXPECT_EQ(seen.ObserverTZ, 5.5);
    EXPECT_EQ(seen.ObserverDSTRule, 1);
    EXPECT_EQ(seen.ObserverLng, 75.5);
    EXPECT_EQ(seen.ObserverLat, 40.5);
    EXPECT_FALSE(checked(*form, "chkDetectTZ"));
    EXPECT_TRUE(control(*form, "TxtTZ")->isEnabled());
    EXPECT_EQ(text(*form, "TxtTZ"), QStringLiteral("10"));
    EXPECT_EQ(text(*form, "TxtLng"), QStringLiteral("284:30:00.0"));
    EXPECT_EQ(observer.DSTRule, 4);

    observerAnswer = [this] { observer.ObserverLng = 1; };  // Cancel there
    click(*form, "cmdMap");
    EXPECT_EQ(text(*form, "TxtLng"), QStringLiteral("284:30:00.0"));
    EXPECT_EQ(observer.DSTRule, 4);

    click(*form, "cmdUpdate");
    EXPECT_FALSE(prefs.DetectTZ);
    EXPECT_EQ(prefs.TZ, 10.0);
    EXPECT_EQ(prefs.LNG, 284.5f);
    EXPECT_EQ(read("LAT"), QStringLiteral("-33:52:00.1"));
    EXPECT_EQ(read("TZ"), QStringLiteral("10"));
}

// The observer's zone follows the place: a place that comes back as it went
// (Map, then OK with nothing changed) keeps the zone detected; a place with
// a tzdata zone stores the zone (TZID) and its hours now; hours typed by
// hand are a fixed zone again.
TEST_F(ConfigDialogTest, TheZoneFollowsThePlaceAndStaysDetectedWhenNothingChanged)
{
    prefs.DetectTZ = true;
    clock.zone = QTimeZone("America/Santiago");
    clock.now = QDateTime(QDate(2026, 7, 15), QTime(12, 0), Qt::UTC);
    observerAnswer = [this] { observer.ObserverCancelled = false; };
    auto form = open();
    click(*form, "cmdMap");
    EXPECT_EQ(seen.ObserverZoneId, QStringLiteral("America/Santiago"));
    EXPECT_TRUE(checked(*form, "chkDetectTZ")) << "nothing changed";

    observerAnswer = [this] {
        observer.ObserverZoneId = QStringLiteral("Europe/Berlin");
        observer.ObserverTZ = 1;  // its standard offset, as the city list has it
        observer.ObserverPlace = QStringLiteral("Berlin, Germany");
        observer.ObserverCancelled = false;
    };
    click(*form, "cmdMap");
    EXPECT_FALSE(checked(*form, "chkDetectTZ"));
    EXPECT_EQ(text(*form, "TxtTZ"), QStringLiteral("2")) << "Berlin in July";
    click(*form, "cmdUpdate");
    EXPECT_FALSE(prefs.DetectTZ);
    EXPECT_EQ(prefs.ZoneId, QStringLiteral("Europe/Berlin"));
    EXPECT_EQ(prefs.TZ, 2.0);
    EXPECT_EQ(read("TZID"), QStringLiteral("Europe/Berlin"));
    EXPECT_EQ(read("Place"), QStringLiteral("Berlin, Germany"));

    auto typed = open();
    type(*typed, "TxtTZ", QStringLiteral("3"));
    click(*typed, "cmdUpdate");
    EXPECT_EQ(prefs.ZoneId, QString());
    EXPECT_EQ(prefs.TZ, 3.0);
    EXPECT_EQ(read("TZID"), QString());
}

TEST_F(ConfigDialogTest, MistypedTextIsToldAndKeepsTheDialogOpenStoringNothing)
{
    const QString zoneMessage =
        QStringLiteral("You entered an invalid value for Time Zone. Please re-enter.\n") + InputForms::zoneHours();
    const QString lngMessage = QStringLiteral("Error in Longitude format.\n") + InputForms::longitude();
    const QString dut1Message =
        QStringLiteral("DUT1 must be a number of seconds between -0.9 and 0.9 (UT1 - UTC as the IERS publishes it).");
    struct Case {
        const char *lng;
        const char *tz;
        QString message;
        QString title;
        const char *dut1 = "0";
    } cases[] = {
        {"361:00:00", "-5", lngMessage, programTitle()},
        {"5::00", "-5", lngMessage, programTitle()},
        // Texts once stored and read back at start-up as another meridian.
        {"abc", "-5", lngMessage, programTitle()},
        {"12x", "-5", lngMessage, programTitle()},
        {"400", "-5", lngMessage, programTitle()},
        {"70 40 01 02", "-5", lngMessage, programTitle()},
        {"+10 W", "-5", lngMessage, programTitle()},
        {"75", "25", zoneMessage, QStringLiteral("Time Zone Error")},
        {"75", "-24.5", zoneMessage, QStringLiteral("Time Zone Error")},
        {"75", "5x", zoneMessage, QStringLiteral("Time Zone Error")},
        {"75", "", zoneMessage, QStringLiteral("Time Zone Error")},
        {"75", "-5", dut1Message, programTitle(), "0.9"},
        {"75", "-5", dut1Message, programTitle(), "0.3s"},
        {"75", "-5", dut1Message, programTitle(), ""},
    };
    for (const Case &c : cases) {
        messages.messages.clear();
        auto form = open();
        click(*form, "chkTopMost");
        type(*form, "TxtLng", QLatin1String(c.lng));
        type(*form, "TxtTZ", QLatin1String(c.tz));
        type(*form, "TxtDUT1", QLatin1String(c.dut1));
        click(*form, "cmdUpdate");
        ASSERT_EQ(messages.messages.size(), 1) << c.lng << " " << c.tz << " " << c.dut1;
        EXPECT_EQ(messages.messages[0].text, c.message) << c.lng << " " << c.tz;
        EXPECT_EQ(messages.messages[0].title, c.title);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(text(*form, "TxtLng"), QLatin1String(c.lng));
        EXPECT_EQ(text(*form, "TxtTZ"), QLatin1String(c.tz));
        EXPECT_FALSE(QFile::exists(settings.filePath()));
        EXPECT_TRUE(prefs.ConfigCancelled);
        EXPECT_TRUE(prefs.TopMost);
        EXPECT_EQ(prefs.LNG, 75.5f);
    }
    // The limits of the zone pass.
    for (const char *tz : {"24", "-24"}) {
        auto form = open();
        type(*form, "TxtTZ", QLatin1String(tz));
        click(*form, "cmdUpdate");
        EXPECT_EQ(form->result(), QDialog::Accepted) << tz;
        EXPECT_EQ(read("TZ"), QLatin1String(tz));
    }
}

TEST_F(ConfigDialogTest, EveryTypedFormIsStoredSoThatStartUpReadsTheSameMeridian)
{
    struct Case {
        const char *displayWest;
        const char *lng;
        const char *tz;
        float lngWest;
        double tzHours;
    } cases[] = {
        {"True", "75:30", "+5:30", 75.5f, 5.5}, {"True", "70 40 01", "-3:30", float(70 + 40 / 60.0 + 1 / 3600.0), -3.5},
        {"True", "70,5", "5,75", 70.5f, 5.75},  {"True", "10 E", "1", 350.0f, 1},
        {"True", "-75", "-5", 285.0f, -5},      {"False", "75W", "-5", 75.0f, -5},
        {"False", "10°30'", "-5", 349.5f, -5},
    };
    for (const Case &c : cases) {
        store("DisplayWest", c.displayWest);
        messages.messages.clear();
        auto form = open();
        type(*form, "TxtLng", QString::fromUtf8(c.lng));
        type(*form, "TxtTZ", QLatin1String(c.tz));
        click(*form, "cmdUpdate");
        ASSERT_TRUE(messages.messages.isEmpty()) << c.lng << ": " << messages.messages[0].text.toStdString();
        EXPECT_NEAR(prefs.LNG, c.lngWest, 1e-4) << c.lng;
        EXPECT_EQ(prefs.TZ, c.tzHours) << c.tz;
        // What start-up makes of the stored texts.
        const float stored = ParseStoredLongitude(read("LNG"), messages);
        const bool west = read("DisplayWest") == QLatin1String("True");
        const float startUpWest = WrapWestLongitude(west ? stored : 360 - stored);
        EXPECT_NEAR(startUpWest, prefs.LNG, 1e-4) << c.lng << " stored as " << read("LNG").toStdString();
        EXPECT_EQ(leadingNumber(read("TZ")), c.tzHours) << c.tz;
        EXPECT_TRUE(messages.messages.isEmpty());
    }
}

TEST_F(ConfigDialogTest, CancelStoresNothingButTheFontChoiceIsKept)
{
    fonts.answers = {FontChoice{QStringLiteral("DejaVu Serif"), 36, false}};
    prefs.ConfigCancelled = false;
    auto form = open();
    click(*form, "cmdFont");
    ASSERT_EQ(fonts.requests.size(), 1);
    const FontPickRequest &request = fonts.requests[0];
    EXPECT_EQ(request.title, QStringLiteral("Select a Font for the Clock"));
    EXPECT_EQ(request.initial, (FontChoice{QStringLiteral("Arial"), 20, true}));
    EXPECT_EQ(request.minPointSize, 6);
    EXPECT_EQ(request.maxPointSize, 144);
    EXPECT_EQ(prefs.FontName, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(prefs.FontSize, 36.0);
    EXPECT_FALSE(prefs.FontBold);

    click(*form, "cmdFont");  // cancelled: nothing changes
    EXPECT_EQ(prefs.FontSize, 36.0);
    type(*form, "TxtLng", QStringLiteral("10"));
    click(*form, "cmdCancel");
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(prefs.ConfigCancelled);
    EXPECT_EQ(prefs.LNG, 75.5f);
    EXPECT_FALSE(QFile::exists(settings.filePath()));
    EXPECT_FALSE(QFile::exists(AutostartEntry(autostartFolder()).filePath()));

    // The window frame leaves the flag as it was, either way.
    for (bool before : {false, true}) {
        prefs.ConfigCancelled = before;
        auto framed = open();
        framed->close();
        EXPECT_EQ(prefs.ConfigCancelled, before);
    }
    EXPECT_FALSE(QFile::exists(settings.filePath()));
}

TEST_F(ConfigDialogTest, SwatchesTakeThePickedColourAndKeepItWhenCancelled)
{
    colors.answers = {QColor(255, 0, 0)};
    auto form = open();
    click(*form, "LBLBackcolor");
    click(*form, "LBLforecolor");  // cancelled
    EXPECT_EQ(colors.requests, (QList<QColor>{Qt::white, Qt::black}));
    click(*form, "cmdUpdate");
    EXPECT_EQ(read("BkColor"), QStringLiteral("255")) << "red in the low byte";
    EXPECT_EQ(read("DigitColor"), QStringLiteral("0"));
    EXPECT_EQ(prefs.BkColor, QColor(255, 0, 0));
}

// By keyboard: a swatch takes focus (its caption's access key leads to it),
// shows it, and opens the picker on Space or Return, Return going no further
// to the dialog's OK; a screen reader hears each swatch by its own name.
TEST_F(ConfigDialogTest, SwatchesWorkByKeyboardAndCarryNames)
{
    colors.answers = {QColor(0, 0, 255), QColor(0, 128, 0)};
    auto form = open();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const struct {
        const char *swatch;
        const char *caption;
        QString name;
    } swatches[] = {{"LBLBackcolor", "LabelBackcolor", QStringLiteral("Background color")},
                    {"LBLforecolor", "Labelforecolor", QStringLiteral("Digit color")}};
    for (const auto &c : swatches) {
        QLabel *swatch = control<QLabel>(*form, c.swatch);
        EXPECT_EQ(control<QLabel>(*form, c.caption)->buddy(), swatch) << c.swatch;
        EXPECT_TRUE(swatch->focusPolicy() & Qt::TabFocus) << c.swatch;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(swatch)->text(QAccessible::Name), c.name);
        swatch->setFocus(Qt::ShortcutFocusReason);
        ASSERT_TRUE(swatch->hasFocus()) << c.swatch;
        const QImage focused = swatch->grab().toImage();
        swatch->clearFocus();
        EXPECT_NE(swatch->grab().toImage(), focused) << c.swatch << ": no focus shown";
    }
    QTest::keyClick(control<QLabel>(*form, "LBLBackcolor"), Qt::Key_Space);
    QTest::keyClick(control<QLabel>(*form, "LBLforecolor"), Qt::Key_Return);
    QTest::keyClick(control<QLabel>(*form, "LBLforecolor"), Qt::Key_Enter);  // cancelled
    EXPECT_EQ(colors.requests, (QList<QColor>{Qt::white, Qt::black, QColor(0, 128, 0)}));
    EXPECT_TRUE(form->isVisible()) << "Return stays with the swatch";
    EXPECT_TRUE(prefs.ConfigCancelled);
    click(*form, "cmdUpdate");
    EXPECT_EQ(prefs.BkColor, QColor(0, 0, 255));
    EXPECT_EQ(prefs.DigitColor, QColor(0, 128, 0));
}

TEST_F(ConfigDialogTest, AlarmsAndAboutOpenOverTheDialog)
{
    auto form = open();
    click(*form, "cmdAlarms");
    click(*form, "cmdAbout");
    const QList<std::pair<QString, QWidget *>> expected{{QStringLiteral("alarms"), form.get()},
                                                        {QStringLiteral("about"), form.get()}};
    EXPECT_EQ(opened, expected);
    EXPECT_TRUE(form->isVisible());
}

// The sites edited reach the Sites setting and the preferences exactly, odd
// names and all, only when both the editor and the dialog are confirmed;
// each Cancel keeps the list as it was.
TEST_F(ConfigDialogTest, SitesEditedAreStoredOnlyWhenBothDialogsAreConfirmed)
{
    const QString odd = QStringLiteral("Z\u00fcrich (ETH) \u2014 \"roof\"");
    const QString oldText = QStringLiteral("Mauna Kea|155.4681|19.8206");
    const QString newText = oldText + u';' + odd + QStringLiteral("|351.451389|47.376389");
    const struct Case {
        bool editorOk;
        const char *dialogButton;
        bool stored;  // the Sites setting and the preferences hold the new list
    } cases[] = {
        {true, "cmdUpdate", true},
        {false, "cmdUpdate", false},
        {true, "cmdCancel", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.editorOk ? "editor OK, " : "editor Cancel, ") + c.dialogButton);
        store("Sites", "stale");
        prefs.Sites = readSites(oldText).sites;
        sitesScript = [&](SitesEditor &editor) {
            child<QLineEdit>(editor, "txtName")->setText(odd);
            child<QLineEdit>(editor, "txtLng")->setText(QStringLiteral("8:32:55 E"));
            child<QLineEdit>(editor, "txtLat")->setText(QStringLiteral("47:22:35"));
            ::click(editor, "cmdAdd");
            ::click(editor, c.editorOk ? "cmdOK" : "cmdCancel");
        };
        auto form = open();
        click(*form, "cmdSites");
        EXPECT_TRUE(messages.messages.isEmpty());
        click(*form, c.dialogButton);
        const bool dialogOk = c.dialogButton == std::string("cmdUpdate");
        EXPECT_EQ(read("Sites"), c.stored ? newText : dialogOk ? oldText : QStringLiteral("stale"));
        EXPECT_EQ(sitesText(prefs.Sites), c.stored ? newText : oldText);
    }
}

}  // namespace
