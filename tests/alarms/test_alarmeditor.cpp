// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The alarm editor, driven as a user drives it: clicks on its buttons and
// rows, text typed into its boxes, answers to its questions and file
// dialogs.

#include "alarmfile.h"
#include "alarmtable.h"
#include "filepicker.h"
#include "alarmeditor.h"
#include "messageservice.h"
#include "preferences.h"
#include "settingsstore.h"
#include "settingvalues.h"
#include "variant.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace noctalis;

constexpr double kMinutesPerDay = 1440.0;

// What the user enters for one alarm.
struct Entry {
    explicit Entry(QString name_, QString hr_ = QStringLiteral("00"), QString min_ = QStringLiteral("00"),
                   QString sec_ = QStringLiteral("00"))
        : name(std::move(name_)), hr(std::move(hr_)), min(std::move(min_)), sec(std::move(sec_))
    {
    }

    QString name;
    QString hr;
    QString min;
    QString sec;
    bool enabled = true;
    int action = 0;
    QString param[3];
    QString duration = QStringLiteral("5");
};

class AlarmEditorTest : public ::testing::Test {
protected:
    AlarmEditorTest()
        : settings(dir.filePath(QStringLiteral("noctalis1.ini"))), form(alarms, prefs, settings, messages, files)
    {
    }

