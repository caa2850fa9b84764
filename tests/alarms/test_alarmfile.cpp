// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Reading and writing alarm files.

#include "alarmfile.h"
#include "filesizescope.h"

#include "qtprinters.h"
#include "variant.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <sys/stat.h>

namespace {

using noctalis::AlarmDef;
using noctalis::AlarmTable;
using noctalis::LoadAlarmFile;
using noctalis::MessageButtons;
using noctalis::RecordingMessageService;
using noctalis::SaveAlarmFile;

// The lines of a file, each ended by CR LF.
QByteArray crlfLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

QStringList jupiterBlock()
{
    return {QStringLiteral("NAME:Jupiter"),
            QStringLiteral("ACTION:1"),
            QStringLiteral("SIDEREALTIME:.520833333333333"),
            QStringLiteral("ENABLED:True"),
            QStringLiteral("PARAM1:Transit"),
            QStringLiteral("PARAM2:bell.wav"),
            QStringLiteral("PARAM3:"),
            QStringLiteral("DURATION:0.5"),
            QStringLiteral("END ALARM DEF")};
}

AlarmDef jupiter()
{
    AlarmDef a;
    a.Name = QStringLiteral("Jupiter");
    a.Action = 1;
    a.SiderealTime = (12 * 3600 + 30 * 60) / 86400.0;
    a.Enabled = true;
    a.Param1 = QStringLiteral("Transit");
    a.Param2 = QStringLiteral("bell.wav");
    a.Duration = 720 / 1440.0;
    return a;
}

// A number as its 15-significant-digit text reads back.
double to15Digits(double value) { return QString::number(value, 'g', 15).toDouble(); }

// The stored fields of two records are the same, numbers to 15 significant
// digits; Empty equals "" and 0.
void expectSameStoredFields(const AlarmDef &want, const AlarmDef &got, int index)
{
    SCOPED_TRACE(index);
    EXPECT_EQ(got.Name, want.Name);
    EXPECT_EQ(got.Action, want.Action);
    EXPECT_EQ(got.SiderealTime, to15Digits(want.SiderealTime));
    EXPECT_EQ(got.Enabled, want.Enabled);
    EXPECT_EQ(got.Param1, want.Param1);
    EXPECT_EQ(got.Param2, want.Param2);
    EXPECT_EQ(got.Param3, want.Param3);
    EXPECT_EQ(got.Duration.value_or(0), to15Digits(want.Duration.value_or(0)));
}

class AlarmFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString pathOf(const QString &name) const { return dir.filePath(name); }

