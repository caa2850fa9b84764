// The settings store and its value forms.

#include "settingsstore.h"
#include "settingvalues.h"

#include <QFile>
#include <QTemporaryDir>

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

TEST(SettingsStore, SectionAndKeyNamesMatchWithoutRegardToCase)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("noctalis1.ini"));
    {
        SettingsStore store(path);
        EXPECT_EQ(store.read(QStringLiteral("Settings"), QStringLiteral("DisplayUT"),
                             QStringLiteral("False")),
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
    EXPECT_EQ(again.read(QStringLiteral("Settings"), QStringLiteral("lng"), QString()),
              QStringLiteral("75:30:00"));
}

TEST(SettingsStore, TextsWithCommasAndQuotesComeBackWhole)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("s.ini")));
    const QString texts[] = {QStringLiteral("C:\\alarms\\night, west.alm"),
                             QStringLiteral("say \"hi\"; = [x]"), QStringLiteral("  blanks  ")};
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

} // namespace