    template <typename T = QWidget>
    T *control(const char *name)
    {
        T *widget = form.findChild<T *>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QPushButton *button(const char *name) { return control<QPushButton>(name); }
    QLineEdit *box(const char *name) { return control<QLineEdit>(name); }
    QTreeWidget *list() { return control<QTreeWidget>("LV1"); }
    QComboBox *actionList() { return control<QComboBox>("cmbAction"); }
    QString fileLabel() { return control<QLabel>("LBLFile")->text(); }

    void open()
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void type(const char *name, const QString &text)
    {
        QLineEdit *edit = box(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    // Shown to the user, whether or not the dialog itself is on screen.
    bool shown(const char *name) { return !control(name)->isHidden(); }
    bool enabled(const char *name) { return control(name)->isEnabled(); }

    void selectRow(int row)
    {
        QTreeWidgetItem *item = list()->topLevelItem(row - 1);
        ASSERT_NE(item, nullptr) << "row " << row;
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(item).center());
        ASSERT_TRUE(item->isSelected());
    }
    QStringList row(int number)
    {
        QStringList texts;
        if (QTreeWidgetItem *item = list()->topLevelItem(number - 1))
            for (int c = 0; c < list()->columnCount(); ++c)
                texts << item->text(c);
        return texts;
    }

    void fill(const Entry &e)
    {
        type("txtName", e.name);
        type("txtHr", e.hr);
        type("txtMin", e.min);
        type("txtSec", e.sec);
        auto *check = control<QCheckBox>("chkEnabled");
        if (check->isChecked() != e.enabled)
            QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
        ASSERT_EQ(check->isChecked(), e.enabled);
        if (actionList()->isEnabled())
            actionList()->setCurrentIndex(e.action);
        const char *params[] = {"txtParam0", "txtParam1", "txtParam2"};
        for (int i = 0; i < 3; ++i)
            if (shown(params[i]))
                type(params[i], e.param[i]);
        if (shown("txtDuration"))
            type("txtDuration", e.duration);
    }
    void addAlarm(const Entry &e)
    {
        click("cmdAdd");
        fill(e);
        click("cmdOK");
    }

    QString path(const char *name) { return dir.filePath(QLatin1String(name)); }
    QStringList fileLines(const QString &file)
    {
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
        return QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"));
    }
    QString storedAlarmFile()
    {
        return settings.read(settingsSection(), QStringLiteral("AlarmFile"), QStringLiteral("<none>"));
    }
    static void expectAlarmFileRequest(const FilePickRequest &request, FilePickRequest::Purpose purpose,
                                       const char *title, const char *proposedName, const QString &directory)
    {
        EXPECT_EQ(request.purpose, purpose);
        EXPECT_EQ(request.title, QLatin1String(title));
        EXPECT_EQ(request.filter, QStringLiteral("Alarm File|*.alm"));
        EXPECT_EQ(request.defaultSuffix, QStringLiteral("alm"));
        EXPECT_EQ(request.directory, directory);
        EXPECT_EQ(request.proposedName, QLatin1String(proposedName));
    }
    QString lastMessage() { return messages.messages.isEmpty() ? QString() : messages.messages.last().text; }

    // Three alarms as a loaded file gives them.
    void threeAlarms()
    {
        alarms.resize(3);
        const char *names[] = {"Altair", "Betelgeuse", "Capella"};
        for (int i = 0; i < 3; ++i) {
            alarms[i].Name = QLatin1String(names[i]);
            alarms[i].SiderealTime = (i + 1) / 24.0;
            alarms[i].Enabled = true;
            alarms[i].Param1 = QStringLiteral("look up");
            alarms[i].Duration = 10 / kMinutesPerDay;
        }
    }

    QTemporaryDir dir;
    SettingsStore settings;
    Preferences prefs;
    AlarmTable alarms;
    RecordingMessageService messages;
    ScriptedFilePicker files;
    AlarmEditor form;
};

TEST_F(AlarmEditorTest, OpensWithItsCaptionColumnsAndAnEmptyListForThePlaceholder)
{
    prefs.AlarmFile = QStringLiteral("/home/observer/night.alm");
    open();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Setup Alarms / Alerts"));
    QStringList headers;
    for (int c = 0; c < list()->columnCount(); ++c)
        headers << list()->headerItem()->text(c);
    EXPECT_EQ(headers, (QStringList{"No.", "Alarm Name", "Sidereal Time", "Enabled", "Action"}));
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_EQ(fileLabel(), QStringLiteral("Alarm File: night.alm"));
    QStringList actions;
    for (int i = 0; i < actionList()->count(); ++i)
        actions << actionList()->itemText(i);
    EXPECT_EQ(actions, (QStringList{"Message Box", "Message Box + Sound", "Launch Program", "Send LMST via TCP"}));

    click("cmdSave");
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(lastMessage(), QStringLiteral("Either no alarms are defined or Alarm 1 does not have a supplied name."));
    EXPECT_EQ(messages.messages.last().title, programTitle());
    EXPECT_TRUE(files.requests.isEmpty()) << "no file dialog for an empty table";
}

TEST_F(AlarmEditorTest, ListIsEmptyWhenTheFirstAlarmHasNeitherNameNorMessage)
{
    threeAlarms();
    alarms[0].Name.clear();
    alarms[0].Param1 = QString();
    open();
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_EQ(alarms.size(), 3) << "the alarms stay in the table";
}

TEST_F(AlarmEditorTest, RowsShowNumberNameTimeEnabledAndAction)
{
    threeAlarms();
    alarms[1].SiderealTime = 12.5 / 24;
    alarms[1].Action = kActionSendLmstTcp;
    alarms[1].Enabled = false;
    alarms[2].SiderealTime = (23 * 3600 + 59 * 60 + 59.6) / 86400.0;  // rounds up past midnight
    alarms[2].Action = 9;                                             // no display text
    open();
    ASSERT_EQ(list()->topLevelItemCount(), 3);
    EXPECT_EQ(row(1), (QStringList{" 1", "Altair", "01:00:00", "Yes", "Message Box"}));
    EXPECT_EQ(row(2), (QStringList{" 2", "Betelgeuse", "12:30:00", "No", "Send LMST via TCP"}));
    EXPECT_EQ(row(3), (QStringList{" 3", "Capella", "00:00:00", "Yes", ""}));
}

TEST_F(AlarmEditorTest, NewAlarmThenOkTakesIndexZeroAndSaveWritesOneBlock)
{
    threeAlarms();
    open();
    click("cmdNew");
    EXPECT_TRUE(messages.messages.isEmpty()) << "nothing unsaved, nothing asked";
    EXPECT_EQ(fileLabel(), QStringLiteral("Alarm File: Not Saved."));
    EXPECT_TRUE(form.adding());
    EXPECT_EQ(list()->topLevelItemCount(), 0);

    Entry jupiter(QStringLiteral("Jupiter"), QStringLiteral("12"), QStringLiteral("30"));
    jupiter.action = kActionMessageBoxSound;
    jupiter.param[0] = QStringLiteral("Transit");
    jupiter.param[1] = QStringLiteral("bell.wav");
    jupiter.duration = QStringLiteral("720");
    fill(jupiter);
    click("cmdOK");
    ASSERT_EQ(alarms.size(), 1);
    EXPECT_EQ(alarms[0].Name, QStringLiteral("Jupiter"));
    EXPECT_EQ(row(1), (QStringList{" 1", "Jupiter", "12:30:00", "Yes", "Message Box + Sound"}));

    files.answers << path("jupiter.alm");
    click("cmdSave");
    EXPECT_EQ(
        fileLines(path("jupiter.alm")),
        (QStringList{"SIDEREAL ALARM FILE", "NAME:Jupiter", "ACTION:1", "SIDEREALTIME:.520833333333333", "ENABLED:True",
                     "PARAM1:Transit", "PARAM2:bell.wav", "PARAM3:", "DURATION:0.5", "END ALARM DEF", ""}));
    EXPECT_EQ(fileLabel(), QStringLiteral("Alarm File: jupiter.alm"));
    EXPECT_FALSE(form.unsavedChanges());
    EXPECT_EQ(storedAlarmFile(), path("jupiter.alm")) << "the next start loads it";
}

TEST_F(AlarmEditorTest, UnnamedFirstAlarmIsListedRefusedBySaveAndReplacedByAdd)
{
    alarms[0].Param1 = QStringLiteral("Meridian flip");
    open();
    ASSERT_EQ(list()->topLevelItemCount(), 1);
    EXPECT_EQ(row(1).value(1), QString());

    click("cmdSave");
    EXPECT_EQ(lastMessage(), QStringLiteral("Either no alarms are defined or Alarm 1 does not have a supplied name."));

    addAlarm(Entry(QStringLiteral("Deneb"), QStringLiteral("20"), QStringLiteral("41")));
    ASSERT_EQ(alarms.size(), 1) << "the unnamed alarm is replaced, not followed";
    EXPECT_EQ(alarms[0].Name, QStringLiteral("Deneb"));
    EXPECT_EQ(row(1).value(2), QStringLiteral("20:41:00"));
}

TEST_F(AlarmEditorTest, AddingAfterNamedAlarmsAppends)
{
    threeAlarms();
    alarms[0].Triggered = true;
    open();
    addAlarm(Entry(QStringLiteral("Deneb")));
    ASSERT_EQ(alarms.size(), 4);
    EXPECT_EQ(alarms[3].Name, QStringLiteral("Deneb"));
    EXPECT_EQ(alarms[0].Name, QStringLiteral("Altair"));
    EXPECT_TRUE(alarms[0].Triggered);
    EXPECT_EQ(row(4).value(0), QStringLiteral(" 4"));
}

TEST_F(AlarmEditorTest, HiddenBoxesAreStillStored)
{
    threeAlarms();
    open();
    click("cmdAdd");
    Entry e(QStringLiteral("Guider"));
    e.action = kActionSendLmstTcp;
    e.param[0] = QStringLiteral("[LMST HH:MM:SS]");
    e.param[1] = QStringLiteral("127.0.0.1");
    e.param[2] = QStringLiteral("5");
    e.duration = QStringLiteral("12");
    fill(e);

    // Changing to "Launch Program" hides the third box and the duration.
    actionList()->setCurrentIndex(kActionLaunchProgram);
    EXPECT_FALSE(shown("txtDuration"));
    EXPECT_FALSE(shown("LBLDuration"));
    EXPECT_FALSE(shown("txtParam2"));
    EXPECT_EQ(box("txtParam2")->text(), QStringLiteral("5")) << "typed text stays in a hidden box";
    click("cmdOK");

    const AlarmDef &stored = alarms[3];
    EXPECT_EQ(stored.Action, kActionLaunchProgram);
    EXPECT_EQ(stored.Duration.value_or(-1), 12 / kMinutesPerDay);
    EXPECT_EQ(stored.Param3, QStringLiteral("5"));

    // Editing it: the duration box stays hidden and its value is kept.
    selectRow(4);
    click("cmdEdit");
    EXPECT_FALSE(shown("txtDuration"));
    EXPECT_EQ(box("txtDuration")->text(), QStringLiteral("12"));
    type("txtParam1", QStringLiteral("Y"));
    click("cmdOK");
    EXPECT_EQ(alarms[3].Duration.value_or(-1), 12 / kMinutesPerDay);
    EXPECT_EQ(alarms[3].Param2, QStringLiteral("Y"));
}

TEST_F(AlarmEditorTest, EditDisplayFollowsTheActionCode)
{
    open();
    click("cmdAdd");
    auto caption = [&](int i) {
        // As read: the access key's mark is no part of the caption.
        return control<QLabel>(QByteArray("LBLParam" + QByteArray::number(i)).constData())->text().remove(u'&');
    };
    auto boxShown = [&](int i) { return shown(QByteArray("txtParam" + QByteArray::number(i)).constData()); };
    auto captionShown = [&](int i) { return shown(QByteArray("LBLParam" + QByteArray::number(i)).constData()); };

    // Code 0 right after Add.
    EXPECT_EQ(caption(0), QStringLiteral("Message:"));
    EXPECT_TRUE(boxShown(0));
    EXPECT_FALSE(boxShown(1));
    EXPECT_FALSE(boxShown(2));
    EXPECT_FALSE(shown("cmdBrowse0") || shown("cmdBrowse1") || shown("cmdBrowse2"));
    EXPECT_TRUE(shown("txtDuration"));

    actionList()->setCurrentIndex(kActionSendLmstTcp);
    EXPECT_EQ((QStringList{caption(0), caption(1), caption(2)}), (QStringList{"Message:", "URL:", "Interval min:"}));
    EXPECT_TRUE(boxShown(0) && boxShown(1) && boxShown(2));
    EXPECT_FALSE(shown("cmdBrowse0") || shown("cmdBrowse1") || shown("cmdBrowse2"));

    actionList()->setCurrentIndex(kActionLaunchProgram);
    EXPECT_EQ(caption(0), QStringLiteral("Program:"));
    EXPECT_EQ(caption(1), QStringLiteral("Minimized Y/N:"));
    EXPECT_EQ(caption(2), QStringLiteral("Interval min:")) << "kept, though hidden";
    EXPECT_FALSE(boxShown(2));
    // The minimised start is a check box where a launcher can ask for it,
    // and is not offered where it cannot; the file keeps "Y" or "N".
    EXPECT_FALSE(boxShown(1) || captionShown(1));
    EXPECT_EQ(shown("chkMinimized"), kCanStartMinimized);
    control<QCheckBox>("chkMinimized")->setChecked(true);
    EXPECT_EQ(box("txtParam1")->text(), QStringLiteral("Y"));
    control<QCheckBox>("chkMinimized")->setChecked(false);
    EXPECT_EQ(box("txtParam1")->text(), QStringLiteral("N"));
    EXPECT_TRUE(shown("cmdBrowse0"));
    EXPECT_FALSE(shown("cmdBrowse1"));
    EXPECT_FALSE(shown("txtDuration"));

    actionList()->setCurrentIndex(kActionMessageBoxSound);
    EXPECT_EQ(caption(1), QStringLiteral("Sound:"));
    EXPECT_EQ(caption(2), QString()) << "emptied";
    EXPECT_TRUE(shown("cmdBrowse1"));
    EXPECT_FALSE(shown("cmdBrowse0"));
    EXPECT_FALSE(shown("cmdBrowse2"));
    EXPECT_TRUE(shown("txtDuration"));

    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(captionShown(i), boxShown(i)) << "caption " << i;
    EXPECT_EQ(shown("LBLDuration"), shown("txtDuration"));
}

TEST_F(AlarmEditorTest, TheLastSecondOfTheDayIsStoredAndShownAgain)
{
    open();
    addAlarm(Entry(QStringLiteral("Late"), QStringLiteral("23"), QStringLiteral("59"), QStringLiteral(" 59 ")));
    EXPECT_DOUBLE_EQ(alarms[0].SiderealTime, (23 * 3600 + 59 * 60 + 59) / 86400.0);
    EXPECT_EQ(row(1).value(2), QStringLiteral("23:59:59"));

    selectRow(1);
    click("cmdEdit");
    EXPECT_EQ(box("txtHr")->text(), QStringLiteral("23"));
    EXPECT_EQ(box("txtMin")->text(), QStringLiteral("59"));
    EXPECT_EQ(box("txtSec")->text(), QStringLiteral("59"));
}

TEST_F(AlarmEditorTest, TimesOutsideTheDayAreRefused)
{
    threeAlarms();
    open();
    click("cmdAdd");
    // Hour 25 and minute 75 once carried into a time the alarm file refuses.
    const char *bad[][3] = {{"-1", "0", "0"}, {"0", "40000", "0"}, {"0", "0", "-0.6"}, {"1E9", "0", "0"},
                            {"24", "0", "0"}, {"25", "0", "0"},    {"2", "75", "0"},   {"0", "60", "0"},
                            {"0", "0", "60"}, {"0", "0", "59.5"},  {"12x", "0", "0"},  {"1", "2", ""}};
    for (const auto &fields : bad) {
        fill(
            Entry(QStringLiteral("Bad"), QLatin1String(fields[0]), QLatin1String(fields[1]), QLatin1String(fields[2])));
        const qsizetype before = messages.messages.size();
        click("cmdOK");
        ASSERT_EQ(messages.messages.size(), before + 1) << fields[0] << " " << fields[1] << " " << fields[2];
        EXPECT_EQ(lastMessage(), QStringLiteral("Hr, Min and Sec must be whole numbers: hours from 0 to 23, minutes "
                                                "and seconds from 0 to 59."));
        EXPECT_EQ(alarms.size(), 3) << "nothing added";
        EXPECT_TRUE(form.adding()) << "still adding, so the user can mend the time";
        EXPECT_EQ(box("txtHr")->text(), QLatin1String(fields[0])) << "the text as typed";
    }
    fill(Entry(QStringLiteral("Good"), QStringLiteral("+7"), QStringLiteral("05")));
    click("cmdOK");
    ASSERT_EQ(alarms.size(), 4);
    EXPECT_DOUBLE_EQ(alarms[3].SiderealTime, (7 * 60 + 5) / 1440.0);
    EXPECT_FALSE(form.adding());
}

TEST_F(AlarmEditorTest, NonsenseIsRefusedWithOneMessageEach)
{
    threeAlarms();
    open();
    const QString hms =
        QStringLiteral("Hr, Min and Sec must be whole numbers: hours from 0 to 23, minutes and seconds from 0 to 59.");
    const QString duration =
        QStringLiteral("Duration must be a number of minutes greater than 0 and at most 1440, such as 5 or 0.5.");
    const QString interval =
        QStringLiteral("Interval must be a number of minutes greater than 0 and at most 1440, such as 5 or 0.5.");
    const struct {
        QString hr;
        int action;
        QString duration, interval;
        const char *badBox;  // a box given badText (pasted, it cannot be typed)
        QString message;
        QString badText = QString(40000, QLatin1Char('x'));
    } cases[] = {
        {"abc", 0, "5", "", nullptr, hms},
        {"", 0, "5", "", nullptr, hms},
        {"12s", 0, "5", "", nullptr, hms},
        {"1", 0, "abc", "", nullptr, duration},
        {"1", 1, "-5", "", nullptr, duration},
        {"1", 0, "0", "", nullptr, duration},
        {"1", 0, "1441", "", nullptr, duration},
        {"1", 0, "5 min", "", nullptr, duration},
        {"1", 3, "5", "12x", nullptr, interval},
        {"1", 3, "5", "abc", nullptr, interval},
        {"1", 3, "5", "", nullptr, interval},
        {"1", 0, "5", "", "txtName", "Name is longer than 32767 characters."},
        {"1", 1, "5", "", "txtParam1", "Sound is longer than 32767 characters."},
        // Texts an alarm file could not give back as typed.
        {"1", 0, "5", "", "txtName", "Name holds a line break; an alarm keeps one line of text.", "Dome\nopen"},
        {"1", 3, "5", "5", "txtParam1", "URL holds a line break; an alarm keeps one line of text.", "host:5000\r"},
        {"1", 1, "5", "", "txtParam0", "Message holds a broken character; type or paste it again.",
         QStringLiteral("Look ") + QChar(0xD83D)},
    };
    for (const auto &c : cases) {
        click("cmdAdd");
        Entry e(QStringLiteral("Bad"), c.hr);
        e.action = c.action;
        e.param[2] = c.interval;
        e.duration = c.duration;
        fill(e);
        if (c.badBox)
            box(c.badBox)->setText(c.badText);
        click("cmdOK");
        EXPECT_EQ(lastMessage(), c.message) << c.hr.toStdString() << " " << c.duration.toStdString();
        EXPECT_EQ(alarms.size(), 3) << "nothing added";
        EXPECT_TRUE(form.adding()) << "still adding, so the user can mend the field";
        click("cmdCancel");
        messages.messages.clear();
    }
    // A launch alarm shows no duration box: what it holds is not checked.
    click("cmdAdd");
    Entry launch(QStringLiteral("Focuser"), QStringLiteral("1"));
    launch.action = kActionLaunchProgram;
    fill(launch);
    box("txtDuration")->setText(QStringLiteral("oops"));
    click("cmdOK");
    EXPECT_EQ(alarms.size(), 4);

    // Decimal commas: the interval is kept as its readers read it.
    click("cmdAdd");
    Entry sender(QStringLiteral("Guider"), QStringLiteral("1"));
    sender.action = kActionSendLmstTcp;
    sender.param[2] = QStringLiteral("0,5");
    sender.duration = QStringLiteral("1,5");
    fill(sender);
    click("cmdOK");
    ASSERT_EQ(alarms.size(), 5);
    EXPECT_EQ(alarms[4].Param3, QStringLiteral("0.5"));
    EXPECT_EQ(alarms[4].Duration.value_or(-1), 1.5 / kMinutesPerDay);
}

TEST_F(AlarmEditorTest, SevenMinutesComeBackAsSeven)
{
    open();
    Entry e(QStringLiteral("Short"));
    e.duration = QStringLiteral("7");
    addAlarm(e);
    EXPECT_EQ(alarms[0].Duration.value_or(-1), 7 / kMinutesPerDay);
    selectRow(1);
    click("cmdEdit");
    EXPECT_EQ(box("txtDuration")->text(), QStringLiteral("7"));
}

// A TCP alarm's URL is empty (this computer's listener) or host:port; any
// other text would send somewhere the user did not mean, and is refused.
TEST_F(AlarmEditorTest, ATcpAlarmsUrlIsEmptyOrHostAndPort)
{
    open();
    for (const char *url : {"", "127.0.0.1:5555", "tcp://dome.local:7"}) {
        click("cmdAdd");
        Entry e(QStringLiteral("Dome"), QStringLiteral("1"));
        e.action = kActionSendLmstTcp;
        e.param[1] = QLatin1String(url);
        e.param[2] = QStringLiteral("5");
        fill(e);
        click("cmdOK");
        EXPECT_FALSE(form.adding()) << url;
        EXPECT_EQ(alarms[alarms.lastIndex()].Param2, QLatin1String(url));
    }
    click("cmdAdd");
    Entry bad(QStringLiteral("Dome"), QStringLiteral("1"));
    bad.action = kActionSendLmstTcp;
    bad.param[1] = QStringLiteral("dome.local");
    bad.param[2] = QStringLiteral("5");
    fill(bad);
    click("cmdOK");
    EXPECT_TRUE(form.adding());
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("The URL must be empty"))) << lastMessage().toStdString();
}

