// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The clock window's "C&onfigure" entry and the double-click on the LMST:
// the configuration dialog opens modally, and what it confirms is on the
// face at once and in the LMST at the next tick.

#include "appparts.h"
#include "autostartentry.h"
#include "colorpicker.h"
#include "fontpicker.h"
#include "clockwindow.h"
#include "configdialog.h"
#include "settingvalues.h"
#include "uidriver.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

class ConfigMenuTest : public ::testing::Test, protected AppParts {
protected:
    ConfigMenuTest()
    {
        writeSetting(settings, QStringLiteral("LNG"), QStringLiteral("75"));
        writeSetting(settings, QStringLiteral("DisplayUT"), QStringLiteral("True"));
        writeSetting(settings, QStringLiteral("AlarmsEnabled"), QStringLiteral("True"));
        clock.setOffsetSeconds(-5 * 3600);
        clock.now = QDateTime(QDate(2000, 1, 1), QTime(12, 0, 0), Qt::UTC);
        form.setColorPicker(colors);
        form.setFontPicker(fonts);
        form.setAutostartEntry(AutostartEntry(dir.filePath(QStringLiteral("autostart"))));
        form.setObserverDialogRunner([this](QWidget *) {
            observer.ObserverLat = 51.5;
            observer.ObserverCancelled = false;
        });
        form.setAlarmCheck([this] { ++checks; });
        form.load();
        form.show();
    }

    // Runs open, and meanwhile, from the dialog's own event loop: lets a tick
    // pass (half a second back, a second of UT of its own that shows the
    // same LMST second), moves the observer to 51.5 N on the map and to
    // Greenwich by typing, takes a 40-point font, turns always-on-top off
    // and confirms.
    void configure(const std::function<void()> &open)
    {
        fonts.answers = {FontChoice{QStringLiteral("DejaVu Sans"), 40, true}};
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<ConfigDialog *>(QApplication::activeModalWidget());
            seen = dialog != nullptr;
            if (!dialog)
                return;  // nothing to close; the test fails below
            dialogOpenWhileShown = form.dialogOpen();
            const QDateTime now = clock.now;
            clock.now = now.addMSecs(-500);
            fire(form.timer());
            clock.now = now;
            checksWhileShown = checks;
            click(*dialog, "cmdMap");
            dialog->findChild<QLineEdit *>(QStringLiteral("TxtLng"))->setText(QStringLiteral("0"));
            click(*dialog, "cmdFont");
            dialog->findChild<QCheckBox *>(QStringLiteral("chkTopMost"))->setChecked(false);
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdUpdate")), Qt::LeftButton);
        });
        open();
        ASSERT_TRUE(seen) << "the configuration dialog was not the modal window";
    }

    ScriptedColorPicker colors;
    ScriptedFontPicker fonts;
    ClockWindow form{context()};
    int checks = 0;
    int checksWhileShown = -1;
    bool dialogOpenWhileShown = false;
};

TEST_F(ConfigMenuTest, BothWaysApplyTheFaceTheLongitudeAndTheTopmostSwitch)
{
    struct Way {
        const char *name;
        std::function<void()> open;
        bool alarmsHeldOff;
    } ways[] = {
        {"menu", [this] { trigger(form, "mnuConfig"); }, true},
        {"double-click", [this] { QTest::mouseDClick(form.clockLabel(), Qt::LeftButton); }, false},
    };
    for (const Way &way : ways) {
        SCOPED_TRACE(way.name);
        writeSetting(settings, QStringLiteral("LNG"), QStringLiteral("75"));
        writeSetting(settings, QStringLiteral("TopMost"), QStringLiteral("True"));
        writeSetting(settings, QStringLiteral("FontSize"), QStringLiteral("20"));
        form.load();
        fire(form.timer());
        ASSERT_EQ(form.clockLabel()->text(), QStringLiteral("13:41:50")) << "75 W";
        ASSERT_TRUE(form.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
        const QSize before = form.size();
        checks = 0;

        configure(way.open);
        EXPECT_EQ(dialogOpenWhileShown, way.alarmsHeldOff);
        EXPECT_EQ(checksWhileShown, way.alarmsHeldOff ? 0 : 1);
        EXPECT_FALSE(form.dialogOpen());
        EXPECT_GT(form.width(), before.width());
        EXPECT_GT(form.height(), before.height());
        for (QLabel *label : {form.clockLabel(), form.utClockLabel()})
            EXPECT_EQ(label->font().pointSizeF(), 40.0) << label->objectName().toStdString();
        EXPECT_EQ(form.utHeadingLabel()->font().pointSizeF(), 24.0);
        EXPECT_EQ(form.engine().get(QStringLiteral("LNG")), QVariant(0.0));
        EXPECT_EQ(form.engine().get(QStringLiteral("LAT")), QVariant(51.5));
        EXPECT_FALSE(form.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(form.clockLabel()->text(), QStringLiteral("13:41:50")) << "until the next tick";
        fire(form.timer());
        EXPECT_EQ(form.clockLabel()->text(), QStringLiteral("18:41:50")) << "Greenwich";
    }
}

TEST_F(ConfigMenuTest, CancelledDialogAppliesNothing)
{
    fonts.answers = {FontChoice{QStringLiteral("DejaVu Sans"), 40, true}};
    const QSize before = form.size();
    QTimer::singleShot(0, [] {
        if (auto *dialog = qobject_cast<ConfigDialog *>(QApplication::activeModalWidget())) {
            click(*dialog, "cmdFont");
            click(*dialog, "cmdCancel");
        }
    });
    trigger(form, "mnuConfig");
    EXPECT_TRUE(prefs.ConfigCancelled);
    EXPECT_EQ(prefs.FontSize, 40.0) << "the font choice is kept";
    EXPECT_EQ(form.size(), before) << "but not applied";
    EXPECT_FALSE(form.dialogOpen());
}

}  // namespace
