// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The catalogue of the user's language: German users read the clock's menu,
// the texts of plain functions and Qt's standard buttons in German; English
// (first in the list, or the C locale) leaves every text as it is written
// but for the singular and plural forms of texts with a count.
// The languages are given, never read from the machine.

#include "alarmdef.h"
#include "appparts.h"
#include "filepicker.h"
#include "clockwindow.h"
#include "alarmeditor.h"
#include "translations.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QSet>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

// The clock's menu as a user reads it: the texts of its entries in order.
QStringList menuTexts()
{
    AppParts parts;
    const ClockWindow form(parts.context(QStringLiteral("No.Such.Engine")));
    QStringList texts;
    for (const QAction *action : form.optionsMenu()->actions())
        texts << action->text();
    return texts;
}

QString yesButtonText()
{
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    return box.button(QMessageBox::Yes)->text();
}

const QStringList kEnglishMenu{QStringLiteral("&Close"),        QStringLiteral("&Minimize"),
                               QStringLiteral("Display &UT"),   QStringLiteral("&Full Screen"),
                               QStringLiteral("&Night Vision"), QStringLiteral("C&onfigure"),
                               QStringLiteral("Ca&lculator"),   QStringLiteral("&Tonight"),
                               QStringLiteral("&Alarms"),       QStringLiteral("A&bout")};

// The access keys of a menu's entries, lower-cased: each entry has one and
// no two share it, so a key press picks exactly one entry.
void expectDistinctAccessKeys(const QStringList &texts)
{
    QStringList keys;
    for (const QString &text : texts) {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        ASSERT_TRUE(at >= 0 && at + 1 < text.size()) << text.toStdString() << " has no access key";
        keys << text.mid(at + 1, 1).toLower();
    }
    EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), keys.size()) << keys.join(u' ').toStdString();
}

TEST(Translations, GermanLocaleTranslatesTheMenuTheFunctionsAndQtsButtons)
{
    {
        const Translations german(QLocale(QLocale::German, QLocale::Germany).uiLanguages());
        EXPECT_EQ(german.language(), QStringLiteral("de"));
        EXPECT_EQ(menuTexts(), QStringList({QStringLiteral("&Schließen"), QStringLiteral("&Minimieren"),
                                            QStringLiteral("Weltzeit (&UT) anzeigen"), QStringLiteral("&Vollbild"),
                                            QStringLiteral("&Nachtsicht"), QStringLiteral("&Einstellungen"),
                                            QStringLiteral("Sternzeit&rechner"), QStringLiteral("&Heute Nacht"),
                                            QStringLiteral("&Alarme"), QStringLiteral("Ü&ber")}));
        expectDistinctAccessKeys(menuTexts());
        // A plain function's text, through its fixed context.
        EXPECT_EQ(Action2Str(kActionLaunchProgram), QStringLiteral("Programm starten"));
        // A caption marked for translation apart from its use, looked up in
        // the window's own context.
        AppParts parts;
        ScriptedFilePicker files;
        AlarmEditor editor(parts.alarms, parts.prefs, parts.settings, parts.messages, files);
        editor.findChild<QPushButton *>(QStringLiteral("cmdAdd"))->click();
        EXPECT_EQ(editor.findChild<QLabel *>(QStringLiteral("LBLParam0"))->text(), QStringLiteral("Nachri&cht:"));
        // Qt's own catalogue, where Qt's translations are installed.
        const bool qtCatalogue =
            QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm"));
        EXPECT_EQ(german.hasQtCatalogue(), qtCatalogue);
        EXPECT_EQ(yesButtonText(), qtCatalogue ? QStringLiteral("&Ja") : QStringLiteral("&Yes"));
    }
    // Gone with the object: English again.
    EXPECT_EQ(menuTexts(), kEnglishMenu);
    expectDistinctAccessKeys(kEnglishMenu);
    EXPECT_EQ(yesButtonText(), QStringLiteral("&Yes"));
}

TEST(Translations, TheFirstLanguageThatIsEnglishOrHasACatalogueWins)
{
    const struct {
        QStringList uiLanguages;
        QString language;  // empty: English
    } cases[] = {
        {QLocale::c().uiLanguages(), QString()},
        {{QStringLiteral("en-US")}, QString()},
        {{QStringLiteral("en-GB"), QStringLiteral("de-DE")}, QString()},
        {{QStringLiteral("fr-FR"), QStringLiteral("de-AT"), QStringLiteral("en-US")}, QStringLiteral("de")},
        {{QStringLiteral("fr-FR")}, QString()},
        {{}, QString()},
    };
    for (const auto &c : cases) {
        const Translations translations(c.uiLanguages);
        const QString list = c.uiLanguages.join(u',');
        EXPECT_EQ(translations.language(), c.language) << list.toStdString();
        if (c.language.isEmpty()) {
            EXPECT_EQ(menuTexts(), kEnglishMenu) << list.toStdString();
            EXPECT_EQ(Action2Str(kActionLaunchProgram), QStringLiteral("Launch Program")) << list.toStdString();
            EXPECT_EQ(yesButtonText(), QStringLiteral("&Yes")) << list.toStdString();
        } else {
            EXPECT_EQ(Action2Str(kActionLaunchProgram), QStringLiteral("Programm starten")) << list.toStdString();
        }
        // A count takes the language's singular and plural, English too.
        const bool german = !c.language.isEmpty();
        for (const int n : {1, 2, 0}) {
            const QString wanted = german ? (n == 1 ? QStringLiteral("Intervall: 1 Minute.")
                                                    : QStringLiteral("Intervall: %1 Minuten.").arg(n))
                                          : (n == 1 ? QStringLiteral("Interval: 1 minute.")
                                                    : QStringLiteral("Interval: %1 minutes.").arg(n));
            EXPECT_EQ(QCoreApplication::translate("noctalis::SenderWindow", "Interval: %n minutes.", nullptr, n),
                      wanted)
                << list.toStdString();
        }
    }
}

}  // namespace
