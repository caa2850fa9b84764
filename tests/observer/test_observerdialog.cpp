// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The observer location dialog and the US time zone picker, driven as a
// user drives them: typed boxes, clicks on buttons, lists and the map,
// answers to the file dialogs and questions.

#include "appparts.h"
#include "commalocale.h"
#include "filepicker.h"
#include "observerdialog.h"
#include "uszonepicker.h"
#include "internet.h"
#include "latlng.h"
#include "numbertext.h"
#include "qtprinters.h"
#include "strictinput.h"
#include "urlcatcher.h"
#include "worldmapview.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <tuple>

#include <sys/stat.h>

namespace {

using namespace noctalis;

const QString kCrLf = QStringLiteral("\r\n");

// Where file dialogs start without a current file: the user's documents
// folder, or the home folder when there is none.
QString documentsOrHome()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

class ObserverDialogTest : public ::testing::Test {
protected:
    ObserverDialogTest() { form.setCityListFile(QStringLiteral(NOCTALIS_CITY_FIXTURE)); }

    template <typename T = QWidget>
    T *control(const char *name)
    {
        T *widget = form.findChild<T *>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString text(const char *name) { return control<QLineEdit>(name)->text(); }
    QString caption(const char *name) { return control(name)->property("text").toString(); }
    QListWidget *list(const char *name) { return control<QListWidget>(name); }
    QStringList entries(const char *name)
    {
        QStringList texts;
        for (int i = 0; i < list(name)->count(); ++i)
            texts << list(name)->item(i)->text();
        return texts;
    }
    bool shown(const char *name) { return !control(name)->isHidden(); }

    void open()
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void click(const char *name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    void type(const char *name, const QString &value)
    {
        QLineEdit *edit = control<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, value);
    }
    void clickEntry(const char *name, const QString &entry)
    {
        QListWidget *widget = list(name);
        const QList<QListWidgetItem *> found = widget->findItems(entry, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << name << ": " << entry.toStdString();
        widget->scrollToItem(found.first());
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, widget->visualItemRect(found.first()).center());
    }
    WorldMapView *map() { return control<WorldMapView>("picMap"); }
    // The pointer moved over the map to a point, also to the one it is at
    // and to the corner (QTest takes a null point for the centre).
    void moveOverMap(QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, map()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(map(), &move);
    }

    QString path(const char *name) { return dir.filePath(QLatin1String(name)); }
    void writeFile(const QString &file, const QByteArray &bytes)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readFile(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    QList<RecordingMessageService::Message> &messages() { return parts.messages.messages; }
    ObserverExchange &observer() { return parts.observer; }

    QTemporaryDir dir;
    AppParts parts;
    AppContext context = parts.context();
    ScriptedFilePicker files;
    ObserverDialog form{context, files};
};

TEST_F(ObserverDialogTest, OpensFromTheExchangeValues)
{
    const struct {
        bool displayWest;
        int dstRule;
        const char *lng, *ew;
        int selected;
        const char *zoneId;
    } cases[] = {
        {true, 2, "284:30:00.0", "W", 2, "Asia/Kathmandu"},
        {false, 12, "75:30:00.0", "E", 12, ""},
        {true, 13, "284:30:00.0", "W", 0, ""},  // no such rule: "Not Used"
    };
    for (const auto &c : cases) {
        parts.prefs.DisplayWest = c.displayWest;
        observer() = {-33.8667,  284.5, 5.75,
                      c.dstRule, true,  QStringLiteral("/obs/home.obs"),
                      c.dstRule, 0,     QLatin1String(c.zoneId),
                      {}};
        form.hide();
        open();
        EXPECT_EQ(text("Txtlat"), QStringLiteral("-33:52:00.1"));
        EXPECT_EQ(text("TxtLng"), QLatin1String(c.lng));
        EXPECT_EQ(caption("cmdEW"), QLatin1String(c.ew));
        EXPECT_EQ(text("TxtTZ"), QStringLiteral("5.75"));
        EXPECT_EQ(caption("LBLObFileName"), QStringLiteral("Observer File: /obs/home.obs"));
        EXPECT_EQ(list("ListDST")->currentRow(), c.selected);
        EXPECT_EQ(form.dstRule(), c.selected);
        EXPECT_EQ(form.fileName(), QStringLiteral("/obs/home.obs"));
        EXPECT_EQ(form.zoneId(), QLatin1String(c.zoneId));
        EXPECT_EQ(caption("LBLZoneId"), QLatin1String(c.zoneId));
    }
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Observer Parameters"));
    EXPECT_EQ(entries("ListDST"),
              QStringList({"0 - Not Used", "1 - 2nd Sun Mar to First Sun Nov", "2 - Last Sun Mar to Last Sun Oct",
                           "3 - Last Sun Oct to Last Sun Mar", "4 - 1st Sun Oct to Last Sun Mar",
                           "5 - 1st Sun Oct to 3rd Sun Mar", "6 - Last Fri Apr to Last Thur Sep", "7 - Apr 1 to Oct 1 ",
                           "8 - 2nd Sat Oct to 2nd Sat Mar", "9 - Last Fri Apr to Last Thur Sep",
                           "10 - 1st Sun Sept 8 to 1st Sun April 6", "11 - 1st Sun Nov to Last Sun Jan",
                           "12 - April 1 to last Sun Oct"}));
    for (const char *hidden : {"ListRegions", "LBLRegions", "ListCities", "LBLCities"})
        EXPECT_FALSE(shown(hidden)) << hidden;
    EXPECT_EQ(map()->size(), QSize(640, 320));
}

TEST_F(ObserverDialogTest, EastWestFlipsTheSharedSwitchAtOnceAndCancelKeepsTheExchange)
{
    parts.prefs.DisplayWest = true;
    observer() = {10, 350, 1, 2, true, QStringLiteral("a.obs"), 2, 0, QStringLiteral("Europe/Paris"), {}};
    const auto exchange = [this] {
        const ObserverExchange &o = observer();
        return std::tuple(o.ObserverLat, o.ObserverLng, o.ObserverTZ, o.ObserverDSTRule, o.ObserverFile,
                          o.ObserverCancelled, o.ObserverZoneId);
    };
    const auto before = exchange();
    open();
    EXPECT_EQ(text("TxtLng"), QStringLiteral("350:00:00.0"));
    type("TxtLng", QStringLiteral("12"));  // unconfirmed typing is replaced
    click("cmdEW");
    EXPECT_FALSE(parts.prefs.DisplayWest);
    EXPECT_EQ(caption("cmdEW"), QStringLiteral("E"));
    EXPECT_EQ(control("TxtLng")->toolTip(), QStringLiteral("East Longitude"));
    EXPECT_EQ(text("TxtLng"), QStringLiteral("10:00:00.0"));
    click("cmdEW");
    EXPECT_TRUE(parts.prefs.DisplayWest);
    EXPECT_EQ(caption("cmdEW"), QStringLiteral("W"));
    EXPECT_EQ(control("TxtLng")->toolTip(), QStringLiteral("West Longitude"));
    EXPECT_EQ(text("TxtLng"), QStringLiteral("350:00:00.0"));
    click("cmdEW");

    type("Txtlat", QStringLiteral("45"));
    type("TxtTZ", QStringLiteral("2"));
    click("CmdCancel");
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_FALSE(parts.prefs.DisplayWest);  // the flip stays
    EXPECT_EQ(exchange(), before);
}

TEST_F(ObserverDialogTest, OkAcceptsOrTellsWhatIsWrong)
{
    open();
    const QString zone =
        QStringLiteral("You entered an invalid value for Time Zone. Please re-enter.\n") + InputForms::zoneHours();
    const QString lat = QStringLiteral("Error in Latitude format.\n") + InputForms::latitude();
    const QString lng = QStringLiteral("Error in Longitude format.\n") + InputForms::longitude();
    const QString height =
        QStringLiteral("The elevation must be a number of meters from -1000 to 10000, such as 350 or 1234.5.");
    const struct {
        const char *lat, *lng, *tz, *elevation;
        QString message;  // empty: passes
        QString title;
    } cases[] = {
        {"0", "0", "-24", "0", {}, {}},
        {"0", "0", "24", "0", {}, {}},
        {"90:00:00", "360:00:00", "5.75", "-1000", {}, {}},
        {"33 52 S", "70 40 01 E", "+5:30", "1234,5", {}, {}},
        {"0", "0", "-24.5", "0", zone, QStringLiteral("Time Zone Error")},
        {"0", "0", "24.01", "0", zone, QStringLiteral("Time Zone Error")},
        {"0", "0", "5x", "0", zone, QStringLiteral("Time Zone Error")},
        {"91:00:00", "0", "0", "0", lat, programTitle()},
        {"-90.5", "0", "0", "0", lat, programTitle()},
        {"40.5x", "0", "0", "0", lat, programTitle()},
        {"-40 N", "0", "0", "0", lat, programTitle()},
        {"0", "361:00:00", "0", "0", lng, programTitle()},
        {"0", "12x", "0", "0", lng, programTitle()},
        {"0", "70:40:01:02", "0", "0", lng, programTitle()},
        {"0", "0", "0", "10001", height, programTitle()},
        {"0", "0", "0", "350 m", height, programTitle()},
        {"0", "0", "0", "", {}, {}},  // none given, as the dialog opens
        {"0", "0", "0", "-", height, programTitle()},
    };
    for (const auto &c : cases) {
        type("Txtlat", QLatin1String(c.lat));
        type("TxtLng", QLatin1String(c.lng));
        type("TxtTZ", QLatin1String(c.tz));
        type("txtElevation", QLatin1String(c.elevation));
        messages().clear();
        observer().ObserverCancelled = true;
        click("CmdOK");
        EXPECT_EQ(!observer().ObserverCancelled, c.message.isEmpty()) << c.lat << " " << c.lng << " " << c.tz;
        if (c.message.isEmpty()) {
            EXPECT_TRUE(messages().isEmpty());
            open();  // OK closed it
            continue;
        }
        ASSERT_EQ(messages().size(), 1) << c.tz;
        EXPECT_EQ(messages()[0].text, c.message);
        EXPECT_EQ(messages()[0].title, c.title);
    }
    // OK with a wrong value: the dialog stays open with the text as typed
    // and hands nothing back.
    observer().ObserverCancelled = true;
    click("CmdOK");
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(text("txtElevation"), QStringLiteral("-"));
    EXPECT_TRUE(observer().ObserverCancelled);
    EXPECT_EQ(observer().ObserverLat, 0);
}

TEST_F(ObserverDialogTest, OkStoresEveryLongitudeAsWestWithinACircle)
{
    const struct {
        bool displayWest;
        const char *typed;
        double storedWestDeg;
    } cases[] = {
        {false, "10", 350},  // 10 east
        {false, "0", 0},     // Greenwich typed as east
        {false, "-75:30:00", 75.5},
        {true, "-75", 285},  // minus west is east
        {true, "360:00:00", 0},
    };
    open();
    for (const auto &c : cases) {
        parts.prefs.DisplayWest = c.displayWest;
        type("TxtLng", QLatin1String(c.typed));
        observer().ObserverCancelled = true;
        click("CmdOK");
        ASSERT_FALSE(observer().ObserverCancelled) << c.typed;
        EXPECT_NEAR(observer().ObserverLng, c.storedWestDeg, 1e-4) << c.typed;
        open();  // OK closed it
    }

    // A confirmed OK hands everything back and closes the dialog.
    parts.prefs.DisplayWest = false;
    observer().ObserverCancelled = true;
    type("Txtlat", QStringLiteral("-33:52"));
    type("TxtLng", QStringLiteral("151:12:30"));
    type("TxtTZ", QStringLiteral("10"));
    clickEntry("ListDST", QStringLiteral("4 - 1st Sun Oct to Last Sun Mar"));
    click("CmdOK");
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(observer().ObserverCancelled);
    EXPECT_NEAR(observer().ObserverLat, -(33 + 52 / 60.0), 1e-5);
    EXPECT_NEAR(observer().ObserverLng, 360 - (151 + 12.5 / 60), 1e-4);
    EXPECT_EQ(observer().ObserverTZ, 10);
    EXPECT_EQ(observer().ObserverDSTRule, 4);
}

TEST_F(ObserverDialogTest, LoadingShortAndOutOfRangeFiles)
{
    parts.prefs.DisplayWest = true;
    open();
    const struct {
        const char *name;
        QByteArray bytes;
        const char *lat, *lng, *tz, *elevation;
        int rule;
    } cases[] = {
        {"three.obs", "\"40.5\"\r\n\"74.25\"\r\n\"-5\"\r\n", "40:30:00.0", "74:15:00.0", "-5", "0", 0},
        {"range.obs", "\"91:00:00\"\r\n\"74\"\r\n\"-5,5\"\r\n\"Far\"\r\n\"13\"\r\n", "0:00:00.0", "74:00:00.0", "-5.5",
         "0", 0},
        {"full.obs", "\"-33.5\"\r\n\"208.75\"\r\n\"10\"\r\n\"Sydney, AU\"\r\n\"4\"\r\n\"\"\r\n\"58\"\r\n",
         "-33:30:00.0", "208:45:00.0", "10", "58", 4},
    };
    for (const auto &c : cases) {
        // What the last file left, so that a field not read must be cleared.
        control<QLineEdit>("txtLocation")->setText(QStringLiteral("old"));
        list("ListDST")->setCurrentRow(3);
        const QString file = path(c.name);
        writeFile(file, c.bytes);
        files.answers << file;
        click("CmdLoad");
        EXPECT_EQ(text("Txtlat"), QLatin1String(c.lat)) << c.name;
        EXPECT_EQ(text("TxtLng"), QLatin1String(c.lng)) << c.name;
        EXPECT_EQ(text("TxtTZ"), QLatin1String(c.tz)) << c.name;
        EXPECT_EQ(text("txtElevation"), QLatin1String(c.elevation)) << c.name;
        EXPECT_EQ(list("ListDST")->currentRow(), c.rule) << c.name;
        EXPECT_EQ(form.dstRule(), c.rule) << c.name;
        EXPECT_EQ(form.fileName(), file);
        EXPECT_EQ(caption("LBLObFileName"), QStringLiteral("Observer File: ") + file);
    }
    EXPECT_EQ(text("txtLocation"), QStringLiteral("Sydney, AU"));
    EXPECT_TRUE(messages().isEmpty());
    const FilePickRequest &request = files.requests.last();
    EXPECT_EQ(request.title, QStringLiteral("Load Observer File"));
    EXPECT_EQ(request.filter, QStringLiteral("Observer File|*.obs|Any|*.*"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("obs"));
    // The folder of the file loaded before, and its name.
    EXPECT_EQ(request.directory, dir.path());
    EXPECT_EQ(request.proposedName, QStringLiteral("range.obs"));
}

TEST_F(ObserverDialogTest, AFileThatCannotBeLoadedChangesNoBox)
{
    observer().ObserverFile = QStringLiteral("/obs/current.obs");
    open();
    const QString fifo = path("pipe.obs");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString huge = path("huge.obs");
    writeFile(huge, QByteArray(64 * 1024 + 1, ' '));
    const QString two = path("two.obs");
    writeFile(two, "\"1\"\r\n\"2\"\r\n");
    const struct {
        QString file;
        const char *why;
    } cases[] = {
        {fifo, "Not a regular file"},  // refused at once: no writer is waited for
        {huge, "The file is larger than 65536 bytes."},
        {two, "Input past end of file."},
        {path("absent.obs"), "No such file or directory"},
        {dir.path(), "Is a directory"},
    };
    const QStringList boxes = {text("Txtlat"), text("TxtLng"), text("TxtTZ"), text("txtLocation"),
                               text("txtElevation")};
    for (const auto &c : cases) {
        messages().clear();
        files.answers << c.file;
        click("CmdLoad");
        ASSERT_EQ(messages().size(), 1) << c.why;
        EXPECT_EQ(messages()[0].text, QStringLiteral("There was an error loading the observer file:") + kCrLf + c.file
                                          + kCrLf + QLatin1String(c.why));
        EXPECT_EQ(messages()[0].title, QStringLiteral("Noctalis"));
        EXPECT_EQ(form.fileName(), QStringLiteral("/obs/current.obs"));
        EXPECT_EQ(
            QStringList({text("Txtlat"), text("TxtLng"), text("TxtTZ"), text("txtLocation"), text("txtElevation")}),
            boxes);
    }
    // Cancelling the file dialog does nothing.
    messages().clear();
    click("CmdLoad");
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ObserverDialogTest, SavingWritesSevenLinesThatLoadBack)
{
    parts.prefs.DisplayWest = true;
    open();
    // The reserved text of a loaded file goes into the next save.
    const QString source = path("source.obs");
    writeFile(source, "\"1\"\r\n\"2\"\r\n\"3\"\r\n\"\"\r\n\"0\"\r\n\"kept\"\r\n\"\"\r\n");
    files.answers << source;
    click("CmdLoad");
    type("Txtlat", QStringLiteral("40.7"));
    type("TxtLng", QStringLiteral("74:00:21.6"));
    type("TxtTZ", QStringLiteral("-5"));
    type("txtLocation", QStringLiteral("New York, USA"));
    type("txtElevation", QStringLiteral("10"));
    clickEntry("ListDST", QStringLiteral("1 - 2nd Sun Mar to First Sun Nov"));

    const QString saved = path("saved.obs");
    files.answers << saved;
    click("CmdSave");
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(readFile(saved), QByteArray("\"40.7000007629395\"\r\n\"74.0059967041016\"\r\n\"-5\"\r\n"
                                          "\"New York, USA\"\r\n\"1\"\r\n\"kept\"\r\n\"10\"\r\n"));
    EXPECT_EQ(observer().ObserverFile, saved);
    EXPECT_EQ(form.fileName(), source);  // saving leaves the dialog's own file
    EXPECT_EQ(caption("LBLObFileName"), QStringLiteral("Observer File: ") + source);
    EXPECT_EQ(files.requests.last().title, QStringLiteral("Save Observer File"));
    EXPECT_EQ(files.requests.last().directory, documentsOrHome());  // no observer file yet

    // Read back into boxes that show something else.
    type("txtLocation", QString());
    type("Txtlat", QStringLiteral("0"));
    files.answers << saved;
    click("CmdLoad");
    EXPECT_EQ(text("Txtlat"), QStringLiteral("40:42:00.0"));
    EXPECT_EQ(text("txtLocation"), QStringLiteral("New York, USA"));
    EXPECT_EQ(form.dstRule(), 1);
    EXPECT_EQ(form.elevationM(), 10);
    EXPECT_NEAR(form.longitudeWestDeg(), 74.006, 1e-5);  // through a 32-bit float
}

// Boxes show numbers with the locale's decimal separator; the file keeps ".".
TEST_F(ObserverDialogTest, ACommaLocaleShowsCommasAndTheFileKeepsPoints)
{
    const CommaLocale comma;
    parts.prefs.DisplayWest = true;
    observer() = {-33.8667, 284.5, 5.75, 0, true, QString(), 0, 0, QString(), {}};
    open();
    EXPECT_EQ(text("Txtlat"), QStringLiteral("-33:52:00,1"));
    EXPECT_EQ(text("TxtLng"), QStringLiteral("284:30:00,0"));
    EXPECT_EQ(text("TxtTZ"), QStringLiteral("5,75"));
    type("txtElevation", QStringLiteral("12,5"));
    const QString saved = path("comma.obs");
    files.answers << saved;
    click("CmdSave");
    ASSERT_TRUE(messages().isEmpty()) << messages().first().text.toStdString();
    const QList<QByteArray> lines = readFile(saved).split('\n');
    ASSERT_GE(lines.size(), 7);
    const struct {
        int line;
        double value;
    } numbers[] = {{0, -33.8667}, {1, 284.5}, {2, 5.75}, {6, 12.5}};
    for (const auto &n : numbers) {
        const QByteArray field = lines[n.line].trimmed();
        EXPECT_FALSE(field.contains(',')) << field.toStdString();
        bool ok = false;
        EXPECT_NEAR(field.mid(1, field.size() - 2).toDouble(&ok), n.value, 1e-5) << field.toStdString();
        EXPECT_TRUE(ok) << field.toStdString();
    }
    // Loaded back, the boxes show the same again.
    type("TxtTZ", QStringLiteral("0"));
    files.answers << saved;
    click("CmdLoad");
    EXPECT_EQ(text("TxtTZ"), QStringLiteral("5,75"));
    EXPECT_EQ(text("txtElevation"), QStringLiteral("12,5"));
}

TEST_F(ObserverDialogTest, TypedFormsTheFileReaderWouldMisreadAreSavedAsTheirValues)
{
    open();
    const struct {
        const char *tz, *elevation;
        const char *zoneLine, *elevationLine;  // as saved
        double tzHours, elevationM;            // as loaded back
    } cases[] = {
        {"-5", "10", "\"-5\"", "\"10\"", -5, 10},
        {"+5:30", "1234,5", "\"5.5\"", "\"1234.5\"", 5.5, 1234.5},
        {" -3:30 ", " 12.50 ", "\"-3.5\"", "\" 12.50 \"", -3.5, 12.5},
    };
    for (const auto &c : cases) {
        type("TxtTZ", QLatin1String(c.tz));
        type("txtElevation", QLatin1String(c.elevation));
        const QString saved = path("typed.obs");
        observer().ObserverFile = saved;
        QFile::remove(saved);  // nothing to ask about, and no file unless this save writes one
        files.answers << saved;
        click("CmdSave");
        ASSERT_TRUE(QFile::exists(saved)) << c.tz;
        const QList<QByteArray> lines = readFile(saved).split('\n');
        ASSERT_GE(lines.size(), 7);
        EXPECT_EQ(lines[2].trimmed(), QByteArray(c.zoneLine)) << c.tz;
        EXPECT_EQ(lines[6].trimmed(), QByteArray(c.elevationLine)) << c.elevation;
        messages().clear();
        files.answers << saved;
        click("CmdLoad");
        ASSERT_TRUE(messages().isEmpty()) << c.tz << ": " << messages().first().text.toStdString();
        EXPECT_EQ(leadingNumber(text("TxtTZ")), c.tzHours) << c.tz;
        EXPECT_EQ(form.elevationM(), c.elevationM) << c.elevation;
    }
}

TEST_F(ObserverDialogTest, SaveAsksBeforeReplacingAndWritesNothingWrong)
{
    open();
    const QString existing = path("night.obs");
    writeFile(existing, "old");

    // Asked, answered No: nothing is written, the current file stays.
    observer().ObserverFile = path("current.obs");
    parts.messages.answerYes = false;
    files.answers << existing;
    click("CmdSave");
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(messages()[0].text, existing + kCrLf + QStringLiteral("already exists. Do you want to replace it?"));
    EXPECT_EQ(readFile(existing), QByteArray("old"));
    EXPECT_EQ(observer().ObserverFile, path("current.obs"));
    EXPECT_EQ(files.requests.last().directory, dir.path());
    EXPECT_EQ(files.requests.last().proposedName, QStringLiteral("current.obs"));

    // An invalid time zone: the message, and the old file as it was.
    messages().clear();
    parts.messages.answerYes = true;
    type("TxtTZ", QStringLiteral("-24.5"));
    files.answers << existing;
    click("CmdSave");
    ASSERT_EQ(messages().size(), 2);
    EXPECT_EQ(messages()[1].title, QStringLiteral("Time Zone Error"));
    EXPECT_EQ(readFile(existing), QByteArray("old"));
    const QString fresh = path("fresh.obs");
    files.answers << fresh;
    click("CmdSave");
    EXPECT_FALSE(QFile::exists(fresh));

    // Answered Yes with valid values: replaced.
    messages().clear();
    type("TxtTZ", QStringLiteral("1"));
    files.answers << existing;
    click("CmdSave");
    EXPECT_EQ(messages().size(), 1);
    EXPECT_TRUE(readFile(existing).startsWith("\"0\"\r\n\"0\"\r\n\"1\"\r\n"));

    // A folder that is not there: the save error, and no file.
    messages().clear();
    const QString nowhere = path("missing/a.obs");
    files.answers << nowhere;
    click("CmdSave");
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].text.startsWith(
        QStringLiteral("An error occurred while trying to save the observer file.") + kCrLf + nowhere + kCrLf))
        << messages()[0].text.toStdString();
    EXPECT_EQ(messages()[0].title, QStringLiteral("Save Error"));
    EXPECT_FALSE(QFile::exists(nowhere));
    // The next dialog starts in the documents folder: the file's own is not there.
    files.answers.clear();
    click("CmdSave");
    EXPECT_EQ(files.requests.last().directory, documentsOrHome());
    // Load starts where the last file was saved until a file is loaded.
    observer().ObserverFile = existing;
    click("CmdLoad");
    EXPECT_EQ(files.requests.last().directory, dir.path());
    EXPECT_EQ(files.requests.last().proposedName, QString());
}

TEST_F(ObserverDialogTest, PickingACityOrCancel)
{
    parts.prefs.DisplayWest = false;
    open();
    click("CmdCities");
    ASSERT_TRUE(shown("ListRegions"));
    EXPECT_TRUE(shown("LBLRegions"));
    EXPECT_EQ(entries("ListRegions"), QStringList({"North America", "Europe", "Asia"}));

    clickEntry("ListRegions", QStringLiteral("Europe"));
    ASSERT_TRUE(shown("ListCities"));
    EXPECT_TRUE(shown("LBLCities"));
    EXPECT_EQ(entries("ListCities"), QStringList({"<CANCEL>", "London, United Kingdom", "Paris, France", "<CANCEL>"}));

    // "<CANCEL>" only hides and clears the lists.
    const QStringList before = {text("Txtlat"), text("TxtLng"), text("TxtTZ"), text("txtLocation")};
    clickEntry("ListCities", QStringLiteral("<CANCEL>"));
    EXPECT_EQ(QStringList({text("Txtlat"), text("TxtLng"), text("TxtTZ"), text("txtLocation")}), before);
    for (const char *name : {"ListRegions", "LBLRegions", "ListCities", "LBLCities"})
        EXPECT_FALSE(shown(name)) << name;
    EXPECT_EQ(list("ListRegions")->count(), 0);
    EXPECT_EQ(list("ListCities")->count(), 0);

    click("CmdCities");
    clickEntry("ListRegions", QStringLiteral("Europe"));
    clickEntry("ListCities", QStringLiteral("Paris, France"));
    EXPECT_EQ(text("Txtlat"), FormatLatitude(48.85341));
    EXPECT_EQ(text("TxtLng"), FormatLongitude(360 - 357.6512));  // shown as east
    EXPECT_NEAR(form.longitudeWestDeg(), 357.6512, 1e-9);
    EXPECT_EQ(text("TxtTZ"), QStringLiteral("1"));
    EXPECT_EQ(text("txtLocation"), QStringLiteral("Paris, France"));
    EXPECT_EQ(form.dstRule(), 2);
    EXPECT_FALSE(shown("ListCities"));
    EXPECT_TRUE(messages().isEmpty());
}

// By keyboard: arrows move through both lists and Return picks a line as a
// click does, the dialog staying open instead of taking Return for its OK.
TEST_F(ObserverDialogTest, ArrowsAndReturnPickACityAndKeepTheDialogOpen)
{
    observer().ObserverCancelled = true;  // as the opener sets it
    open();
    click("CmdCities");
    for (const int key : {Qt::Key_Home, Qt::Key_Down, Qt::Key_Return})
        QTest::keyClick(list("ListRegions"), Qt::Key(key));
    ASSERT_TRUE(shown("ListCities"));
    EXPECT_EQ(entries("ListCities"), QStringList({"<CANCEL>", "London, United Kingdom", "Paris, France", "<CANCEL>"}));
    for (const int key : {Qt::Key_Home, Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter})
        QTest::keyClick(list("ListCities"), Qt::Key(key));
    EXPECT_EQ(text("txtLocation"), QStringLiteral("Paris, France"));
    EXPECT_EQ(text("TxtTZ"), QStringLiteral("1"));
    EXPECT_FALSE(shown("ListCities"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_TRUE(observer().ObserverCancelled) << "OK was not pressed";
}

// The search box lists the cities of every region that hold the typed
// letters, prefixes first; Return picks the first, Down reaches the list,
// Escape clears the search, and none of them closes the dialog.
TEST_F(ObserverDialogTest, SearchFindsCitiesOfEveryRegionAndPicksOne)
{
    open();
    QLineEdit *search = control<QLineEdit>("txtSearch");
    EXPECT_EQ(search->accessibleName(), QStringLiteral("Search"));
    type("txtSearch", QStringLiteral("AN"));
    EXPECT_FALSE(shown("ListRegions"));
    EXPECT_EQ(entries("ListCities"), QStringList({"Kathmandu, Nepal", "Paris, France"}));
    type("txtSearch", QStringLiteral("zz"));
    EXPECT_EQ(entries("ListCities"), QStringList({"No city matches \"zz\"."}));
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(text("txtLocation"), QString()) << "the line saying nothing matches is no city";
    QTest::keyClick(search, Qt::Key_Escape);
    EXPECT_TRUE(search->text().isEmpty());
    EXPECT_FALSE(shown("ListCities"));
    EXPECT_TRUE(form.isVisible());

    type("txtSearch", QStringLiteral(" ko"));
    EXPECT_EQ(entries("ListCities"), QStringList({"Kolkata, India"}));
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(text("txtLocation"), QStringLiteral("Kolkata, India"));
    EXPECT_EQ(text("TxtTZ"), QStringLiteral("5.5"));
    EXPECT_TRUE(search->text().isEmpty());
    EXPECT_FALSE(shown("ListCities"));

    type("txtSearch", QStringLiteral("united"));
    QTest::keyClick(search, Qt::Key_Down);
    QTest::keyClick(list("ListCities"), Qt::Key_Down);
    QTest::keyClick(list("ListCities"), Qt::Key_Return);
    EXPECT_EQ(text("txtLocation"), QStringLiteral("London, United Kingdom"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

// A city with a zone line gives the dialog its zone, shown beside the hours
// and handed back by OK; typing hours, or a city of a list without zone
// lines, leaves a fixed offset. An observer file keeps the zone.
TEST_F(ObserverDialogTest, TheZoneOfACityIsKeptUntilHoursAreTyped)
{
    const auto pick = [this](const QString &region, const QString &city) {
        click("CmdCities");
        clickEntry("ListRegions", region);
        clickEntry("ListCities", city);
    };
    open();
    pick(QStringLiteral("Europe"), QStringLiteral("Paris, France"));
    EXPECT_EQ(text("TxtTZ"), QStringLiteral("1"));
    EXPECT_EQ(form.zoneId(), QStringLiteral("Europe/Paris"));
    EXPECT_EQ(caption("LBLZoneId"), QStringLiteral("Europe/Paris"));

    const QString saved = path("paris.obs");
    files.answers << saved;
    click("CmdSave");
    EXPECT_TRUE(readFile(saved).endsWith("\"2\"\r\n\"\"\r\n\"\"\r\n\"Europe/Paris\"\r\n"))
        << readFile(saved).toStdString();

    type("TxtTZ", QStringLiteral("1"));  // the same hours, typed: a fixed offset
    EXPECT_EQ(form.zoneId(), QString());
    EXPECT_EQ(caption("LBLZoneId"), QString());
    files.answers << saved;
    click("CmdLoad");
    EXPECT_EQ(form.zoneId(), QStringLiteral("Europe/Paris"));

    pick(QStringLiteral("Asia"), QStringLiteral("Kolkata, India"));  // four lines: no zone
    EXPECT_EQ(text("TxtTZ"), QStringLiteral("5.5"));
    EXPECT_EQ(form.zoneId(), QString());

    pick(QStringLiteral("North America"), QStringLiteral("Denver, United States"));
    click("CmdOK");
    EXPECT_FALSE(observer().ObserverCancelled);
    EXPECT_EQ(observer().ObserverTZ, -7);
    EXPECT_EQ(observer().ObserverZoneId, QStringLiteral("America/Denver"));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ObserverDialogTest, WithoutACityListNothingShows)
{
    form.setCityListFile(path("absent.txt"));
    open();
    click("CmdCities");
    EXPECT_FALSE(shown("ListRegions"));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ObserverDialogTest, MapPointerReadOutAndRightButton)
{
    open();
    const struct {
        QPoint at;
        bool displayWest;
        const char *readOut;
    } cases[] = {
        {{320, 160}, true, "Lat: 0:00:00.0   Lng:0:00:00.0 W"},
        {{320, 160}, false, "Lat: 0:00:00.0   Lng:0:00:00.0 E"},
        {{480, 80}, true, "Lat: 45:00:00.0   Lng:270:00:00.0 W"},
        {{480, 80}, false, "Lat: 45:00:00.0   Lng:90:00:00.0 E"},
        {{0, 0}, true, "Lat: 90:00:00.0   Lng:180:00:00.0 W"},
        {{160, 300}, true, "Lat: -78:45:00.0   Lng:90:00:00.0 W"},
    };
    for (const auto &c : cases) {
        parts.prefs.DisplayWest = c.displayWest;
        moveOverMap(c.at);
        EXPECT_EQ(caption("LBLLatLng"), QLatin1String(c.readOut)) << c.at.x() << "," << c.at.y();
    }
    parts.prefs.DisplayWest = true;
    QTest::mouseClick(map(), Qt::RightButton, {}, QPoint(480, 80));
    EXPECT_EQ(text("Txtlat"), QStringLiteral("45:00:00.0"));
    EXPECT_EQ(text("TxtLng"), QStringLiteral("270:00:00.0"));
    // The working values follow when OK checks the boxes.
    observer().ObserverCancelled = true;
    click("CmdOK");
    ASSERT_FALSE(observer().ObserverCancelled);
    EXPECT_EQ(form.latitudeDeg(), 45);
    EXPECT_EQ(form.longitudeWestDeg(), 270);
}

// Shown smaller, or in a view of another shape, the map keeps its aspect in
// the middle of the view and its places: a click off the picture is none.
// On a dark palette (night vision) the bright map takes the palette's text
// colour, dimmed; on a light one it is the picture as it is.
TEST_F(ObserverDialogTest, TheMapFollowsADarkPalette)
{
    open();
    map()->resize(400, 200);
    const QPoint ocean = map()->pictureRect().toRect().topLeft() + QPoint(20, 100);  // the Pacific
    const QColor day = map()->grab().toImage().pixelColor(ocean);
    QPalette night = map()->palette();
    night.setColor(QPalette::Window, Qt::black);
    night.setColor(QPalette::WindowText, QColor(0xff, 0x30, 0x30));
    map()->setPalette(night);
    const QColor dark = map()->grab().toImage().pixelColor(ocean);
    EXPECT_GT(day.blue(), day.red()) << "the ocean by day";
    EXPECT_GT(dark.red(), 2 * std::max(dark.green(), dark.blue())) << "red at night";
    EXPECT_LT(dark.lightness(), day.lightness());
}

TEST_F(ObserverDialogTest, AShrunkMapKeepsItsAspectAndItsPlaces)
{
    parts.prefs.DisplayWest = true;
    open();
    const struct {
        QSize view;
        QPoint at;  // 45 degrees north, 270 degrees west
        QPoint off;
    } cases[] = {
        {{400, 300}, {300, 100}, {200, 20}},
        {{800, 200}, {500, 50}, {100, 100}},
        {{320, 160}, {240, 40}, {320, 161}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.view.width());
        map()->resize(c.view);
        const QRectF picture = map()->pictureRect();
        EXPECT_DOUBLE_EQ(picture.width(), 2 * picture.height());
        EXPECT_DOUBLE_EQ(picture.center().x(), c.view.width() / 2.0);
        type("Txtlat", QString());
        type("TxtLng", QString());
        QTest::mouseClick(map(), Qt::RightButton, {}, c.off);
        EXPECT_EQ(text("Txtlat"), QString()) << "off the picture";
        QTest::mouseClick(map(), Qt::RightButton, {}, c.at);
        EXPECT_EQ(text("Txtlat"), QStringLiteral("45:00:00.0"));
        EXPECT_EQ(text("TxtLng"), QStringLiteral("270:00:00.0"));
    }
}

TEST_F(ObserverDialogTest, WebMapFromTheMapTheLabelsAndTheButton)
{
    observer().ObserverLat = 51.5;
    observer().ObserverLng = 0.1;
    parts.prefs.DisplayWest = true;
    open();
    UrlCatcher catcher;
    QTest::mouseDClick(map(), Qt::LeftButton, {}, QPoint(480, 80));
    QTest::mouseDClick(control("Label1"), Qt::LeftButton);
    type("Txtlat", QStringLiteral("10"));  // not checked by a double-click
    QTest::mouseDClick(control("LBLLNG"), Qt::LeftButton);
    click("cmdGoogle");
    type("Txtlat", QStringLiteral("91:00:00"));
    click("cmdGoogle");  // refused with the latitude message
    ASSERT_EQ(catcher.opened.size(), 4);
    EXPECT_EQ(catcher.opened[0].toString(), MapURL(45, 270));
    EXPECT_EQ(catcher.opened[1].toString(), MapURL(51.5, 0.1));
    EXPECT_EQ(catcher.opened[2].toString(), MapURL(51.5, 0.1));
    EXPECT_EQ(catcher.opened[3].toString(), MapURL(10, double(0.1f)));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].text, QStringLiteral("Error in Latitude format.\n") + InputForms::latitude());
}

TEST_F(ObserverDialogTest, DetectShowsTheSystemZoneWhenTicked)
{
    open();
    parts.clock.setOffsetSeconds(19800);
    control<QCheckBox>("chkDetectTZ")->click();
    EXPECT_EQ(text("txtSCTZ"), QStringLiteral("5.5"));
    parts.clock.setOffsetSeconds(-12600);
    control<QCheckBox>("chkDetectTZ")->click();  // unticked: nothing
    EXPECT_EQ(text("txtSCTZ"), QStringLiteral("5.5"));
    QTest::mouseClick(control("Label4"), Qt::LeftButton);  // its caption ticks it too
    EXPECT_TRUE(control<QCheckBox>("chkDetectTZ")->isChecked());
    EXPECT_EQ(text("txtSCTZ"), QStringLiteral("-3.5"));
}

TEST_F(ObserverDialogTest, UsTimeZonePickerSetsZoneAndRule)
{
    const struct {
        int option;  // -1: none picked
        bool ok;
        const char *tz;
        int rule;
        const char *zoneId;
    } cases[] = {
        {3, true, "-8", 1, "America/Los_Angeles"},  // Pacific
        {5, true, "-10", 0, "Pacific/Honolulu"},
        {0, true, "-5", 1, "America/New_York"},
        {1, true, "-6", 1, "America/Chicago"},
        {2, true, "-7", 1, "America/Denver"},
        {4, true, "-9", 1, "America/Anchorage"},  // Alaska keeps the mainland's daylight saving
        {3, false, "7", 6, ""},                   // Cancel: unchanged, the 7 typed a fixed offset
        {-1, true, "7", 6, ""},                   // nothing picked: unchanged
    };
    open();
    for (const auto &c : cases) {
        type("TxtTZ", QStringLiteral("7"));
        list("ListDST")->setCurrentRow(6);
        observer().USZonePick = 99;
        QStringList captions;
        QTimer::singleShot(0, [&] {
            auto *picker = qobject_cast<UsZonePicker *>(QApplication::activeModalWidget());
            ASSERT_NE(picker, nullptr);
            EXPECT_EQ(picker->windowTitle(), QStringLiteral("Select a US Time Zone by Name"));
            for (int i = 0; i < 6; ++i)  // as read, without the access key's mark
                captions << picker->findChild<QRadioButton *>(QStringLiteral("OptTZ%1").arg(i))->text().remove(u'&');
            if (c.option >= 0)
                picker->findChild<QRadioButton *>(QStringLiteral("OptTZ%1").arg(c.option))->click();
            picker->findChild<QPushButton *>(c.ok ? QStringLiteral("cmdOK") : QStringLiteral("cmdCancel"))->click();
        });
        click("cmdUSTZ");
        EXPECT_EQ(captions, QStringList({"Eastern Time  (UT - 5 hours)", "Central Time  (UT-6 hours)",
                                         "Mountain Time  (UT-7 hours)", "Pacific Time  (UT-8 hours)",
                                         "Alaska Time  (UT-9 hours)", "Hawaii Time (UT-10 hours)"}));
        EXPECT_EQ(text("TxtTZ"), QLatin1String(c.tz)) << c.option;
        EXPECT_EQ(list("ListDST")->currentRow(), c.rule) << c.option;
        EXPECT_EQ(form.dstRule(), c.rule) << c.option;
        EXPECT_EQ(observer().USZonePick, c.option >= 0 && c.ok ? UsZonePicker::kZones[c.option].hours : 0);
        EXPECT_EQ(caption("LBLZoneId"), QLatin1String(c.zoneId)) << c.option;
        observer().ObserverCancelled = true;
        click("CmdOK");
        ASSERT_FALSE(observer().ObserverCancelled) << c.option;
        EXPECT_EQ(observer().ObserverZoneId, QLatin1String(c.zoneId)) << c.option;
        open();  // OK closed it
    }
}

}  // namespace
