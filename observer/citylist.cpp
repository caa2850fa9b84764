// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "citylist.h"

#include "backgroundstep.h"
#include "dstrules.h"
#include "fileroutines.h"
#include "filetext.h"
#include "linereader.h"
#include "numbertext.h"

#include <QCollator>
#include <QSet>
#include <QTimeZone>

#include <algorithm>

namespace noctalis {

namespace {

constexpr QChar kRegionMark = u'*';
constexpr QChar kCityMark = u',';
constexpr int kPlaceLines = 4;

QStringList splitLines(QStringView text)
{
    QStringList lines;
    for (LineReader reader(text); !reader.atEnd();)
        lines += reader.next().toString();
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

QString foldedForSearch(QStringView text)
{
    const QString decomposed = text.trimmed().toString().normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category != QChar::Mark_NonSpacing && category != QChar::Mark_SpacingCombining
            && category != QChar::Mark_Enclosing)
            folded += c;
    }
    return folded.toCaseFolded();
}

QStringList CityList::search(QStringView typed) const
{
    const QString key = foldedForSearch(typed);
    if (key.isEmpty())
        return {};
    if (searchEntries_.isEmpty()) {
        QSet<QString> seen;
        bool inRegion = false;
        for (const QString &line : lines_) {
            if (line.startsWith(kRegionMark))
                inRegion = true;
            else if (inRegion && line.contains(kCityMark) && !seen.contains(line)) {
                seen.insert(line);
                searchEntries_.append({line, foldedForSearch(line)});
            }
        }
    }
    QStringList starting;
    QStringList holding;
    for (const SearchEntry &entry : std::as_const(searchEntries_)) {
        if (entry.folded.startsWith(key))
            starting += entry.line;
        else if (entry.folded.contains(key))
            holding += entry.line;
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const auto byName = [&collator](const QString &a, const QString &b) { return collator.compare(a, b) < 0; };
    std::sort(starting.begin(), starting.end(), byName);
    std::sort(holding.begin(), holding.end(), byName);
    return starting + holding;
}

std::optional<CityList> readCityList(const QString &path, QString *error)
{
    const std::optional<QByteArray> bytes = readRegularFile(path, kMaxCityListBytes, error);
    if (!bytes)
        return std::nullopt;
    return CityList(decodeFileText(*bytes));
}

std::optional<CityList> readCityListForPicking(const QString &path)
{
    QString error;
    std::optional<CityList> list = readCityList(path, &error);
    if (!list)
        logSkippedStep(lcObserver, "read the city list", path + QStringLiteral(": ") + error);
    return list;
}

}  // namespace noctalis
