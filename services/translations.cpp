// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace noctalis {

Translations::Translations(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return;
        if (!m_program.load(locale, QStringLiteral("noctalis"), QStringLiteral("_"), QStringLiteral(":/i18n")))
            continue;
        m_language = QLocale::languageToCode(locale.language());
        m_programInstalled = QCoreApplication::installTranslator(&m_program);
        if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            m_qtInstalled = QCoreApplication::installTranslator(&m_qt);
        return;
    }
}

Translations::~Translations()
{
    if (m_qtInstalled)
        QCoreApplication::removeTranslator(&m_qt);
    if (m_programInstalled)
        QCoreApplication::removeTranslator(&m_program);
}

}  // namespace noctalis
