#include "noctalismodule.h"

#include "messageservice.h"
#include "numbertext.h"
#include "timezone.h"

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
    const double seconds =
        std::clamp(std::floor((hours - wholeHours) * 3600), 0.0, 3599.0);
    const double minutes = std::floor(seconds / 60);
    return formatNumber(wholeHours, u"00") + u':' + formatNumber(minutes, u"00") + u':'
           + formatNumber(seconds - minutes * 60, u"00");
}

float ParseStoredLongitude(QStringView text, MessageService &messages)
{
    std::optional<float> value;
    const qsizetype p1 = text.indexOf(u':');
    if (p1 < 0) {
        value = float32Number(leadingNumber(text));
    } else {
        const qsizetype p2 = text.indexOf(u':', p1 + 1);
        const qsizetype last = text.size() - 1;
        if (p1 > 0 && p2 > p1 + 1 && p2 < last) {
            double degrees = std::fabs(leadingNumber(text.first(p1)))
                             + leadingNumber(text.sliced(p1 + 1, p2 - p1 - 1)) / 60
                             + leadingNumber(text.sliced(p2 + 1)) / 3600;
            if (text.trimmed().startsWith(u'-'))
                degrees = -degrees;
            value = float32Number(degrees);
        }
    }
    if (value)
        return *value;
    messages.show(QStringLiteral("Could not interpret as Longitude\nUse HH:MM:SS or decimal value"),
                  QStringLiteral("Longitude Error"), MessageButtons::Ok);
    return 0;
}

} // namespace noctalis
