// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The settings store and its value forms.

#include "fileroutines.h"
#include "filesizescope.h"
#include "messageservice.h"
#include "settingsstore.h"
#include "settingvalues.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace noctalis;

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Texts that need every kind of escape or quote the INI form has.
const QStringList kAwkwardTexts = {
    QStringLiteral("plain"),
    QString(),
    QStringLiteral("C:\\alarms\\night, west.alm"),
    QStringLiteral("say \"hi\"; = [x]"),
    QStringLiteral("  blanks  "),
    QStringLiteral("tab\tand\nline\r\nbreaks"),
    QStringLiteral("bell\a\x01\x1f0f"),
    QString(QChar(0)) + QStringLiteral("12"),
    QStringLiteral("Z\u00fcrich \u2013 \u5317\u4eac \U0001F52D"),
    QStringLiteral("@Variant(\x7f)"),
    QStringLiteral("@@twice"),
    QStringLiteral("@"),
    QStringLiteral("a,b;c=d"),
    QStringLiteral("ends with a backslash\\"),
    QStringLiteral("#hash %25 [Settings]"),
};

TEST(SettingsStore, SectionAndKeyNamesMatchWithoutRegardToCase)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("noctalis1.ini"));
    {
        SettingsStore store(path);
        EXPECT_EQ(store.read(QStringLiteral("Settings"), QStringLiteral("DisplayUT"), QStringLiteral("False")),
                  QStringLiteral("False"));
        store.write(QStringLiteral("Settings"), QStringLiteral("DisplayUT"), QStringLiteral("True"));
        store.write(QStringLiteral("settings"), QStringLiteral("displayut"), QStringLiteral("False"));
        store.write(QStringLiteral("SETTINGS"), QStringLiteral("LNG"), QStringLiteral("75:30:00"));
        EXPECT_EQ(store.read(QStringLiteral("sEtTiNgS"), QStringLiteral("DISPLAYUT"), QString()),
                  QStringLiteral("False"));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_EQ(text.count(QStringLiteral("[Settings]")), 1) << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("DisplayUT=")), 1) << "one key, first spelling kept";
    EXPECT_FALSE(text.contains(QStringLiteral("displayut")));
    // A new store on the same file reads what was written, colons and all.
    SettingsStore again(path);
    EXPECT_EQ(again.read(QStringLiteral("Settings"), QStringLiteral("lng"), QString()), QStringLiteral("75:30:00"));
}

TEST(SettingsStore, TextsWithCommasAndQuotesComeBackWhole)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("s.ini")));
    const QString texts[] = {QStringLiteral("C:\\alarms\\night, west.alm"), QStringLiteral("say \"hi\"; = [x]"),
                             QStringLiteral("  blanks  ")};
    for (const QString &t : texts) {
        store.write(settingsSection(), QStringLiteral("AlarmFile"), t);
        EXPECT_EQ(store.read(settingsSection(), QStringLiteral("AlarmFile"), QString()), t);
    }
}