    QString write(const QByteArray &bytes, const QString &name = QStringLiteral("a.alm"))
    {
        const QString path = pathOf(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        EXPECT_EQ(f.write(bytes), bytes.size());
        return path;
    }

    static QByteArray contents(const QString &path)
    {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }

    qint16 load(const QByteArray &bytes) { return LoadAlarmFile(write(bytes), alarms, messages); }

    // Saves table and loads the file into a fresh table.
    AlarmTable roundTrip(const AlarmTable &table)
    {
        const QString path = pathOf(QStringLiteral("trip.alm"));
        EXPECT_TRUE(SaveAlarmFile(path, table, messages));
        AlarmTable back;
        EXPECT_EQ(LoadAlarmFile(path, back, messages), table.lastIndex());
        EXPECT_TRUE(messages.messages.isEmpty());
        return back;
    }

    void expectOneMessage(const QString &text)
    {
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_EQ(messages.messages[0].text, text);
        EXPECT_EQ(messages.messages[0].title, noctalis::programTitle());
        EXPECT_EQ(messages.messages[0].buttons, MessageButtons::Ok);
    }

    QString readFailure(const QString &path, const QString &description) const
    {
        return QStringLiteral("Error opening Alarm File: \r\n") + path + QStringLiteral("\r\n") + description;
    }

    QTemporaryDir dir;
    AlarmTable alarms;
    RecordingMessageService messages;
};

// --- writing ---------------------------------------------------------------

TEST_F(AlarmFileTest, WritesNineLinesPerAlarmWithCrLf)
{
    alarms[0] = jupiter();
    const QString path = pathOf(QStringLiteral("j.alm"));
    ASSERT_TRUE(SaveAlarmFile(path, alarms, messages));
    EXPECT_EQ(contents(path), crlfLines(QStringList{QStringLiteral("SIDEREAL ALARM FILE")} + jupiterBlock()));
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(AlarmFileTest, NumberForms)
{
    alarms.resize(5);
    alarms[0].SiderealTime = 0.0;
    alarms[0].Duration = 10 / 1440.0;  // ten minutes
    alarms[1].SiderealTime = 0.5;      // Duration Empty: nothing after the tag
    alarms[2].Action = -3;             // SiderealTime Empty: written as 0
    alarms[3].SiderealTime = 0.75;     // 18:00:00
    alarms[3].Duration = 1.5;
    alarms[4].Action = 32767;
    alarms[4].SiderealTime = 23.0 / 24;
    alarms[4].Duration = 0.0;
    const QString path = pathOf(QStringLiteral("n.alm"));
    ASSERT_TRUE(SaveAlarmFile(path, alarms, messages));
    const QStringList lines = QString::fromLatin1(contents(path)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 1 + 5 * 9 + 1);
    const auto line = [&](int alarm, int n) { return lines[1 + alarm * 9 + n - 1]; };
    EXPECT_EQ(line(0, 3), QStringLiteral("SIDEREALTIME:0"));
    EXPECT_EQ(line(0, 8), QStringLiteral("DURATION:6.94444444444444E-03"));
    EXPECT_EQ(line(1, 3), QStringLiteral("SIDEREALTIME:.5"));
    EXPECT_EQ(line(1, 8), QStringLiteral("DURATION:"));
    EXPECT_EQ(line(2, 2), QStringLiteral("ACTION:-3"));
    EXPECT_EQ(line(2, 3), QStringLiteral("SIDEREALTIME:0"));
    EXPECT_EQ(line(2, 4), QStringLiteral("ENABLED:False"));
    EXPECT_EQ(line(3, 3), QStringLiteral("SIDEREALTIME:.75"));
    EXPECT_EQ(line(3, 8), QStringLiteral("DURATION:1.5"));
    EXPECT_EQ(line(4, 2), QStringLiteral("ACTION:32767"));
    EXPECT_EQ(line(4, 3), QStringLiteral("SIDEREALTIME:.958333333333333"));
    EXPECT_EQ(line(4, 8), QStringLiteral("DURATION:0"));
    EXPECT_EQ(lines.last(), QString());  // the last line ends with CR LF too
}

// --- round trips -----------------------------------------------------------

TEST_F(AlarmFileTest, OneAlarmComesBackFieldForField)
{
    alarms[0] = jupiter();
    const AlarmTable back = roundTrip(alarms);
    ASSERT_EQ(back.size(), 1);
    expectSameStoredFields(alarms[0], back[0], 0);
}

TEST_F(AlarmFileTest, ManyAlarmsComeBackWithEveryFieldTo15Digits)
{
    alarms.resize(40);
    for (int i = 0; i < alarms.size(); ++i) {
        AlarmDef &a = alarms[i];
        a.Name = QStringLiteral("Alarm %1: \"M%2\", north").arg(i).arg(i * 7);
        a.Action = qint16(i % 6 - 1);                                // -1 to 4
        a.SiderealTime = std::fmod(i * 0.1234567890123456789, 1.0);  // more digits than kept
        a.Enabled = i % 3 != 0;
        a.Param1 = QStringLiteral("Look: Jupiter, Saturn \"%1\"").arg(i);
        a.Param2 = QStringLiteral("http://127.0.0.1:1556/?a=%1,b").arg(i);
        if (i % 4)
            a.Param3 = QString::number(i);
        if (i % 5)
            a.Duration = i / 1440.0 + 1e-9 * i;
    }
    alarms[7].SiderealTime = 1e-7;  // exponent form
    alarms[8].Duration = 123456.789012345678;

    const AlarmTable back = roundTrip(alarms);
    ASSERT_EQ(back.size(), alarms.size());
    for (int i = 0; i < alarms.size(); ++i)
        expectSameStoredFields(alarms[i], back[i], i);
}

TEST_F(AlarmFileTest, ValuesAreTakenWholeAfterTheFirstColon)
{
    alarms[0] = jupiter();
    alarms[0].Name = QStringLiteral(" Saturn: rings, \"open\" ");
    alarms[0].Param1 = QStringLiteral("Look: Jupiter, Saturn");
    alarms[0].Param2 = QStringLiteral("  leading blanks");
    alarms[0].Param3 = QStringLiteral("a:b:c");
    const AlarmTable back = roundTrip(alarms);
    expectSameStoredFields(alarms[0], back[0], 0);
}

// --- reading: header and file -------------------------------------------

TEST_F(AlarmFileTest, HeaderMayHaveTextAroundIt)
{
    EXPECT_EQ(load(crlfLines(QStringList{QStringLiteral("## SIDEREAL ALARM FILE v2 ##")} + jupiterBlock())), 0);
    EXPECT_TRUE(messages.messages.isEmpty());
    expectSameStoredFields(jupiter(), alarms[0], 0);
}

TEST_F(AlarmFileTest, LowerCaseHeaderIsNoAlarmFile)
{
    alarms[0].Name = QStringLiteral("kept");
    EXPECT_EQ(load(crlfLines(QStringList{QStringLiteral("sidereal alarm file")} + jupiterBlock())), -1);
    expectOneMessage(QStringLiteral("Not an alarm file."));
    ASSERT_EQ(alarms.size(), 1);
    EXPECT_EQ(alarms[0].Name, QStringLiteral("kept"));
}

TEST_F(AlarmFileTest, HeaderOnlyReadsPastTheEnd)
{
    alarms.resize(2);
    const QString path = write(crlfLines({QStringLiteral("SIDEREAL ALARM FILE")}));
    EXPECT_EQ(LoadAlarmFile(path, alarms, messages), -1);
    expectOneMessage(readFailure(path, QStringLiteral("Input past end of file.")));
    EXPECT_EQ(alarms.size(), 2);
}

TEST_F(AlarmFileTest, EmptyFileReadsPastTheEnd)
{
    const QString path = write(QByteArray());
    EXPECT_EQ(LoadAlarmFile(path, alarms, messages), -1);
    expectOneMessage(readFailure(path, QStringLiteral("Input past end of file.")));
}

TEST_F(AlarmFileTest, MissingFileIsNotFound)
{
    alarms[0].Name = QStringLiteral("kept");
    const QString path = pathOf(QStringLiteral("none.alm"));
    EXPECT_EQ(LoadAlarmFile(path, alarms, messages), -1);
    expectOneMessage(QStringLiteral("Alarm File: \r\n") + path + QStringLiteral("\r\nNot Found."));
    EXPECT_EQ(alarms[0].Name, QStringLiteral("kept"));
}

TEST_F(AlarmFileTest, FolderAndPipeAreReadFailures)
{
    EXPECT_EQ(LoadAlarmFile(dir.path(), alarms, messages), -1);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].text.startsWith(QStringLiteral("Error opening Alarm File: \r\n") + dir.path()
                                                     + QStringLiteral("\r\n")));

