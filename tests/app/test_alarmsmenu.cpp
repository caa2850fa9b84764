// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The clock window's "&Alarms" entry: the editor opens modally, the tick
// leaves the alarms alone while it is on screen, and the same editor comes
// back each time.

#include "appparts.h"
#include "alarmtable.h"
#include "clock.h"
#include "filedialogpicker.h"
#include "filepicker.h"
#include "clockwindow.h"
#include "alarmeditor.h"
#include "messageservice.h"
#include "preferences.h"
#include "settingsstore.h"
#include "uidriver.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

class AlarmsMenuTest : public ::testing::Test, protected AppParts {
protected:
    AlarmsMenuTest() : form(context(QStringLiteral("No.Such.Engine")))
    {
        form.setFilePicker(files);
        form.setAlarmCheck([this] { ++checks; });
        prefs.AlarmsEnabled = true;
    }

    QAction *entry(const char *name) { return form.optionsMenu()->findChild<QAction *>(QLatin1String(name)); }

    ScriptedFilePicker files;
    ClockWindow form;
    int checks = 0;
};

TEST_F(AlarmsMenuTest, EntryStandsBeforeAbout)
{
    QStringList names;
    for (QAction *a : form.optionsMenu()->actions())
        names << a->objectName();
    EXPECT_EQ(names.indexOf(QStringLiteral("mnuAlarms")) + 1, names.indexOf(QStringLiteral("mnuAbout")));
    EXPECT_GT(names.indexOf(QStringLiteral("mnuAlarms")), names.indexOf(QStringLiteral("mnuDisplayUT")));
    ASSERT_NE(entry("mnuAlarms"), nullptr);
    EXPECT_EQ(entry("mnuAlarms")->text(), QStringLiteral("&Alarms"));
}

TEST_F(AlarmsMenuTest, EditorIsModalAndHoldsOffTheAlarmCheckWhileOnScreen)
{
    alarms[0].Name = QStringLiteral("Vega");
    bool seen = false;
    bool modal = false;
    bool openWhileShown = false;
    int checksWhileShown = -1;
    int rows = -1;
    QTimer::singleShot(0, [&] {
        QWidget *modalWidget = QApplication::activeModalWidget();
        auto *editor = qobject_cast<AlarmEditor *>(modalWidget);
        seen = editor != nullptr;
        if (!editor)
            return;  // nothing to close; the test fails below
        modal = editor->isModal() && editor->isVisible();
        openWhileShown = form.dialogOpen();
        fire(form.timer());
        checksWhileShown = checks;
        rows = editor->findChild<QTreeWidget *>(QStringLiteral("LV1"))->topLevelItemCount();
        QTest::mouseClick(editor->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    EXPECT_FALSE(form.dialogOpen());
    entry("mnuAlarms")->trigger();
    ASSERT_TRUE(seen) << "the editor was not the modal window";
    EXPECT_TRUE(modal);
    EXPECT_TRUE(openWhileShown);
    EXPECT_EQ(checksWhileShown, 0) << "no alarm check while the editor is open";
    EXPECT_EQ(rows, 1);
    EXPECT_FALSE(form.dialogOpen());
    clock.advance(1);
    fire(form.timer());
    EXPECT_EQ(checks, 1);
}

TEST_F(AlarmsMenuTest, TheSameEditorComesBackWithItsUnsavedFlag)
{
    alarms[0].Name = QStringLiteral("Vega");
    AlarmEditor *first = &form.alarmEditor();
    QTimer::singleShot(0, [&] {
        // Delete the only alarm, then close without saving.
        auto *editor = &form.alarmEditor();
        auto *list = editor->findChild<QTreeWidget *>(QStringLiteral("LV1"));
        list->setCurrentItem(list->topLevelItem(0));
        messages.answerYes = true;
        click(*editor, "cmdDelete");
        messages.answerYes = false;
        click(*editor, "cmdOK");
    });
    entry("mnuAlarms")->trigger();
    EXPECT_EQ(&form.alarmEditor(), first);
    EXPECT_TRUE(first->unsavedChanges());
    EXPECT_TRUE(alarms.isPlaceholder());
}

// Alarms no file has (added from Tonight, edited and not saved) are offered
// a save when the clock closes: Cancel keeps the clock, No closes, Yes
// saves first and closes only when the save happened.
TEST_F(AlarmsMenuTest, ClosingTheClockOffersToSaveUnsavedAlarms)
{
    QTemporaryDir dir;
    alarms[0].Name = QStringLiteral("Vega");
    alarms.setModified(true);
    form.show();

    messages.answerCancel = true;
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].buttons, MessageButtons::YesNoCancel);

    messages.answerCancel = false;
    messages.answerYes = true;  // Yes, then the file dialog is cancelled
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(alarms.isModified());

    const QString file = dir.filePath(QStringLiteral("tonight.alm"));
    files.answers << file;
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(QFileInfo::exists(file));
    EXPECT_FALSE(alarms.isModified());

    messages.messages.clear();
    form.show();
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(messages.messages.isEmpty()) << "nothing unsaved, nothing asked";

    alarms.setModified(true);
    form.show();
    messages.answerYes = false;
    EXPECT_TRUE(form.close());
}

TEST(FileDialogFilters, PairsBecomeQtNameFilters)
{
    EXPECT_EQ(qtNameFilters(QStringLiteral("Alarm File|*.alm")), QStringLiteral("Alarm File (*.alm)"));
    EXPECT_EQ(qtNameFilters(QStringLiteral("Any|*.*")), QStringLiteral("Any (*)")) << "programs need no dot";
    EXPECT_EQ(qtNameFilters(QStringLiteral("Text|*.txt|Any|*.*")), QStringLiteral("Text (*.txt);;Any (*)"));
    EXPECT_EQ(qtNameFilters(QStringLiteral("Sounds|*.wav;*.WAV")), QStringLiteral("Sounds (*.wav *.WAV)"));
    EXPECT_EQ(qtNameFilters(QStringLiteral("Everything")), QStringLiteral("Everything (*)"));
    EXPECT_EQ(qtNameFilters(QString()), QString());
}

// A missing Documents folder opens its nearest existing ancestor, not the
// parent with the missing folder's name typed in as a file name.
TEST(FileDialogPicker, OpensInTheNearestExistingFolder)
{
    QTemporaryDir home;
    const QString documents = home.filePath(QStringLiteral("Documents"));
    EXPECT_EQ(existingFolder(home.path()), home.path());
    EXPECT_EQ(existingFolder(documents), home.path());
    EXPECT_EQ(existingFolder(documents + QStringLiteral("/Alarms")), home.path());
    ASSERT_TRUE(QDir().mkpath(documents));
    EXPECT_EQ(existingFolder(documents), documents);
}

}  // namespace
