// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "observerfilefuzz.h"

#include "dstrules.h"
#include "observerfile.h"

#include <QStringList>

#include <cmath>

namespace observerfuzz {

namespace {

QStringList fieldList(const noctalis::ObserverFileFields &f)
{
    return {f.latitude, f.longitude, f.timeZone, f.location, f.dstRule, f.reserved, f.elevation, f.zoneId};
}

}  // namespace

QString checkRead(const QByteArray &bytes)
{
    QString error;
    const std::optional<noctalis::ObserverFileFields> fields = noctalis::readObserverFields(bytes, &error);
    if (!fields) {
        if (error != QStringLiteral("Input past end of file."))
            return QStringLiteral("failed with \"%1\"").arg(error);
        return QString();
    }
    const QStringList texts = fieldList(*fields);
    bool quotes = false;
    for (const QString &text : texts) {
        if (text.contains(u'\r') || text.contains(u'\n'))
            return QStringLiteral("a field holds a line break");
        quotes = quotes || text.contains(u'"');
    }
    const noctalis::ObserverFileValues v = noctalis::observerFileValues(*fields);
    for (const double value : {v.latDeg, v.lngWestDeg, v.timeZoneHours, v.elevationM}) {
        if (!std::isfinite(value))
            return QStringLiteral("a value is not finite");
    }
    if (v.dstRule < 0 || v.dstRule >= noctalis::kDstRuleCount)
        return QStringLiteral("rule %1").arg(v.dstRule);
    if (!quotes) {
        const std::optional<noctalis::ObserverFileFields> back =
            noctalis::readObserverFields(noctalis::writeObserverFile(*fields));
        if (!back || fieldList(*back) != texts)
            return QStringLiteral("the fields written do not read back");
    }
    return QString();
}

}  // namespace observerfuzz
