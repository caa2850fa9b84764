// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Runs a test under a locale whose decimal separator is ",": Qt's default
// locale always, and the C library's when the build made a comma locale
// (NOCTALIS_TEST_LOCALE_DIR). Restores both on destruction.
#pragma once

#include <QLocale>

#include <clocale>
#include <cstdlib>
#include <string>

class CommaLocale {
public:
    CommaLocale() : m_savedQt(QLocale()), m_savedC(std::setlocale(LC_ALL, nullptr))
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
#ifdef NOCTALIS_TEST_LOCALE_DIR
        setenv("LOCPATH", NOCTALIS_TEST_LOCALE_DIR, 1);
        m_cSwitched = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
#endif
    }
    ~CommaLocale()
    {
        std::setlocale(LC_ALL, m_savedC.c_str());
        QLocale::setDefault(m_savedQt);
    }
    CommaLocale(const CommaLocale &) = delete;
    CommaLocale &operator=(const CommaLocale &) = delete;

    // Whether the build could provide a comma locale to the C library.
    static constexpr bool cLibraryExpected()
    {
#ifdef NOCTALIS_TEST_LOCALE_DIR
        return true;
#else
        return false;
#endif
    }
    bool cLibrarySwitched() const { return m_cSwitched; }

private:
    QLocale m_savedQt;
    std::string m_savedC;
    bool m_cSwitched = false;
};
