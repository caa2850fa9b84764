// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The program's texts in the user's language: the program's catalogue,
// compiled into it, and Qt's catalogue of its standard buttons and dialogs.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace noctalis {

// Translations: installs the catalogues of the user's language into the
// application while it lives.
//
// Given (constructor):
//   uiLanguages   the user's languages, most wanted first, as
//                 QLocale::uiLanguages() gives them ("de-DE", "de", "en-US")
//
// Notes:
//  1. The language is the first of uiLanguages that is English (or the C
//     locale) or has a catalogue of the program: a user who puts English
//     before German reads English. English is the language of the program's
//     own texts; its catalogue holds only the singular and plural forms of
//     the texts with a count ("1 minute", "5 minutes"), and it is installed
//     for English and for a language without a catalogue of its own.
//  2. The program's catalogues are resources, ":/i18n/noctalis_<lang>.qm",
//     so the program finds them from any folder. Qt's catalogue
//     (qtbase_<lang>.qm) comes from Qt's translations folder
//     (QLibraryInfo::TranslationsPath) when it is there, and only for the
//     language of the program's catalogue, so standard buttons never speak
//     another language than the program.
//  3. An application object must exist first; the destructor removes the
//     catalogues again.
class Translations {
public:
    explicit Translations(const QStringList &uiLanguages);
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // The language of the installed catalogues ("de"); empty for English
    // (with its plural forms).
    QString language() const { return m_language; }
    // Whether Qt's catalogue for that language was found and installed.
    bool hasQtCatalogue() const { return m_qtInstalled; }

private:
    QTranslator m_program;
    QTranslator m_qt;
    QString m_language;
    bool m_programInstalled = false;
    bool m_qtInstalled = false;
};

}  // namespace noctalis
