// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Night vision: every window red on black while it is on, from the clock's
// menu, the configuration dialog or the stored setting; the day look and the
// stored face colours exactly back when it is off.

#include "appparts.h"
#include "autostartentry.h"
#include "clockwindow.h"
#include "colorpicker.h"
#include "configdialog.h"
#include "fontpicker.h"
#include "nightvision.h"
#include "settingvalues.h"
#include "uidriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QSpinBox>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QToolTip>

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace noctalis;

const QColor kStoredBack(20, 120, 220);
const QColor kStoredDigits(250, 250, 60);

// Red on black, as dark-adapted eyes want it: the background near black,
// every text colour clearly red.
void expectNight(const QPalette &palette, const std::string &where)
{
    SCOPED_TRACE(where);
    for (QPalette::ColorRole back : {QPalette::Window, QPalette::ToolTipBase})
        EXPECT_LT(palette.color(back).lightness(), 16) << back;
    // Boxes a shade lighter, so that an empty box or check box shows.
    const QColor base = palette.color(QPalette::Base);
    EXPECT_GT(base.lightness(), palette.color(QPalette::Window).lightness());
    EXPECT_LT(base.lightness(), 32);
    for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::ToolTipText,
                                     QPalette::HighlightedText}) {
        const QColor c = palette.color(text);
        EXPECT_GT(c.red(), 2 * c.green()) << text;
        EXPECT_GT(c.red(), 2 * c.blue()) << text;
        EXPECT_LT(palette.color(QPalette::Disabled, text).red(), c.red()) << "disabled text darker, " << text;
    }
}

// The face's five labels in the given colours.
void expectFace(ClockWindow &form, const QColor &back, const QColor &digits)
{
    for (QLabel *label : {form.clockLabel(), form.utHeadingLabel(), form.utClockLabel(), form.lastHeadingLabel(),
                          form.lastClockLabel()}) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_EQ(label->palette().color(QPalette::Window), back);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), digits);
    }
}

// The face at night: black, and digits whose red is dimPercent of full.
void expectNightFace(ClockWindow &form, int dimPercent)
{
    const QColor digits = form.clockLabel()->palette().color(QPalette::WindowText);
    EXPECT_NEAR(digits.redF(), dimPercent / 100.0, 1.0 / 255) << "dim " << dimPercent;
    EXPECT_GT(digits.red(), 2 * digits.green());
    EXPECT_GT(digits.red(), 2 * digits.blue());
    expectFace(form, Qt::black, digits);
}

void storeFaceColours(SettingsStore &settings)
{
    writeSetting(settings, QStringLiteral("BkColor"), QString::number(qint64(settingFromColor(kStoredBack))));
    writeSetting(settings, QStringLiteral("DigitColor"), QString::number(qint64(settingFromColor(kStoredDigits))));
}

class NightVisionTest : public ::testing::Test, protected AppParts {
protected:
    NightVisionTest()
    {
        writeSetting(settings, QStringLiteral("BkColor"), QString::number(qint64(settingFromColor(kStoredBack))));
        writeSetting(settings, QStringLiteral("DigitColor"), QString::number(qint64(settingFromColor(kStoredDigits))));
    }

    std::unique_ptr<ClockWindow> startClock()
    {
        auto form = std::make_unique<ClockWindow>(context());
        form->setColorPicker(colors);
        form->setFontPicker(fonts);
        form->setAutostartEntry(AutostartEntry(dir.filePath(QStringLiteral("autostart"))));
        form->load();
        return form;
    }

    std::unique_ptr<ConfigDialog> configDialog()
    {
        ConfigDialog::Openers openers{colors, fonts, {}, {}, {}, AutostartEntry(dir.filePath(QStringLiteral("a"))), {}};
        return std::make_unique<ConfigDialog>(context(), std::move(openers));
    }

    QString stored(const char *key) { return readTextSetting(settings, QLatin1String(key), QStringLiteral("-")); }

    ScriptedColorPicker colors;
    ScriptedFontPicker fonts;
    const QPalette dayPalette = QApplication::palette();
    const QPalette dayToolTips = QToolTip::palette();
    const QString dayStyle = QApplication::style()->name();
};

