#include "internet.h"

#include "numbertext.h"

#include <QDesktopServices>
#include <QUrl>

namespace noctalis {

void OpenURL(const QString &url)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(url));
}

QString mapRootAddress() { return QStringLiteral("https://maps.google.com/"); }

QString MapURL(double latDeg, double lngWestDeg)
{
    const QString lngText = lngWestDeg > 180 ? plainNumberText(360 - lngWestDeg).trimmed()
                                             : QLatin1Char('-') + plainNumberText(lngWestDeg).trimmed();
    const QString latText = plainNumberText(latDeg).trimmed();
    return mapRootAddress() + QStringLiteral("?ie=UTF8&ll=") + latText + QLatin1Char(',') + lngText +
           QStringLiteral("&spn=1,1&t=h");
}

void ShowMapAt(double latDeg, double lngWestDeg) { OpenURL(MapURL(latDeg, lngWestDeg)); }

} // namespace noctalis