TEST_F(AlarmEditorTest, EditFillsTheFieldsAndKeepsTheActionAndRunTimeState)
{
    threeAlarms();
    alarms[1].SiderealTime = .520833333333333;
    alarms[1].Action = kActionSendLmstTcp;
    alarms[1].Enabled = false;
    alarms[1].Param1 = QStringLiteral("Look: Jupiter, Saturn");
    alarms[1].Param2 = QStringLiteral("127.0.0.1:1556");
    alarms[1].Param3 = QStringLiteral("5");
    alarms[1].Duration.reset();
    alarms[1].Triggered = true;
    alarms[1].TriggeredUntil = automation::fromAutomationDate(45000.5);
    open();
    selectRow(2);
    click("cmdEdit");
    EXPECT_TRUE(form.editing());
    EXPECT_EQ(box("txtName")->text(), QStringLiteral("Betelgeuse"));
    EXPECT_EQ((QStringList{box("txtHr")->text(), box("txtMin")->text(), box("txtSec")->text()}),
              (QStringList{"12", "30", "00"}));
    EXPECT_FALSE(control<QCheckBox>("chkEnabled")->isChecked());
    EXPECT_EQ(actionList()->currentText(), QStringLiteral("Send LMST via TCP"));
    EXPECT_FALSE(actionList()->isEnabled());
    EXPECT_EQ(box("txtParam0")->text(), QStringLiteral("Look: Jupiter, Saturn"));
    EXPECT_EQ(box("txtParam2")->text(), QStringLiteral("5"));
    EXPECT_EQ(box("txtDuration")->text(), QStringLiteral("0")) << "an empty duration";

    type("txtName", QStringLiteral("Jupiter"));
    type("txtDuration", QStringLiteral("10"));
    click("cmdOK");
    EXPECT_EQ(alarms[1].Name, QStringLiteral("Jupiter"));
    EXPECT_EQ(alarms[1].Duration.value_or(-1), 10 / kMinutesPerDay);
    EXPECT_EQ(alarms[1].Action, kActionSendLmstTcp);
    EXPECT_TRUE(alarms[1].Triggered);
    EXPECT_EQ(alarms[1].TriggeredUntil, automation::fromAutomationDate(45000.5));
    EXPECT_EQ(alarms.size(), 3);
    EXPECT_EQ(row(2).value(1), QStringLiteral("Jupiter"));
    EXPECT_TRUE(form.unsavedChanges());
}

