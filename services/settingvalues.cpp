// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "settingvalues.h"

#include "numbertext.h"

#include <QCoreApplication>

#include <cmath>

namespace noctalis {

bool booleanSetting(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = t.toDouble(&ok);
    return ok && number != 0;
}

QString booleanText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

double readNumberSetting(const SettingsStore &store, const QString &key, const QString &defaultText)
{
    return leadingNumber(store.read(settingsSection(), key, defaultText));
}

bool readBooleanSetting(const SettingsStore &store, const QString &key, const QString &defaultText)
{
    return booleanSetting(store.read(settingsSection(), key, defaultText));
}

QString readTextSetting(const SettingsStore &store, const QString &key, const QString &defaultText)
{
    return store.read(settingsSection(), key, defaultText);
}

void writeSetting(SettingsStore &store, const QString &key, const QString &text)
{
    store.write(settingsSection(), key, text);
}

double readTimeZoneSetting(const SettingsStore &store, MessageService &messages)
{
    constexpr double kMaxZoneHours = 24;
    const double hours = readNumberSetting(store, QStringLiteral("TZ"), QStringLiteral("0"));
    if (std::fabs(hours) <= kMaxZoneHours)
        return hours;
    messages.show(QCoreApplication::translate("SettingValues",
                                              "Could not interpret as Time Zone\nUse a number of hours from -24 to 24"),
                  QCoreApplication::translate("SettingValues", "Time Zone Error"), MessageButtons::Ok);
    return 0;
}

QColor colorFromSetting(double value)
{
    const long long bgr = std::isfinite(value) ? std::llround(value) : 0;
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

double settingFromColor(const QColor &color)
{
    return double(color.red() | (color.green() << 8) | (color.blue() << 16));
}

}  // namespace noctalis