TEST(SettingValues, BooleansNumbersAndColours)
{
    EXPECT_TRUE(booleanSetting(QStringLiteral("True")));
    EXPECT_TRUE(booleanSetting(QStringLiteral("tRUE")));
    EXPECT_TRUE(booleanSetting(QStringLiteral("-1")));
    EXPECT_TRUE(booleanSetting(QStringLiteral("2")));
    EXPECT_FALSE(booleanSetting(QStringLiteral("0")));
    EXPECT_FALSE(booleanSetting(QStringLiteral("FALSE")));
    EXPECT_FALSE(booleanSetting(QStringLiteral("yes")));
    EXPECT_FALSE(booleanSetting(QString()));

    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("s.ini")));
    EXPECT_EQ(readNumberSetting(store, QStringLiteral("BkColor"), QStringLiteral("&HFFFFFF")), 16777215);
    EXPECT_EQ(colorFromSetting(16777215), QColor(Qt::white));
    EXPECT_EQ(colorFromSetting(255), QColor(255, 0, 0)) << "red in the low byte";
    EXPECT_EQ(colorFromSetting(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(settingFromColor(QColor(1, 2, 3)), double(1 + 2 * 256 + 3 * 65536));
    writeSetting(store, QStringLiteral("FontSize"), QStringLiteral("30 points"));
    EXPECT_EQ(readNumberSetting(store, QStringLiteral("fontsize"), QStringLiteral("20")), 30);
    writeSetting(store, QStringLiteral("TZ"), QStringLiteral("abc"));
    EXPECT_EQ(readNumberSetting(store, QStringLiteral("TZ"), QStringLiteral("0")), 0);
}

// Files that earlier versions wrote with QSettings read back the same, and
// the files written now read back the same in QSettings, byte for byte alike.
TEST(SettingsStore, ValuesAsQSettingsWritesAndReadsThem)
{
    QTemporaryDir dir;
    const QString theirs = dir.filePath(QStringLiteral("qsettings.ini"));
    const QString ours = dir.filePath(QStringLiteral("store.ini"));
    {
        QSettings qsettings(theirs, QSettings::IniFormat);
        SettingsStore store(ours);
        for (int i = 0; i < kAwkwardTexts.size(); ++i) {
            const QString key = QStringLiteral("Key%1").arg(i, 2, 10, QLatin1Char('0'));
            qsettings.setValue(settingsSection() + QLatin1Char('/') + key, kAwkwardTexts[i]);
            EXPECT_TRUE(store.write(settingsSection(), key, kAwkwardTexts[i]));
        }
    }
    EXPECT_EQ(fileBytes(ours), fileBytes(theirs));
    SettingsStore store(theirs);
    QSettings qsettings(ours, QSettings::IniFormat);
    for (int i = 0; i < kAwkwardTexts.size(); ++i) {
        const QString key = QStringLiteral("Key%1").arg(i, 2, 10, QLatin1Char('0'));
        EXPECT_EQ(store.read(QStringLiteral("settings"), key, QStringLiteral("<none>")), kAwkwardTexts[i]) << i;
        EXPECT_EQ(qsettings.value(settingsSection() + QLatin1Char('/') + key).toString(), kAwkwardTexts[i]) << i;
    }
}

// A variant list holding a list ... 200 000 deep, as QSettings would write
// it: its decoder recursed once per level. Here it is only text.
TEST(SettingsStore, VariantNestedDeepIsReadAsItsText)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("noctalis1.ini"));
    constexpr int kDepth = 200000;
    // One level of the stream: type 9 (a list), not null, one item.
    const QByteArray level("\0\0\0\t\0\0\0\0\x01", 9);
    const QByteArray escapedLevel(R"(\0\0\0\t\0\0\0\0\x1)");
    writeBytes(path, "[Settings]\nFontName=@Variant(" + escapedLevel.repeated(kDepth) + ")\nFontSize=30\n");
    const QString text = QStringLiteral("@Variant(") + QString::fromLatin1(level.repeated(kDepth)) + QLatin1Char(')');

    SettingsStore store(path);
    EXPECT_EQ(store.read(settingsSection(), QStringLiteral("FontName"), QString()), text);
    EXPECT_EQ(readNumberSetting(store, QStringLiteral("FontSize"), QStringLiteral("20")), 30);
    EXPECT_TRUE(store.write(settingsSection(), QStringLiteral("FontSize"), QStringLiteral("12")));
    EXPECT_EQ(SettingsStore(path).read(settingsSection(), QStringLiteral("FontName"), QString()), text)
        << "written back as the same text";
}

TEST(SettingsStore, BothSpellingsOfTheSectionAreOneAndEveryWriteGoesToSettings)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("noctalis1.ini"));
    writeBytes(path, "[settings]\nDisplayUT=False\nLNG=75\n\n[Other]\nx=1\n\n"
                     "[Settings]\nTop=300\ndisplayut=True\n");
    SettingsStore store(path);
    EXPECT_EQ(store.read(settingsSection(), QStringLiteral("DisplayUT"), QString()), QStringLiteral("True"))
        << "the later key wins";
    EXPECT_EQ(store.read(settingsSection(), QStringLiteral("LNG"), QString()), QStringLiteral("75"));
    EXPECT_EQ(store.read(QStringLiteral("SETTINGS"), QStringLiteral("top"), QString()), QStringLiteral("300"));
    EXPECT_TRUE(store.write(QStringLiteral("settings"), QStringLiteral("LNG"), QStringLiteral("80")));
    EXPECT_EQ(fileBytes(path), QByteArray("[Settings]\nDisplayUT=True\nLNG=80\nTop=300\n\n[Other]\nx=1\n"));
}

// A pipe, a folder or an oversized file where the settings file should be:
// read at once as an empty store, and left as it is by a write.
TEST(SettingsStore, SpecialFileReadsAsEmptyWithoutWaitingAndIsNeverReplaced)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = dir.filePath(QStringLiteral("folder.ini"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString big = dir.filePath(QStringLiteral("big.ini"));
    writeBytes(big, "[Settings]\nTZ=5\n");
    ASSERT_TRUE(QFile::resize(big, SettingsStore::kMaxFileBytes + 1));

    for (const QString &path : {fifo, folder, big}) {
        SCOPED_TRACE(path.toStdString());
        struct stat before {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &before), 0);
        SettingsStore store(path);
        EXPECT_EQ(readNumberSetting(store, QStringLiteral("TZ"), QStringLiteral("0")), 0);
        EXPECT_FALSE(store.write(settingsSection(), QStringLiteral("TZ"), QStringLiteral("3")));
        EXPECT_EQ(store.read(settingsSection(), QStringLiteral("TZ"), QString()), QStringLiteral("3"))
            << "kept for this run";
        struct stat after {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino) << "not replaced";
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_size, before.st_size);
    }
}

