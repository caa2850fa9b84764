// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "noctalismodule.h"

#include "messageservice.h"
#include "numbertext.h"
#include "timezone.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <optional>

namespace noctalis {

QString TextAfterColon(QStringView line)
{
    const qsizetype colon = line.indexOf(u':');
    return colon < 0 ? QString() : line.sliced(colon + 1).toString();
}

QString TextBetween(QStringView text, QStringView startMarker, QStringView endMarker)
{
    const qsizetype start = text.indexOf(startMarker);
    if (start < 0)
        return QString();
    const qsizetype begin = start + startMarker.size();
    if (endMarker.isEmpty())
        return text.sliced(begin).toString();
    const qsizetype end = text.indexOf(endMarker, begin);
    return end <= begin ? QString() : text.sliced(begin, end - begin).toString();
}

double GetSystemTimeZone() { return ephemkit::systemTimeZoneHours(); }

QString FormatHoursHMS(double hours)
{
    const double wholeHours = std::trunc(hours);
    const double seconds = std::clamp(std::floor((hours - wholeHours) * 3600), 0.0, 3599.0);
    const double minutes = std::floor(seconds / 60);
    return formatNumber(wholeHours, u"00") + u':' + formatNumber(minutes, u"00") + u':'
           + formatNumber(seconds - minutes * 60, u"00");
}

std::optional<float> StoredLongitudeValue(QStringView text)
{
    const qsizetype p1 = text.indexOf(u':');
    if (p1 < 0)
        return float32Number(leadingNumber(text));
    const qsizetype p2 = text.indexOf(u':', p1 + 1);
    const qsizetype last = text.size() - 1;
    if (p1 == 0 || p2 <= p1 + 1 || p2 >= last)
        return std::nullopt;
    double degrees = std::fabs(leadingNumber(text.first(p1))) + leadingNumber(text.sliced(p1 + 1, p2 - p1 - 1)) / 60
                     + leadingNumber(text.sliced(p2 + 1)) / 3600;
    if (text.trimmed().startsWith(u'-'))
        degrees = -degrees;
    return float32Number(degrees);
}

float ParseStoredLongitude(QStringView text, MessageService &messages)
{
    if (const std::optional<float> value = StoredLongitudeValue(text))
        return *value;
    messages.show(QCoreApplication::translate("NoctalisModule",
                                              "Could not interpret as Longitude\nUse HH:MM:SS or decimal value"),
                  QCoreApplication::translate("NoctalisModule", "Longitude Error"), MessageButtons::Ok);
    return 0;
}

float WrapWestLongitude(float lngWestDeg)
{
    if (lngWestDeg >= 0 && lngWestDeg <= 360)
        return lngWestDeg;
    const float wrapped = std::fmod(lngWestDeg, 360.0f);
    return wrapped < 0 ? wrapped + 360 : wrapped;
}

}  // namespace noctalis
