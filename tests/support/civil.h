// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Building automation dates from civil date and time in tests.
#pragma once

#include "variant.h"

#include <QDate>
#include <QTime>

inline double civil(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    return automation::toAutomationDate(QDate(y, mo, d), QTime(h, mi, s, ms));
}
