// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "zonehome.h"

#include "fileroutines.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringList>

namespace noctalis {

namespace {

// The tables of principal cities, the current one first.
const char *const kZoneTables[] = {"zone1970.tab", "zone.tab"};
constexpr QLatin1String kLinkMark("L ");

// Zones of no place: Coordinated Universal Time and the fixed offsets.
bool isPlaceless(const QString &zoneId) { return zoneId.isEmpty() || zoneId == u"UTC" || zoneId.startsWith(u"Etc/"); }

std::optional<QStringList> fileLines(const QString &dir, const char *name)
{
    const std::optional<QByteArray> bytes =
        readRegularFile(QDir(dir).filePath(QLatin1String(name)), kMaxZoneTableBytes);
    if (!bytes)
        return std::nullopt;
    return QString::fromUtf8(*bytes).split(u'\n');
}

// Degrees of an ISO 6709 part: sign, whole degrees of degreeDigits digits,
// minutes, and seconds when two more digits follow.
double isoDegrees(QStringView part, qsizetype degreeDigits)
{
    const auto field = [&](qsizetype from, qsizetype count) { return part.sliced(1 + from, count).toInt(); };
    double deg = field(0, degreeDigits) + field(degreeDigits, 2) / 60.0;
    if (part.size() == 1 + degreeDigits + 4)
        deg += field(degreeDigits + 2, 2) / 3600.0;
    return part[0] == u'-' ? -deg : deg;
}

// Latitude north and longitude east of ISO 6709 coordinates, +-DDMM+-DDDMM
// or +-DDMMSS+-DDDMMSS.
std::optional<std::pair<double, double>> isoCoordinates(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([+-]\\d{4}(?:\\d{2})?)([+-]\\d{5}(?:\\d{2})?)$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch() || match.capturedLength(1) + 1 != match.capturedLength(2))
        return std::nullopt;
    return std::pair(isoDegrees(match.capturedView(1), 2), isoDegrees(match.capturedView(2), 3));
}

// The zone a link name stands for, from tzdata.zi; nothing when it is none.
std::optional<QString> linkedZone(const QString &dir, const QString &zoneId)
{
    const std::optional<QStringList> lines = fileLines(dir, "tzdata.zi");
    if (!lines)
        return std::nullopt;
    for (const QString &line : *lines) {
        if (!line.startsWith(kLinkMark))
            continue;
        const QStringList words = line.simplified().split(u' ');
        if (words.size() == 3 && words[2] == zoneId)
            return words[1];
    }
    return std::nullopt;
}

// Whether any table could be read; the zone's line of the first table that
// lists it.
std::optional<ZoneHome> listedHome(const QString &dir, const QString &zoneId, bool *anyTable)
{
    for (const char *table : kZoneTables) {
        const std::optional<QStringList> lines = fileLines(dir, table);
        if (!lines)
            continue;
        *anyTable = true;
        for (const QString &line : *lines) {
            if (line.startsWith(u'#'))
                continue;
            const QStringList columns = line.split(u'\t');
            if (columns.size() < 3 || columns[2].trimmed() != zoneId)
                continue;
            const std::optional<std::pair<double, double>> at = isoCoordinates(columns[1].trimmed());
            if (!at)
                continue;
            const double west = -at->second;
            ZoneHome home;
            home.latDeg = at->first;
            home.lngWestDeg = west < 0 ? west + 360.0 : west + 0.0;
            home.name = zoneId.section(u'/', -1).replace(u'_', u' ');
            return home;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<ZoneHome> zoneHome(const QString &zoneId, const QString &zoneInfoDir)
{
    if (isPlaceless(zoneId))
        return std::nullopt;
    bool anyTable = false;
    if (std::optional<ZoneHome> home = listedHome(zoneInfoDir, zoneId, &anyTable))
        return home;
    if (!anyTable)
        return std::nullopt;
    const std::optional<QString> target = linkedZone(zoneInfoDir, zoneId);
    if (!target || isPlaceless(*target))
        return std::nullopt;
    return listedHome(zoneInfoDir, *target, &anyTable);
}

}  // namespace noctalis
