// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "sites.h"

#include "longitude.h"
#include "strictinput.h"

#include <cmath>

namespace noctalis {

namespace {

constexpr QChar kEntrySeparator = u';';
constexpr QChar kFieldSeparator = u'|';

// Degrees to 1e-6, without trailing zeros, "." as the point.
QString degreesText(double degrees)
{
    QString text = QString::number(degrees, 'f', 6);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text == u"-0" ? QStringLiteral("0") : text;
}

}  // namespace

bool isStorableSiteName(QStringView name)
{
    return !name.trimmed().isEmpty() && !name.contains(kEntrySeparator) && !name.contains(kFieldSeparator);
}

SitesReading readSites(QStringView text)
{
    SitesReading reading;
    for (const QStringView entry : text.split(kEntrySeparator)) {
        if (entry.trimmed().isEmpty())
            continue;
        const QList<QStringView> fields = entry.split(kFieldSeparator);
        const std::optional<double> lng =
            fields.size() == 3 ? numberFromText(fields[1], {-180, Longitude::kFullCircleDeg}) : std::nullopt;
        const std::optional<double> lat = fields.size() == 3 ? numberFromText(fields[2], {-90, 90}) : std::nullopt;
        if (!lng || !lat || fields[0].trimmed().isEmpty()) {
            reading.refused.append(entry.trimmed().toString());
            continue;
        }
        reading.sites.append({fields[0].trimmed().toString(), Longitude::wrapped(*lng).west(), *lat});
    }
    return reading;
}

QString sitesText(const QList<Site> &sites)
{
    QStringList entries;
    entries.reserve(sites.size());
    for (const Site &site : sites) {
        Q_ASSERT(isStorableSiteName(site.name));
        entries.append(site.name.trimmed() + kFieldSeparator + degreesText(site.lngWestDeg) + kFieldSeparator
                       + degreesText(site.latDeg));
    }
    return entries.join(kEntrySeparator);
}

double siteLmstHours(double lmstHours, double lngWestDeg, double siteLngWestDeg)
{
    const double hours = std::fmod(lmstHours + (lngWestDeg - siteLngWestDeg) / 15.0, 24.0);
    return hours < 0 ? hours + 24 : hours + 0.0;
}

}  // namespace noctalis