TEST_F(AlarmEditorTest, EditAndDeleteWithoutASelectedRowOnlyTellTheUser)
{
    threeAlarms();
    open();
    click("cmdEdit");
    EXPECT_EQ(lastMessage(), QStringLiteral("Please select an alarm name and then click edit."));
    EXPECT_FALSE(form.editing());
    EXPECT_TRUE(control("FrameEdit")->isHidden());
    click("cmdDelete");
    EXPECT_EQ(lastMessage(), QStringLiteral("Please select an alarm number to delete and then click Delete."));
    EXPECT_EQ(messages.messages.size(), 2);
    EXPECT_EQ(alarms.size(), 3);
    EXPECT_FALSE(form.unsavedChanges());
}

TEST_F(AlarmEditorTest, DeletingRowTwoOfThreeMovesTheAlarmsBelowWithTheirState)
{
    threeAlarms();
    alarms[1].Triggered = true;
    alarms[1].TriggeredUntil = automation::fromAutomationDate(45000.25);
    alarms[2].Action = kActionLaunchProgram;
    alarms[2].Param2 = QStringLiteral("N");
    open();
    selectRow(2);

    messages.answerYes = false;
    click("cmdDelete");
    EXPECT_EQ(lastMessage(), QStringLiteral("Are you sure you want to delete alarm 2?"));
    EXPECT_EQ(messages.messages.last().buttons, MessageButtons::YesNo);
    EXPECT_EQ(alarms.size(), 3) << "No keeps the alarm";
    EXPECT_FALSE(form.unsavedChanges());

    messages.answerYes = true;
    click("cmdDelete");
    ASSERT_EQ(alarms.size(), 2);
    EXPECT_EQ(row(1).mid(0, 2), (QStringList{" 1", "Altair"}));
    EXPECT_EQ(row(2).mid(0, 2), (QStringList{" 2", "Capella"}));
    EXPECT_EQ(list()->topLevelItemCount(), 2);
    EXPECT_EQ(alarms[1].Action, kActionLaunchProgram);
    EXPECT_EQ(alarms[1].Param2, QStringLiteral("N"));
    EXPECT_DOUBLE_EQ(alarms[1].SiderealTime, 3 / 24.0);
    EXPECT_FALSE(alarms[1].Triggered) << "the deleted alarm's state went with it";
    EXPECT_FALSE(alarms[1].TriggeredUntil.has_value());
    EXPECT_TRUE(form.unsavedChanges());
}