    const QString fifo = pathOf(QStringLiteral("pipe.alm"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(LoadAlarmFile(fifo, alarms, messages), -1);  // returns instead of waiting
    ASSERT_EQ(messages.messages.size(), 2);
    EXPECT_EQ(messages.messages[1].text, readFailure(fifo, QStringLiteral("Not a regular file")));
}

TEST_F(AlarmFileTest, FileWithoutAlarmsLeavesTheTable)
{
    alarms.resize(3);
    alarms[2].Name = QStringLiteral("kept");
    EXPECT_EQ(load(crlfLines({QStringLiteral("SIDEREAL ALARM FILE"), QString(), QStringLiteral("ACTION:2")})), -1);
    EXPECT_TRUE(messages.messages.isEmpty());
    ASSERT_EQ(alarms.size(), 3);
    EXPECT_EQ(alarms[2].Name, QStringLiteral("kept"));
}

TEST_F(AlarmFileTest, LinesMayEndWithLfOrCr)
{
    for (const char *end : {"\n", "\r"}) {
        const QStringList lines = QStringList{QStringLiteral("SIDEREAL ALARM FILE")} + jupiterBlock();
        AlarmTable table;
        const QString path = write(lines.join(QLatin1String(end)).toLatin1());
        EXPECT_EQ(LoadAlarmFile(path, table, messages), 0);
        expectSameStoredFields(jupiter(), table[0], 0);
    }
    EXPECT_TRUE(messages.messages.isEmpty());
}

// --- reading: blocks -------------------------------------------------------

TEST_F(AlarmFileTest, MissingEndMarkerRunsIntoTheNextBlock)
{
    const QByteArray bytes =
        crlfLines({QStringLiteral("SIDEREAL ALARM FILE"), QStringLiteral("NAME:First"), QStringLiteral("ACTION:1"),
                   QStringLiteral("PARAM1:one"), QStringLiteral("NAME:Second"), QStringLiteral("ACTION:3"),
                   QStringLiteral("PARAM1:two")});
    EXPECT_EQ(load(bytes), 0);  // no end marker at the end either: no failure
    EXPECT_TRUE(messages.messages.isEmpty());
    ASSERT_EQ(alarms.size(), 1);
    EXPECT_EQ(alarms[0].Name, QStringLiteral("First"));
    EXPECT_EQ(alarms[0].Action, 3);
    EXPECT_EQ(alarms[0].Param1, QStringLiteral("two"));
}

// A tag counts only where a writer puts it, at the start of its line: tags
// and colons inside a value are the value's own text.
TEST_F(AlarmFileTest, TagsInsideAValueArePartOfTheValue)
{
    const struct {
        const char *line;
        int action;
        const char *param1;
    } cases[] = {
        {"PARAM1:ENABLED: yes; LMST=[LMST HH:MM:SS]", 1, "ENABLED: yes; LMST=[LMST HH:MM:SS]"},
        {"PARAM1:ACTION:OPEN DOME at [UT HH:MM:SS]", 1, "ACTION:OPEN DOME at [UT HH:MM:SS]"},
        {"PARAM1:2 ACTION: reminder", 1, "2 ACTION: reminder"},
        {"PARAM1:NAME:x END ALARM DEF", 1, "NAME:x END ALARM DEF"},
        {"\t PARAM1:Look: Jupiter, Saturn", 1, "Look: Jupiter, Saturn"},
        {"see ACTION:3", 1, ""},  // no tag at the start: skipped
    };
    for (const auto &c : cases) {
        AlarmTable table;
        const QString path =
            write(crlfLines({QStringLiteral("SIDEREAL ALARM FILE"), QStringLiteral("NAME:x"),
                             QStringLiteral("ACTION:1"), QString::fromUtf8(c.line), QStringLiteral("ENABLED:True"),
                             QStringLiteral("END ALARM DEF"), QStringLiteral("NAME:after")}));
        EXPECT_EQ(LoadAlarmFile(path, table, messages), 1) << c.line;
        ASSERT_EQ(table.size(), 2) << c.line;
        EXPECT_EQ(table[0].Action, c.action) << c.line;
        EXPECT_EQ(table[0].Param1, QString::fromUtf8(c.param1)) << c.line;
        EXPECT_TRUE(table[0].Enabled) << c.line;
    }
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(AlarmFileTest, TagsAreCaseSensitiveAndCountOnlyAtTheStartOfTheirLine)
{
    const QByteArray bytes =
        crlfLines({QStringLiteral("SIDEREAL ALARM FILE"), QStringLiteral("name:lower"), QStringLiteral("  NAME:Vega"),
                   QStringLiteral("Action:3"), QStringLiteral("see: PARAM2:x:y"), QStringLiteral("PARAM3: x:y"),
                   QStringLiteral("END ALARM DEF"), QStringLiteral("stray line")});
    EXPECT_EQ(load(bytes), 0);
    EXPECT_EQ(alarms[0].Name, QStringLiteral("Vega"));
    EXPECT_EQ(alarms[0].Action, 0);
    EXPECT_TRUE(alarms[0].Param2.isEmpty());
    EXPECT_EQ(alarms[0].Param3, QStringLiteral(" x:y"));  // everything after the tag
}

TEST_F(AlarmFileTest, ActionRoundsTiesToEven)
{
    const auto actionOf = [this](const QString &value) {
        AlarmTable table;
        const QString path = write(crlfLines(
            {QStringLiteral("SIDEREAL ALARM FILE"), QStringLiteral("NAME:a"), QStringLiteral("ACTION:") + value}));
        EXPECT_EQ(LoadAlarmFile(path, table, messages), 0) << qPrintable(value);
        return table[0].Action;
    };
    EXPECT_EQ(actionOf(QStringLiteral("2.5")), 2);
    EXPECT_EQ(actionOf(QStringLiteral("3.5")), 4);
    EXPECT_EQ(actionOf(QStringLiteral("-2.5")), -2);
    EXPECT_EQ(actionOf(QStringLiteral("Message")), 0);
    EXPECT_EQ(actionOf(QStringLiteral("-32768.5")), -32768);
    EXPECT_EQ(actionOf(QStringLiteral("32767.4")), 32767);
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(AlarmFileTest, EmptyNumbersGiveZero)
{
    EXPECT_EQ(load(crlfLines({QStringLiteral("SIDEREAL ALARM FILE"), QStringLiteral("NAME:a"),
                              QStringLiteral("SIDEREALTIME:"), QStringLiteral("DURATION:"),
                              QStringLiteral("END ALARM DEF")})),
              0);
    EXPECT_EQ(alarms[0].SiderealTime, 0.0);
    EXPECT_TRUE(alarms[0].Duration.has_value());
    EXPECT_EQ(alarms[0].Duration, 0.0);
}

TEST_F(AlarmFileTest, EnabledTakesBooleansInAnyCaseAndNumbers)
{
    const QStringList values = {QStringLiteral("True"), QStringLiteral("FALSE"), QStringLiteral("true"),
                                QStringLiteral("0"),    QStringLiteral("-1"),    QStringLiteral(" 2.5 ")};
    const bool want[] = {true, false, true, false, true, true};
    for (int i = 0; i < values.size(); ++i) {
        AlarmTable table;
        table[0].Enabled = !want[i];
        const QString path = write(crlfLines(
            {QStringLiteral("SIDEREAL ALARM FILE"), QStringLiteral("NAME:a"), QStringLiteral("ENABLED:") + values[i]}));
        EXPECT_EQ(LoadAlarmFile(path, table, messages), 0);
        EXPECT_EQ(table[0].Enabled, want[i]) << qPrintable(values[i]);
    }
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(AlarmFileTest, EnabledYesStopsTheLoadKeepingWhatWasRead)
{
    alarms.resize(4);
    QStringList lines = QStringList{QStringLiteral("SIDEREAL ALARM FILE")} + jupiterBlock();
    lines += {QStringLiteral("NAME:Saturn"), QStringLiteral("ACTION:3"), QStringLiteral("ENABLED:yes"),
              QStringLiteral("PARAM1:never read"), QStringLiteral("END ALARM DEF")};
    lines += jupiterBlock();
    const QString path = write(crlfLines(lines));
    EXPECT_EQ(LoadAlarmFile(path, alarms, messages), 1);
    expectOneMessage(readFailure(path, QStringLiteral("Line 13: \"yes\" is neither True, False nor a number.")));
    ASSERT_EQ(alarms.size(), 2);
    expectSameStoredFields(jupiter(), alarms[0], 0);
    EXPECT_EQ(alarms[1].Name, QStringLiteral("Saturn"));
    EXPECT_EQ(alarms[1].Action, 3);
    EXPECT_TRUE(alarms[1].Param1.isEmpty());
}

TEST_F(AlarmFileTest, ActionOutOfRangeStopsTheLoad)
{
    for (const QString &value : {QStringLiteral("32767.5"), QStringLiteral("-40000"), QStringLiteral("1E999")}) {
        AlarmTable table;
        messages.messages.clear();
        const QString path = write(crlfLines(
            {QStringLiteral("SIDEREAL ALARM FILE"), QStringLiteral("NAME:a"), QStringLiteral("ACTION:") + value}));
        EXPECT_EQ(LoadAlarmFile(path, table, messages), 0);
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_TRUE(messages.messages[0].text.startsWith(readFailure(path, QStringLiteral("Line 3: "))))
            << qPrintable(messages.messages[0].text);
    }
}

TEST_F(AlarmFileTest, LoadOverALongerTableKeepsRunTimeStateByIndex)
{
    alarms.resize(5);
    const QDateTime until(QDate(2024, 3, 1), QTime(22, 15), Qt::UTC);
    for (int i = 0; i < 5; ++i) {
        alarms[i].Name = QStringLiteral("old %1").arg(i);
        alarms[i].Triggered = i % 2 == 0;
        alarms[i].TriggeredUntil = until.addSecs(i);
        alarms[i].Param3 = QStringLiteral("old param %1").arg(i);
    }
    QStringList second = jupiterBlock();
    second[0] = QStringLiteral("NAME:Saturn");
    second.removeAt(6);  // no PARAM3 line: the field of a fresh record
    const QByteArray bytes = crlfLines(QStringList{QStringLiteral("SIDEREAL ALARM FILE")} + jupiterBlock() + second);

    EXPECT_EQ(load(bytes), 1);
    ASSERT_EQ(alarms.size(), 2);
    EXPECT_TRUE(alarms[0].Triggered);
    EXPECT_FALSE(alarms[1].Triggered);
    EXPECT_EQ(alarms[0].TriggeredUntil, until);
    EXPECT_EQ(alarms[1].TriggeredUntil, until.addSecs(1));
    EXPECT_EQ(alarms[0].Param3, QString());
    EXPECT_EQ(alarms[1].Name, QStringLiteral("Saturn"));
    EXPECT_TRUE(alarms[1].Param3.isEmpty()) << "nothing of the record the index held before";

    alarms.resize(3);  // index 2 went with the load: it comes back fresh
    EXPECT_TRUE(alarms[2].Name.isEmpty());
    EXPECT_FALSE(alarms[2].Triggered);
}

// A file loaded over a table that held an enabled alarm at 05:00:00 at
// index 1: a second block of only its name takes nothing from it.
TEST_F(AlarmFileTest, BlockWithMissingTagsIsAFreshRecord)
{
    QStringList dome = jupiterBlock();
    dome[0] = QStringLiteral("NAME:Dome");
    dome[2] = QStringLiteral("SIDEREALTIME:.208333333333333");
    EXPECT_EQ(load(crlfLines(QStringList{QStringLiteral("SIDEREAL ALARM FILE")} + jupiterBlock() + dome)), 1);
    ASSERT_TRUE(alarms[1].Enabled);

    EXPECT_EQ(load(crlfLines({QStringLiteral("SIDEREAL ALARM FILE"), jupiterBlock().join(QStringLiteral("\r\n")),
                              QStringLiteral("NAME:Cut short")})),
              1);
    EXPECT_TRUE(messages.messages.isEmpty());
    AlarmDef fresh;
    fresh.Name = QStringLiteral("Cut short");
    expectSameStoredFields(fresh, alarms[1], 1);
    EXPECT_EQ(alarms[1].SiderealTime, 0.0);
    EXPECT_FALSE(alarms[1].Duration.has_value());
}

// A sidereal time outside [0, 1) or a negative duration would fire the alarm
// at every tick: such alarms load disabled, all named in one message.
TEST_F(AlarmFileTest, RunawayAlarmsLoadDisabledAndAreToldOnce)
{
    const auto block = [](const char *name, const char *time, const char *enabled, const char *duration) {
        return QStringList{QStringLiteral("NAME:") + QLatin1String(name),
                           QStringLiteral("ACTION:2"),
                           QStringLiteral("SIDEREALTIME:") + QLatin1String(time),
                           QStringLiteral("ENABLED:") + QLatin1String(enabled),
                           QStringLiteral("PARAM1:xterm"),
                           QStringLiteral("DURATION:") + QLatin1String(duration),
                           QStringLiteral("END ALARM DEF")};
    };
    const QString path = write(crlfLines(QStringList{QStringLiteral("SIDEREAL ALARM FILE")}
                                         + block("Fine", ".25", "True", ".01") + block("Loop", "2", "True", "-0.5")
                                         + block("Late", "1", "True", ".01") + block("Back", ".5", "-1", "-.001")
                                         + block("Off", "-3", "False", "-1") + block("Edge", "0", "True", "0")));
    EXPECT_EQ(LoadAlarmFile(path, alarms, messages), 5);
    const bool enabled[] = {true, false, false, false, false, true};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(alarms[i].Enabled, enabled[i]) << i;
    EXPECT_EQ(alarms[1].SiderealTime, 2.0) << "the values stay as they were read";
    expectOneMessage(QStringLiteral(
        "These alarms were loaded disabled, because they could fire again at every tick:\r\n"
        "Alarm 2 \"Loop\": the sidereal time 2 is not from 0 up to 1 day; the duration -0.5 days is negative.\r\n"
        "Alarm 3 \"Late\": the sidereal time 1 is not from 0 up to 1 day.\r\n"
        "Alarm 4 \"Back\": the duration -0.001 days is negative."));
}

// Bytes this process has read from files so far.
qint64 bytesReadSoFar()
{
    std::ifstream io("/proc/self/io");
    std::string field;
    qint64 value = 0;
    while (io >> field >> value) {
        if (field == "rchar:")
            return value;
    }
    return -1;
}

TEST_F(AlarmFileTest, FileThatIsNoAlarmFileIsRefusedFromItsFirstLine)
{
    const QString path = write("This is no alarm file\r\n" + QByteArray(4 << 20, 'x') + "\r\nSIDEREAL ALARM FILE\r\n");
    const qint64 before = bytesReadSoFar();
    ASSERT_GE(before, 0) << "no /proc/self/io";
    EXPECT_EQ(LoadAlarmFile(path, alarms, messages), -1);
    EXPECT_LE(bytesReadSoFar() - before, noctalis::kHeaderProbeBytes + 4096) << "more than the first line read";
    expectOneMessage(QStringLiteral("Not an alarm file."));
}

TEST_F(AlarmFileTest, FileOverTheLimitIsRefusedAfterItsHeader)
{
    alarms[0].Name = QStringLiteral("kept");
    for (const char *first : {"SIDEREAL ALARM FILE\r\nNAME:a\r\n", "NAME:a\r\n"}) {
        messages.messages.clear();
        const QString path = write(first);
        ASSERT_TRUE(QFile::resize(path, noctalis::kMaxAlarmFileBytes + 1));  // sparse: no disk used
        EXPECT_EQ(LoadAlarmFile(path, alarms, messages), -1);
        expectOneMessage(QByteArray(first).startsWith("SIDEREAL")
                             ? readFailure(path, QStringLiteral("The file is larger than 67108864 bytes (64 MiB), "
                                                                "the most an alarm file may hold."))
                             : QStringLiteral("Not an alarm file."));
        EXPECT_EQ(alarms[0].Name, QStringLiteral("kept"));
    }
}

TEST_F(AlarmFileTest, ValueLongerThan32767CharactersStopsTheLoad)
{
    const QString longest(32767, QLatin1Char('m'));
    QStringList lines = QStringList{QStringLiteral("SIDEREAL ALARM FILE")} + jupiterBlock();
    lines[5] = QStringLiteral("PARAM1:") + longest;
    const QString fits = write(crlfLines(lines), QStringLiteral("fits.alm"));
    EXPECT_EQ(LoadAlarmFile(fits, alarms, messages), 0);
    EXPECT_EQ(alarms[0].Param1, longest);
    EXPECT_TRUE(messages.messages.isEmpty());

    for (const QString &tag : {QStringLiteral("PARAM1"), QStringLiteral("NAME")}) {
        AlarmTable table;
        messages.messages.clear();
        QStringList over = lines + jupiterBlock();
        const int line = tag == QLatin1String("NAME") ? 11 : 6;  // of the second alarm, of the first
        over[line - 1] = tag + QLatin1Char(':') + longest + QLatin1Char('m');
        const QString path = write(crlfLines(over), QStringLiteral("over.alm"));
        EXPECT_EQ(LoadAlarmFile(path, table, messages), 0);
        EXPECT_EQ(table.size(), 1) << "no record for a name that is too long";
        expectOneMessage(readFailure(
            path, QStringLiteral("Line %1: the %2 value is longer than 32767 characters.").arg(line).arg(tag)));
    }
}

TEST_F(AlarmFileTest, AtMost32768Alarms)
{
    QByteArray bytes = "SIDEREAL ALARM FILE\r\n";
    for (int i = 0; i < 32768; ++i)
        bytes += "NAME:a\r\nEND ALARM DEF\r\n";
    const QString full = write(bytes, QStringLiteral("full.alm"));
    EXPECT_EQ(LoadAlarmFile(full, alarms, messages), 32767);
    EXPECT_TRUE(messages.messages.isEmpty());

    bytes += "NAME:one too many\r\nEND ALARM DEF\r\n";
    const QString over = write(bytes, QStringLiteral("over.alm"));
    EXPECT_EQ(LoadAlarmFile(over, alarms, messages), 32767);
    expectOneMessage(readFailure(over, QStringLiteral("Line 65538: more than 32768 alarms.")));
    EXPECT_EQ(alarms.size(), 32768);
}

// --- encodings -------------------------------------------------------------

TEST_F(AlarmFileTest, Windows1252FileIsRead)
{
    const QByteArray bytes = "SIDEREAL ALARM FILE\r\nNAME:Caf\xE9\r\nPARAM1:5 \x80 \x96 ok\r\nEND ALARM DEF\r\n";
    EXPECT_EQ(load(bytes), 0);
    EXPECT_EQ(alarms[0].Name, QStringLiteral(u"Café"));
    EXPECT_EQ(alarms[0].Param1, QStringLiteral(u"5 € – ok"));
}

TEST_F(AlarmFileTest, SavesWindows1252WhenEveryCharacterFitsAndUtf8Otherwise)
{
    alarms[0] = jupiter();
    alarms[0].Name = QStringLiteral(u"Café");
    const QString path = pathOf(QStringLiteral("e.alm"));
    ASSERT_TRUE(SaveAlarmFile(path, alarms, messages));
    EXPECT_TRUE(contents(path).contains("NAME:Caf\xE9\r\n"));
    EXPECT_EQ(roundTrip(alarms)[0].Name, QStringLiteral(u"Café"));

    alarms[0].Param1 = QStringLiteral(u"Плеяды ☉");
    ASSERT_TRUE(SaveAlarmFile(path, alarms, messages));
    EXPECT_TRUE(contents(path).contains("NAME:Caf\xC3\xA9\r\n"));
    const AlarmTable back = roundTrip(alarms);
    EXPECT_EQ(back[0].Name, QStringLiteral(u"Café"));
    EXPECT_EQ(back[0].Param1, QStringLiteral(u"Плеяды ☉"));
}

TEST_F(AlarmFileTest, OneCharacterBeyondAsciiLateInTheTableSetsTheCodePageOfTheWholeFile)
{
    alarms.resize(300);
    for (int i = 0; i < alarms.size(); ++i) {
        alarms[i] = jupiter();
        alarms[i].Name = QStringLiteral("Alarm %1").arg(i);
    }
    const QString path = pathOf(QStringLiteral("late.alm"));
    ASSERT_TRUE(SaveAlarmFile(path, alarms, messages));
    const QByteArray ascii = contents(path);
    ASSERT_EQ(ascii.count("NAME:Alarm 299\r\n"), 1);
    // Only the changed value differs, in Windows-1252, then in UTF-8.
    for (const auto &[name, bytes] :
         {std::pair{QStringLiteral(u"Alarm 299 \u00E9"), QByteArray("Alarm 299 \xE9")},
          std::pair{QStringLiteral(u"Alarm 299 \u2609"), QByteArray("Alarm 299 \xE2\x98\x89")}}) {
        alarms[299].Name = name;
        ASSERT_TRUE(SaveAlarmFile(path, alarms, messages));
        QByteArray expected = ascii;
        expected.replace("NAME:Alarm 299\r\n", "NAME:" + bytes + "\r\n");
        EXPECT_EQ(contents(path), expected) << name.toStdString();
    }
}

// --- write failures --------------------------------------------------------

class SaveFailureTest : public AlarmFileTest {
protected:
    void SetUp() override
    {
        AlarmFileTest::SetUp();
        alarms[0] = jupiter();
        oldPath = pathOf(QStringLiteral("old.alm"));
        ASSERT_TRUE(SaveAlarmFile(oldPath, alarms, messages));
        oldBytes = contents(oldPath);
        alarms.resize(200);
        for (int i = 0; i < alarms.size(); ++i)
            alarms[i].Name = QStringLiteral("replacement %1").arg(i);
    }

    void expectOldFileWholeAndFailureTold(const QString &description)
    {
        EXPECT_EQ(contents(oldPath), oldBytes);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.alm")});
        ASSERT_EQ(messages.messages.size(), 1);
        const QString prefix = QStringLiteral("Error saving:\r\n") + oldPath + QStringLiteral("\r\n");
        EXPECT_EQ(messages.messages[0].text, prefix + description);
        EXPECT_EQ(messages.messages[0].title, noctalis::programTitle());
    }

    QString oldPath;
    QByteArray oldBytes;
};

TEST_F(SaveFailureTest, DiskFullWhileWritingLeavesTheOldFile)
{
    // Files of this process may not grow beyond 1 KiB: the write fails midway.
    bool saved = true;
    {
        const FileSizeScope diskFull(1024);
        ASSERT_TRUE(diskFull.isSet());
        saved = SaveAlarmFile(oldPath, alarms, messages);
    }

    EXPECT_FALSE(saved);
    expectOldFileWholeAndFailureTold(QStringLiteral("File too large"));  // the system's text for EFBIG
}

TEST_F(SaveFailureTest, LineBreakInAValueIsRefused)
{
    alarms[3].Param2 = QStringLiteral("two\r\nENABLED:yes");
    EXPECT_FALSE(SaveAlarmFile(oldPath, alarms, messages));
    expectOldFileWholeAndFailureTold(QStringLiteral("Alarm 4: the PARAM2 value holds a line break."));
}

TEST_F(SaveFailureTest, FirstFailureIsToldAlsoAfterACharacterBeyondAscii)
{
    alarms[50].Param1 = QStringLiteral(u"Плеяды");
    alarms[120].Param3 = QStringLiteral("a\nb");
    EXPECT_FALSE(SaveAlarmFile(oldPath, alarms, messages));
    expectOldFileWholeAndFailureTold(QStringLiteral("Alarm 121: the PARAM3 value holds a line break."));
}

TEST_F(AlarmFileTest, SaveIntoAMissingFolderIsTold)
{
    const QString path = pathOf(QStringLiteral("no/such/folder/a.alm"));
    EXPECT_FALSE(SaveAlarmFile(path, alarms, messages));
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(
        messages.messages[0].text.startsWith(QStringLiteral("Error saving:\r\n") + path + QStringLiteral("\r\n")));
    EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