TEST(SettingsStore, MissingFolderIsCreatedAndAChangeOnDiskIsSeen)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("noctalis1/noctalis1.ini"));
    SettingsStore store(path);
    EXPECT_TRUE(store.write(settingsSection(), QStringLiteral("TZ"), QStringLiteral("2")));
    EXPECT_EQ(fileBytes(path), QByteArray("[Settings]\nTZ=2\n"));
    writeBytes(path, "[Settings]\nTZ=-7\n");
    EXPECT_EQ(store.read(settingsSection(), QStringLiteral("TZ"), QString()), QStringLiteral("-7"));
}

// A full disk: the change stays in the store, the user hears of it once
// however often saving fails again, and the next change once the disk has
// room saves both.
TEST(SettingsStore, AFailedSaveIsToldOnceKeptAndWrittenWithTheNextChange)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("noctalis1.ini"));
    SettingsStore store(path);
    RecordingMessageService messages;
    store.tellFailuresTo(&messages);
    ASSERT_TRUE(store.write(settingsSection(), QStringLiteral("TopMost"), QStringLiteral("True")));
    const QString font(300, QLatin1Char('F'));
    {
        const FileSizeScope diskFull(64);
        ASSERT_TRUE(diskFull.isSet());
        EXPECT_FALSE(store.write(settingsSection(), QStringLiteral("FontName"), font));
        EXPECT_FALSE(store.write(settingsSection(), QStringLiteral("FontSize"), QStringLiteral("30")));
    }
    ASSERT_EQ(messages.messages.size(), 1) << "told once, not at every failing save";
    EXPECT_TRUE(messages.messages[0].text.contains(QDir::toNativeSeparators(path)));
    EXPECT_EQ(messages.messages[0].title, programTitle());
    EXPECT_EQ(store.read(settingsSection(), QStringLiteral("FontName"), QString()), font) << "kept in memory";
    EXPECT_FALSE(fileBytes(path).contains("FontName"));

    EXPECT_TRUE(store.write(settingsSection(), QStringLiteral("DisplayUT"), QStringLiteral("True")));
    const SettingsStore reread(path);
    for (const auto &[key, value] : {std::pair{"FontName", font}, std::pair{"FontSize", QStringLiteral("30")},
                                     std::pair{"DisplayUT", QStringLiteral("True")}})
        EXPECT_EQ(reread.read(settingsSection(), QLatin1String(key), QString()), value) << key;

    // Failing again after a success is news again.
    const FileSizeScope diskFull(8);
    EXPECT_FALSE(store.write(settingsSection(), QStringLiteral("FontName"), QStringLiteral("Arial")));
    EXPECT_EQ(messages.messages.size(), 2);
}

// A file-size limit (ulimit -f) with SIGXFSZ at its default action ends a
// process at its first write past the limit. In a child under such a
// limit, the program's start-up step keeps the process alive and the save
// fails and is told; without it the signal ends the child.
TEST(SettingsStore, AFileSizeLimitFailsTheSaveInsteadOfEndingTheProgram)
{
    QTemporaryDir dir;
    for (const bool programSetUp : {true, false}) {
        const QString path = dir.filePath(programSetUp ? QStringLiteral("set-up.ini") : QStringLiteral("bare.ini"));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_DFL);
            struct rlimit small {};
            ::getrlimit(RLIMIT_FSIZE, &small);
            small.rlim_cur = 64;
            if (::setrlimit(RLIMIT_FSIZE, &small) != 0)
                ::_exit(3);
            if (programSetUp)
                ignoreFileSizeSignal();
            SettingsStore store(path);
            RecordingMessageService messages;
            store.tellFailuresTo(&messages);
            const bool saved = store.write(settingsSection(), QStringLiteral("FontName"), QString(300, u'F'));
            ::_exit(!saved && messages.messages.size() == 1 ? 0 : 2);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        if (programSetUp) {
            ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
            EXPECT_EQ(WEXITSTATUS(status), 0) << "the save did not fail and tell, or the limit was not set";
        } else {
            ASSERT_TRUE(WIFSIGNALED(status)) << "the limit did not stop the write";
            EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
        }
        EXPECT_FALSE(QFile::exists(path));
    }
}

}  // namespace