// Run-time state belongs to the alarm: deleting the row above a fired alarm
// keeps it fired, deleting a fired alarm leaves the one below armed.
TEST_F(AlarmEditorTest, DeletingARowMovesEveryAlarmWithItsState)
{
    const struct {
        int deletedRow;
        int firedIndex;
    } cases[] = {{1, 1}, {1, 2}, {2, 1}, {3, 1}, {2, 2}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "delete row " << c.deletedRow << ", fired index " << c.firedIndex);
        threeAlarms();
        for (int i = 0; i < 3; ++i) {
            alarms[i].Triggered = i == c.firedIndex;
            alarms[i].TriggeredUntil.reset();
        }
        const QString firedName = alarms[c.firedIndex].Name;
        alarms[c.firedIndex].TriggeredUntil = automation::fromAutomationDate(45000.25);
        open();
        selectRow(c.deletedRow);
        click("cmdDelete");
        ASSERT_EQ(alarms.size(), 2);
        for (int i = 0; i < 2; ++i) {
            const bool fired = alarms[i].Name == firedName;
            EXPECT_EQ(alarms[i].Triggered, fired) << alarms[i].Name.toStdString();
            EXPECT_EQ(alarms[i].TriggeredUntil.has_value(), fired) << alarms[i].Name.toStdString();
        }
        form.hide();
    }
}

