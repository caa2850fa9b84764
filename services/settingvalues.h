// Reading the value forms of the settings store: Booleans, numbers, colours.
#pragma once

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

// A stored colour: red in the low byte, green in the middle, blue in the high
// byte ("&HFFFFFF" white, "0" black).
QColor colorFromSetting(double value);
double settingFromColor(const QColor &color);

} // namespace noctalis
