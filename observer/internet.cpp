// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "internet.h"

#include "backgroundstep.h"
#include "longitude.h"
#include "numbertext.h"

#include <QDesktopServices>
#include <QUrl>
#include <QUrlQuery>

namespace noctalis {

void OpenURL(const QString &url)
{
    if (!QDesktopServices::openUrl(QUrl::fromUserInput(url)))
        logSkippedStep(lcDesktop, "open a web page", url + QStringLiteral(": the desktop has no handler for it"));
}

QString mapRootAddress() { return QStringLiteral("https://maps.google.com/"); }

QString MapURL(double latDeg, double lngWestDeg)
{
    const QString lngText = lngWestDeg > 180 ? plainNumberText(Longitude(lngWestDeg).east()).trimmed()
                                             : QLatin1Char('-') + plainNumberText(lngWestDeg).trimmed();
    const QString latText = plainNumberText(latDeg).trimmed();
    QUrlQuery query;
    query.setQueryItems({{QStringLiteral("ie"), QStringLiteral("UTF8")},
                         {QStringLiteral("ll"), latText + QLatin1Char(',') + lngText},
                         {QStringLiteral("spn"), QStringLiteral("1,1")},
                         {QStringLiteral("t"), QStringLiteral("h")}});
    QUrl url(mapRootAddress());
    url.setQuery(query);
    return url.toString();
}

void ShowMapAt(double latDeg, double lngWestDeg) { OpenURL(MapURL(latDeg, lngWestDeg)); }

}  // namespace noctalis