// An edit that moves the alarm's time re-arms it; other edits keep it fired.
// A load keeps the state of the alarms it brings back unchanged.
TEST_F(AlarmEditorTest, EditingTheTimeRearmsAndALoadKeepsTheSameAlarmsFired)
{
    threeAlarms();
    ASSERT_TRUE(SaveAlarmFile(path("three.alm"), alarms, messages));
    const QDateTime until = automation::fromAutomationDate(45000.25);
    for (int i = 0; i < 3; ++i) {
        alarms[i].Triggered = true;
        alarms[i].TriggeredUntil = until;
    }
    open();
    selectRow(1);
    click("cmdEdit");
    type("txtName", QStringLiteral("Altair high"));
    click("cmdOK");
    selectRow(2);
    click("cmdEdit");
    type("txtMin", QStringLiteral("30"));
    click("cmdOK");
    EXPECT_TRUE(alarms[0].Triggered) << "renamed only";
    EXPECT_FALSE(alarms[1].Triggered) << "moved to 02:30:00";
    EXPECT_FALSE(alarms[1].TriggeredUntil.has_value());

    // The file: Altair (now not in the table under that name), Betelgeuse
    // at 02:00 (moved away in the table), Capella (unchanged and fired).
    alarms[1].Triggered = true;
    messages.answerYes = false;  // the edits are not saved first
    files.answers << path("three.alm");
    click("cmdLoad");
    ASSERT_EQ(alarms.size(), 3);
    EXPECT_FALSE(alarms[0].Triggered);
    EXPECT_FALSE(alarms[1].Triggered);
    EXPECT_TRUE(alarms[2].Triggered);
    EXPECT_EQ(alarms[2].TriggeredUntil, until);
}

TEST_F(AlarmEditorTest, ANulInACommandLineIsRefused)
{
    open();
    click("cmdAdd");
    Entry e(QStringLiteral("Dome"));
    e.action = kActionLaunchProgram;
    fill(e);
    box("txtParam0")->setText(QStringLiteral("/usr/bin/dome") + QChar(u'\0') + QStringLiteral(" --open"));
    click("cmdOK");
    EXPECT_EQ(lastMessage(), QStringLiteral("The program's command line must not contain a NUL character."));
    EXPECT_TRUE(form.adding());
    EXPECT_TRUE(alarms.isPlaceholder());
    box("txtParam0")->setText(QStringLiteral("/usr/bin/dome --open"));
    click("cmdOK");
    EXPECT_EQ(alarms[0].Param1, QStringLiteral("/usr/bin/dome --open"));
}

TEST_F(AlarmEditorTest, DeletingTheLastRowShrinksTheTable)
{
    threeAlarms();
    open();
    selectRow(3);
    click("cmdDelete");
    ASSERT_EQ(alarms.size(), 2);
    EXPECT_EQ(alarms[1].Name, QStringLiteral("Betelgeuse"));
}

TEST_F(AlarmEditorTest, DeletingTheOnlyAlarmLeavesThePlaceholder)
{
    alarms[0].Name = QStringLiteral("Vega");
    alarms[0].Param1 = QStringLiteral("Vega high");
    alarms[0].Triggered = true;
    open();
    selectRow(1);
    click("cmdDelete");
    EXPECT_TRUE(alarms.isPlaceholder());
    EXPECT_TRUE(alarms[0].Param1.isEmpty());
    EXPECT_FALSE(alarms[0].Triggered) << "a fresh record";
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    click("cmdSave");
    EXPECT_EQ(lastMessage(), QStringLiteral("Either no alarms are defined or Alarm 1 does not have a supplied name."));
}

TEST_F(AlarmEditorTest, ControlsFollowTheBrowsingAddingAndEditingStates)
{
    threeAlarms();
    open();
    const char *commands[] = {"cmdAdd", "cmdEdit", "cmdLoad", "cmdSave", "cmdNew", "cmdDelete"};
    auto expectBrowsing = [&] {
        EXPECT_FALSE(shown("FrameEdit"));
        EXPECT_FALSE(shown("cmdCancel"));
        EXPECT_TRUE(enabled("LV1"));
        for (const char *c : commands)
            EXPECT_TRUE(enabled(c)) << c;
        EXPECT_FALSE(form.adding() || form.editing());
    };
    auto expectEditFrame = [&](const char *cancelText) {
        EXPECT_TRUE(shown("FrameEdit"));
        EXPECT_TRUE(shown("cmdCancel"));
        EXPECT_EQ(button("cmdCancel")->text(), QLatin1String(cancelText));
        EXPECT_FALSE(enabled("LV1")) << "the list takes no selection";
        for (const char *c : commands)
            EXPECT_FALSE(enabled(c)) << c;
    };
    expectBrowsing();

    click("cmdAdd");
    expectEditFrame("&Cancel Add");
    EXPECT_TRUE(enabled("cmbAction"));
    EXPECT_EQ(actionList()->currentIndex(), 0);
    EXPECT_EQ(box("txtDuration")->text(), QStringLiteral("5"));
    click("cmdCancel");
    expectBrowsing();

    selectRow(1);
    click("cmdEdit");
    expectEditFrame("&Cancel Edit");
    EXPECT_FALSE(enabled("cmbAction"));
    click("cmdOK");
    expectBrowsing();
    EXPECT_FALSE(enabled("cmbAction")) << "as last set";

    // Add resets the name, parameters and duration but keeps the time and
    // the check box.
    selectRow(2);
    click("cmdEdit");
    click("cmdCancel");
    click("cmdAdd");
    EXPECT_EQ(box("txtName")->text(), QString());
    EXPECT_EQ(box("txtParam0")->text(), QString());
    EXPECT_EQ(box("txtHr")->text(), QStringLiteral("02"));
    EXPECT_TRUE(control<QCheckBox>("chkEnabled")->isChecked());
}