TEST_F(NightVisionTest, MenuEntryTurnsEveryWindowRedOnBlackAndBack)
{
    const std::unique_ptr<ClockWindow> form = startClock();
    QAction *entry = child<QAction>(*form, "mnuNightVision");
    ASSERT_NE(entry, nullptr);
    ASSERT_FALSE(entry->isChecked());
    expectFace(*form, kStoredBack, kStoredDigits);
    // A dialog already open, with its colour swatches.
    const std::unique_ptr<ConfigDialog> openBefore = configDialog();
    openBefore->show();

    trigger(*form, "mnuNightVision");
    QCoreApplication::sendPostedEvents();  // the new palette reaches the windows open
    EXPECT_TRUE(entry->isChecked());
    EXPECT_TRUE(prefs.NightVision);
    EXPECT_EQ(stored("NightVision"), QStringLiteral("True"));
    EXPECT_EQ(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    expectNight(QApplication::palette(), "application");
    expectNight(QToolTip::palette(), "tooltips");
    expectNight(openBefore->palette(), "dialog open before");
    expectNight(form->optionsMenu()->palette(), "clock menu");
    QMessageBox box(QMessageBox::Information, QStringLiteral("t"), QStringLiteral("m"));
    expectNight(box.palette(), "message box");
    expectNight(configDialog()->palette(), "dialog opened after");
    expectNightFace(*form, kNightDimDefaultPercent);
    // The swatches are a colour picker: they go on showing the stored colours.
    EXPECT_EQ(child<QLabel>(*openBefore, "LBLBackcolor")->palette().color(QPalette::Window), kStoredBack);
    EXPECT_EQ(child<QLabel>(*openBefore, "LBLforecolor")->palette().color(QPalette::Window), kStoredDigits);

    trigger(*form, "mnuNightVision");
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(entry->isChecked());
    EXPECT_EQ(stored("NightVision"), QStringLiteral("False"));
    EXPECT_EQ(QApplication::palette(), dayPalette);
    EXPECT_EQ(QApplication::palette().resolveMask(), dayPalette.resolveMask());
    EXPECT_EQ(QToolTip::palette(), dayToolTips);
    EXPECT_EQ(QApplication::style()->name(), dayStyle);
    EXPECT_EQ(openBefore->palette(), dayPalette);
    expectFace(*form, kStoredBack, kStoredDigits);
}

TEST_F(NightVisionTest, StoredSwitchIsAppliedAtStartUp)
{
    const struct Row {
        const char *nightVision;  // nullptr: not stored
        const char *nightDim;
        bool on;
        int dimPercent;
    } rows[] = {
        {"True", "60", true, 60},
        {"true", "25", true, 25},
        {"1", nullptr, true, kNightDimDefaultPercent},
        {"True", "5", true, 10},
        {"True", "250", true, 100},
        {"False", "30", false, 30},
        {"maybe", "30", false, 30},
        {nullptr, nullptr, false, kNightDimDefaultPercent},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << (row.nightVision ? row.nightVision : "-") << " "
                                        << (row.nightDim ? row.nightDim : "-"));
        AppParts parts;
        storeFaceColours(parts.settings);
        if (row.nightVision)
            writeSetting(parts.settings, QStringLiteral("NightVision"), QLatin1String(row.nightVision));
        if (row.nightDim)
            writeSetting(parts.settings, QStringLiteral("NightDim"), QLatin1String(row.nightDim));
        {
            ClockWindow form(parts.context());
            form.load();
            EXPECT_EQ(parts.prefs.NightVision, row.on);
            EXPECT_EQ(parts.prefs.NightDim, row.dimPercent);
            EXPECT_EQ(child<QAction>(form, "mnuNightVision")->isChecked(), row.on);
            if (row.on) {
                expectNight(QApplication::palette(), "application");
                expectNightFace(form, row.dimPercent);
            } else {
                EXPECT_EQ(QApplication::palette(), dayPalette);
                expectFace(form, kStoredBack, kStoredDigits);
            }
        }
        EXPECT_EQ(QApplication::palette(), dayPalette) << "the closed clock leaves the day look";
    }
}

TEST_F(NightVisionTest, ConfigurationStoresAndAppliesOnOkOnly)
{
    const struct Row {
        const char *button;
        bool applied;
    } rows[] = {{"cmdCancel", false}, {"cmdUpdate", true}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.button);
        const std::unique_ptr<ClockWindow> form = startClock();
        ASSERT_FALSE(prefs.NightVision);
        const QString storedBefore = stored("NightVision");
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<ConfigDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;  // the checks below fail
            child<QCheckBox>(*dialog, "chkNightVision")->setChecked(true);
            child<QSpinBox>(*dialog, "spnNightDim")->setValue(35);
            click(*dialog, row.button);
        });
        trigger(*form, "mnuConfig");
        EXPECT_EQ(prefs.NightVision, row.applied);
        EXPECT_EQ(prefs.NightDim, row.applied ? 35 : kNightDimDefaultPercent);
        EXPECT_EQ(stored("NightVision"), row.applied ? QStringLiteral("True") : storedBefore);
        EXPECT_EQ(stored("NightDim"), row.applied ? QStringLiteral("35") : QStringLiteral("-"));
        EXPECT_EQ(child<QAction>(*form, "mnuNightVision")->isChecked(), row.applied);
        if (row.applied) {
            expectNight(QApplication::palette(), "application");
            expectNightFace(*form, 35);
        } else {
            EXPECT_EQ(QApplication::palette(), dayPalette);
            expectFace(*form, kStoredBack, kStoredDigits);
        }
    }
}

TEST(NightVision, GivesBackWhateverStyleTheProgramHad)
{
    const QString startStyle = QApplication::style()->name();
    for (const QString &key : QStyleFactory::keys()) {
        SCOPED_TRACE(key.toStdString());
        QApplication::setStyle(key);
        const QPalette day = QApplication::palette();
        const QString dayStyle = QApplication::style()->name();
        const bool nonNative = QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs);
        {
            NightVision night;
            night.apply(true);
            night.apply(true);  // twice keeps the day look of the first time
            EXPECT_EQ(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
            EXPECT_TRUE(QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs)) << "Qt's own dialogs";
            expectNight(QApplication::palette(), "application");
            night.apply(false);
            EXPECT_EQ(QApplication::style()->name(), dayStyle);
            EXPECT_EQ(QApplication::palette(), day);
            EXPECT_EQ(QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs), nonNative);
            night.apply(true);
        }
        EXPECT_EQ(QApplication::style()->name(), dayStyle) << "on when it goes, it gives the day back";
        EXPECT_EQ(QApplication::palette(), day);
    }
    QApplication::setStyle(startStyle);
}

}  // namespace
