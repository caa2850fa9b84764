// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace noctalis {

namespace {

bool loadProgramCatalogue(QTranslator &translator, const QLocale &locale)
{
    return translator.load(locale, QStringLiteral("noctalis"), QStringLiteral("_"), QStringLiteral(":/i18n"));
}

}  // namespace

Translations::Translations(const QStringList &uiLanguages)
{
    // English texts with a count take their forms from the English catalogue.
    const auto installEnglish = [this] {
        if (loadProgramCatalogue(m_program, QLocale(QLocale::English)))
            m_programInstalled = QCoreApplication::installTranslator(&m_program);
    };
    for (const QString &name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C) {
            installEnglish();
            return;
        }
        if (!loadProgramCatalogue(m_program, locale))
            continue;
        m_language = QLocale::languageToCode(locale.language());
        m_programInstalled = QCoreApplication::installTranslator(&m_program);
        if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            m_qtInstalled = QCoreApplication::installTranslator(&m_qt);
        return;
    }
    installEnglish();
}

Translations::~Translations()
{
    if (m_qtInstalled)
        QCoreApplication::removeTranslator(&m_qt);
    if (m_programInstalled)
        QCoreApplication::removeTranslator(&m_program);
}

}  // namespace noctalis
