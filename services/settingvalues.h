// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Reading the value forms of the settings store: Booleans, numbers, colours.
#pragma once

#include "messageservice.h"
#include "settingsstore.h"

#include <QColor>
#include <QString>

namespace noctalis {

// "True" or "False" in any case, or a number (0 false, anything else true).
// Any other text gives false.
bool booleanSetting(const QString &text);
QString booleanText(bool value);  // "True" / "False"

// A key of the "Settings" section read with the leading-number rule.
double readNumberSetting(const SettingsStore &store, const QString &key, const QString &defaultText);
bool readBooleanSetting(const SettingsStore &store, const QString &key, const QString &defaultText);
QString readTextSetting(const SettingsStore &store, const QString &key, const QString &defaultText);
void writeSetting(SettingsStore &store, const QString &key, const QString &text);

// readTimeZoneSetting: the stored time zone, "TZ" of the "Settings" section.
//
// Given:
//   store     the settings store
//   messages  where a time zone out of range is reported
// Returned (function value):
//   hours of local civil time ahead of UT, -24 to 24: the number of "TZ"
//   (default "0") by the leading-number rule.
//
// Notes:
//  1. A number outside -24 to 24 (1e308, say) is no time zone: it is
//     reported as "Could not interpret as Time Zone" / "Use a number of
//     hours from -24 to 24" under the title "Time Zone Error" and gives 0.
double readTimeZoneSetting(const SettingsStore &store, MessageService &messages);

// A stored colour: red in the low byte, green in the middle, blue in the high
// byte ("&HFFFFFF" white, "0" black).
QColor colorFromSetting(double value);
double settingFromColor(const QColor &color);

}  // namespace noctalis