TEST_F(AlarmEditorTest, AddThenCancelAddThenOkAddsNothingAndCloses)
{
    threeAlarms();
    open();
    click("cmdAdd");
    fill(Entry(QStringLiteral("Never")));
    click("cmdCancel");
    EXPECT_EQ(box("txtName")->text(), QStringLiteral("Never")) << "the edit fields keep their contents";
    click("cmdOK");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(alarms.size(), 3);
    EXPECT_TRUE(messages.messages.isEmpty()) << "nothing to save, nothing asked";
}

TEST_F(AlarmEditorTest, ClosingWhileAddingAbandonsTheAddAndReopensBrowsing)
{
    threeAlarms();
    open();
    click("cmdAdd");
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(alarms.size(), 3);
    open();
    EXPECT_FALSE(form.adding());
    EXPECT_FALSE(shown("FrameEdit"));
    EXPECT_TRUE(enabled("cmdAdd") && enabled("cmdSave") && enabled("LV1"));
}

TEST_F(AlarmEditorTest, NoToTheSaveQuestionAsksAgainNextTime)
{
    prefs.AlarmFile = path("night.alm");
    threeAlarms();
    open();
    selectRow(3);
    click("cmdDelete");
    messages.answerYes = false;
    click("cmdOK");
    EXPECT_EQ(lastMessage(), QStringLiteral("Do you want to save your changes to:\r\nnight.alm"));
    EXPECT_EQ(messages.messages.last().buttons, MessageButtons::YesNo);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(files.requests.isEmpty());

    // The editor is kept: opening it again keeps the flag. Escape and the
    // window's close box ask as OK does.
    const std::function<void()> closings[] = {[&] { click("cmdOK"); }, [&] { QTest::keyClick(&form, Qt::Key_Escape); },
                                              [&] { form.close(); }};
    for (const auto &closeEditor : closings) {
        messages.messages.clear();
        open();
        closeEditor();
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(lastMessage(), QStringLiteral("Do you want to save your changes to:\r\nnight.alm"));
    }

    // Yes saves, after which closing asks nothing.
    open();
    messages.answerYes = true;
    files.answers << path("night.alm");
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(files.requests.size(), 1);
    EXPECT_EQ(fileLines(path("night.alm")).size(), 1 + 2 * 9 + 1);
    messages.messages.clear();
    open();
    click("cmdOK");
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(AlarmEditorTest, LoadAsksForAnAlarmFileAndRemembersIt)
{
    threeAlarms();
    ASSERT_TRUE(SaveAlarmFile(path("three.alm"), alarms, messages));
    alarms.clear();
    alarms[0].Name = QStringLiteral("Old");
    open();
    addAlarm(Entry(QStringLiteral("Unsaved")));
    ASSERT_TRUE(form.unsavedChanges());

    // Loading replaces the table: the unsaved alarm is offered a save, and
    // Cancel leaves everything as it was.
    messages.answerCancel = true;
    click("cmdLoad");
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_TRUE(files.requests.isEmpty());
    EXPECT_TRUE(form.unsavedChanges());

    messages.answerCancel = false;
    messages.answerYes = false;
    messages.messages.clear();
    files.answers << path("three.alm");
    click("cmdLoad");
    ASSERT_EQ(files.requests.size(), 1);
    // No alarm file yet: the dialog starts in the documents folder.
    expectAlarmFileRequest(files.requests.first(), FilePickRequest::Purpose::Open, "Load Sidereal Alarms", "*.alm",
                           QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));

    EXPECT_EQ(lastMessage(), QStringLiteral("Do you want to save your new alarm list?"));
    EXPECT_EQ(alarms.size(), 3);
    EXPECT_EQ(list()->topLevelItemCount(), 3);
    EXPECT_EQ(row(3).value(1), QStringLiteral("Capella"));
    EXPECT_EQ(prefs.AlarmFile, path("three.alm"));
    EXPECT_EQ(storedAlarmFile(), path("three.alm"));
    EXPECT_EQ(fileLabel(), QStringLiteral("Alarm File: three.alm"));
    EXPECT_FALSE(form.unsavedChanges());
}

TEST_F(AlarmEditorTest, LoadOfSomethingElseChangesNothing)
{
    threeAlarms();
    prefs.AlarmFile = path("night.alm");
    QFile other(path("notes.alm"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("Observing notes\r\nNAME:Mars\r\n");
    other.close();
    open();

    files.answers << path("notes.alm");
    click("cmdLoad");
    EXPECT_EQ(lastMessage(), QStringLiteral("Not an alarm file."));
    EXPECT_EQ(alarms.size(), 3);
    EXPECT_EQ(alarms[0].Name, QStringLiteral("Altair"));
    EXPECT_EQ(list()->topLevelItemCount(), 3);
    EXPECT_EQ(prefs.AlarmFile, path("night.alm"));
    EXPECT_EQ(fileLabel(), QStringLiteral("Alarm File: night.alm"));
    EXPECT_EQ(storedAlarmFile(), QStringLiteral("<none>"));

    // A cancelled dialog changes nothing either.
    messages.messages.clear();
    click("cmdLoad");
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(alarms.size(), 3);
}

TEST_F(AlarmEditorTest, SaveRemembersTheFileStartsInItsFolderAndAsksBeforeReplacing)
{
    threeAlarms();
    ASSERT_TRUE(SaveAlarmFile(path("first.alm"), alarms, messages));
    open();
    files.answers << path("first.alm");
    click("cmdLoad");
    ASSERT_EQ(storedAlarmFile(), path("first.alm"));

    files.answers << path("second.alm");
    click("cmdSave");
    ASSERT_EQ(files.requests.size(), 2);
    expectAlarmFileRequest(files.requests.last(), FilePickRequest::Purpose::Save, "Save Sidereal Alarm File",
                           "first.alm", dir.path());
    EXPECT_TRUE(messages.messages.isEmpty()) << "a new file: nothing asked";
    EXPECT_EQ(fileLabel(), QStringLiteral("Alarm File: second.alm"));
    EXPECT_EQ(prefs.AlarmFile, path("second.alm"));
    EXPECT_EQ(storedAlarmFile(), path("second.alm")) << "the next start loads the file last saved";
    EXPECT_EQ(fileLines(path("second.alm")), fileLines(path("first.alm")));

    // An existing file: No keeps it as it was, Yes replaces it.
    selectRow(1);
    click("cmdDelete");
    messages.answerYes = false;
    files.answers << path("first.alm");
    click("cmdSave");
    EXPECT_TRUE(form.unsavedChanges()) << "not saved";
    EXPECT_EQ(lastMessage(), QStringLiteral("first.alm already exists.\r\nDo you want to replace it?"));
    EXPECT_EQ(messages.messages.last().buttons, MessageButtons::YesNo);
    EXPECT_EQ(fileLines(path("first.alm")).size(), 1 + 3 * 9 + 1);
    EXPECT_EQ(storedAlarmFile(), path("second.alm"));
    messages.answerYes = true;
    files.answers << path("first.alm");
    click("cmdSave");
    EXPECT_FALSE(form.unsavedChanges()) << "saved";
    EXPECT_EQ(fileLines(path("first.alm")).size(), 1 + 2 * 9 + 1);
    EXPECT_EQ(storedAlarmFile(), path("first.alm"));
}

TEST_F(AlarmEditorTest, SaveProposesAWildcardWithoutAFileAndKeepsStateWhenCancelledOrFailing)
{
    threeAlarms();
    open();
    selectRow(1);
    click("cmdDelete");
    click("cmdSave");  // cancelled
    EXPECT_EQ(files.requests.last().proposedName, QStringLiteral("*.alm"));
    EXPECT_TRUE(form.unsavedChanges());

    const QString nowhere = path("missing/folder/x.alm");
    files.answers << nowhere;
    messages.messages.clear();
    click("cmdSave");
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("Error saving:\r\n"))) << lastMessage().toStdString();
    EXPECT_TRUE(form.unsavedChanges());
    EXPECT_EQ(prefs.AlarmFile, QString());
    EXPECT_EQ(fileLabel(), QStringLiteral("Alarm File: "));
}

