// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "citylist.h"

#include "dstrules.h"
#include "fileroutines.h"
#include "filetext.h"
#include "numbertext.h"

#include <QTimeZone>

namespace noctalis {

namespace {

constexpr QChar kRegionMark = u'*';
constexpr QChar kCityMark = u',';
constexpr int kPlaceLines = 4;

QStringList splitLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        lines += text.sliced(start, i - start).toString();
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines += text.sliced(start).toString();
    return lines;
}

}  // namespace

CityList::CityList(QStringView text) : lines_(splitLines(text)) {}

QStringList CityList::regions() const
{
    QStringList names;
    for (const QString &line : lines_) {
        if (line.startsWith(kRegionMark))
            names += line.mid(1);
    }
    return names;
}

std::optional<QStringList> CityList::cities(QStringView region) const
{
    qsizetype i = 0;
    while (i < lines_.size() && !(lines_[i].startsWith(kRegionMark) && QStringView(lines_[i]).sliced(1) == region))
        ++i;
    if (i == lines_.size())
        return std::nullopt;
    QStringList names;
    for (++i; i < lines_.size() && !lines_[i].startsWith(kRegionMark); ++i) {
        if (lines_[i].contains(kCityMark))
            names += lines_[i];
    }
    return names;
}

std::optional<CityPlace> CityList::place(QStringView cityLine) const
{
    const qsizetype i = lines_.indexOf(cityLine);
    if (i < 0 || lines_.size() - i - 1 < kPlaceLines)
        return std::nullopt;
    CityPlace place;
    place.latDeg = leadingNumber(lines_[i + 1]);
    place.lngWestDeg = leadingNumber(lines_[i + 2]);
    place.timeZone = lines_[i + 3];
    place.dstRule = dstRuleCode(leadingNumber(lines_[i + 4]));
    if (i + kPlaceLines + 1 < lines_.size()) {
        const QString &zoneLine = lines_[i + kPlaceLines + 1];
        if (QTimeZone::isTimeZoneIdAvailable(zoneLine.toUtf8()))
            place.zoneId = zoneLine;
    }
    return place;
}

std::optional<CityList> readCityList(const QString &path, QString *error)
{
    const std::optional<QByteArray> bytes = readRegularFile(path, kMaxCityListBytes, error);
    if (!bytes)
        return std::nullopt;
    return CityList(decodeFileText(*bytes));
}

}  // namespace noctalis
