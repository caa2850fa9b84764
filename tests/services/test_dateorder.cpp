// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The default order of day and month follows the user's language.

#include "dateorder.h"

#include <gtest/gtest.h>

namespace {

TEST(DefaultDateFormat, FollowsTheLanguagesOrderOfDayAndMonth)
{
    struct Case {
        QLocale locale;
        const char *format;
    };
    const Case cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "MM/DD/YYYY"},
        {QLocale(QLocale::German, QLocale::Germany), "DD/MM/YYYY"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), "DD/MM/YYYY"},
        {QLocale(QLocale::French, QLocale::France), "DD/MM/YYYY"},
        {QLocale(QLocale::Japanese, QLocale::Japan), "MM/DD/YYYY"},
        {QLocale::c(), "MM/DD/YYYY"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(noctalis::defaultDateFormat(c.locale), QLatin1String(c.format)) << c.locale.name().toStdString();
}

}  // namespace