TEST_F(AlarmEditorTest, NewAsksToSaveAndKeepsTheAlarmsWhenTheSaveDoesNotHappen)
{
    threeAlarms();
    prefs.AlarmFile = path("night.alm");
    open();
    selectRow(1);
    click("cmdDelete");

    // Yes, then the file dialog is cancelled: the alarms are not thrown away.
    click("cmdNew");
    EXPECT_EQ(lastMessage(), QStringLiteral("Do you want to save your changes to:\r\nnight.alm"));
    EXPECT_EQ(alarms.size(), 2);
    EXPECT_FALSE(form.adding());

    // Yes and a save that fails: the same.
    files.answers << path("missing/folder/x.alm");
    click("cmdNew");
    EXPECT_EQ(alarms.size(), 2);
    EXPECT_FALSE(form.adding());

    // No: the table starts empty and belongs to no file, so nothing offers
    // to write it over night.alm; Save still starts in night.alm's folder.
    messages.answerYes = false;
    click("cmdNew");
    EXPECT_TRUE(alarms.isPlaceholder());
    EXPECT_TRUE(form.adding());
    EXPECT_EQ(prefs.AlarmFile, QString());
    addAlarm(Entry(QStringLiteral("Fresh")));
    messages.messages.clear();
    click("cmdOK");
    EXPECT_EQ(lastMessage(), QStringLiteral("Do you want to save your new alarm list?"));
    open();
    click("cmdSave");  // cancelled
    EXPECT_EQ(files.requests.last().proposedName, QStringLiteral("*.alm"));
    EXPECT_EQ(files.requests.last().directory, QFileInfo(path("night.alm")).absolutePath());
}

TEST_F(AlarmEditorTest, BrowseFillsTheProgramAndSoundBoxes)
{
    open();
    click("cmdAdd");
    actionList()->setCurrentIndex(kActionLaunchProgram);
    files.answers << QStringLiteral("/usr/local/bin/focuser");
    click("cmdBrowse0");
    EXPECT_EQ(box("txtParam0")->text(), QStringLiteral("/usr/local/bin/focuser"));
    ASSERT_EQ(files.requests.size(), 1);
    EXPECT_EQ(files.requests[0].title, QStringLiteral("Select Executable File"));
    EXPECT_EQ(files.requests[0].filter, QStringLiteral("Any|*.*"));
    EXPECT_EQ(files.requests[0].defaultSuffix, QString());
    EXPECT_EQ(files.requests[0].proposedName, QString());
    EXPECT_EQ(files.requests[0].directory, AlarmEditor::programFolder());

    actionList()->setCurrentIndex(kActionMessageBoxSound);
    type("txtParam1", QStringLiteral("kept.wav"));
    click("cmdBrowse1");  // cancelled
    EXPECT_EQ(box("txtParam1")->text(), QStringLiteral("kept.wav"));
    files.answers << QStringLiteral("/usr/share/sounds/bell.wav");
    click("cmdBrowse1");
    EXPECT_EQ(box("txtParam1")->text(), QStringLiteral("/usr/share/sounds/bell.wav"));
    EXPECT_EQ(files.requests[1].title, QStringLiteral("Select Sound File"));
    EXPECT_EQ(files.requests[1].filter, QStringLiteral("Sound File|*.wav"));
    EXPECT_EQ(files.requests[1].defaultSuffix, QStringLiteral("wav"));
    EXPECT_EQ(files.requests[1].proposedName, QStringLiteral("*.wav"));
    EXPECT_EQ(files.requests[1].purpose, FilePickRequest::Purpose::Open);
}

TEST_F(AlarmEditorTest, AddingBeyondWhatAnAlarmFileHoldsIsRefused)
{
    alarms.resize(32768);
    alarms[0].Name = QStringLiteral("First");
    open();
    click("cmdAdd");
    fill(Entry(QStringLiteral("One too many")));
    click("cmdOK");
    EXPECT_EQ(lastMessage(), QStringLiteral("No more alarms can be added: an alarm file holds at most 32768 alarms."));
    EXPECT_EQ(alarms.size(), 32768);
    EXPECT_TRUE(form.adding());
}

}  // namespace
