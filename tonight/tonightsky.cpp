// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "tonightsky.h"

#include "variant.h"

namespace noctalis {

namespace {

// Selects the object in the engine for the observer of sky.
void select(automation::Object &engine, const TonightSky &sky, const TonightObject &object)
{
    engine.set(QStringLiteral("lat"), sky.latDeg);
    engine.set(QStringLiteral("LNG"), sky.lngWestDeg);
    engine.set(QStringLiteral("PlanetNum"), object.body);
    if (object.body == kFixedPlace) {
        engine.set(QStringLiteral("RA"), object.raHours);
        engine.set(QStringLiteral("Dec"), object.decDeg);
    }
}

std::optional<double> optionalNumber(const QVariant &v)
{
    if (automation::isEmpty(v))
        return std::nullopt;
    return automation::toDouble(v);
}

double number(automation::Object &engine, const char *member)
{
    return automation::toDouble(engine.get(QLatin1String(member)));
}

}  // namespace

QList<TonightRow> ComputeTonight(automation::Object &engine, const TonightSky &sky, const QList<TonightObject> &objects)
{
    QList<TonightRow> rows;
    for (const TonightObject &object : objects) {
        select(engine, sky, object);
        TonightRow r;
        r.object = object;
        engine.call(QStringLiteral("AlmanacDay"), {automation::dateValue(sky.dayStartUt)});
        r.status = int(number(engine, "AlmanacStatus"));
        r.riseUt = optionalNumber(engine.get(QStringLiteral("AlmanacRise")));
        r.riseAzDeg = optionalNumber(engine.get(QStringLiteral("AlmanacRiseAz")));
        r.transitUt = optionalNumber(engine.get(QStringLiteral("AlmanacTransit")));
        r.transitAltDeg = optionalNumber(engine.get(QStringLiteral("AlmanacTransitAlt")));
        r.setUt = optionalNumber(engine.get(QStringLiteral("AlmanacSet")));
        r.setAzDeg = optionalNumber(engine.get(QStringLiteral("AlmanacSetAz")));
        engine.call(QStringLiteral("AlmanacPlace"), {automation::dateValue(sky.nowUt)});
        r.altDeg = number(engine, "AlmanacAlt");
        r.azDeg = number(engine, "AlmanacAz");
        r.up = number(engine, "AlmanacUp") != 0;
        r.lastTransitUt = number(engine, "LastMeridian");
        r.nextTransitUt = number(engine, "NextMeridian");
        rows.push_back(r);
    }
    return rows;
}

double RightAscensionAt(automation::Object &engine, const TonightSky &sky, const TonightObject &object, double utDate)
{
    select(engine, sky, object);
    engine.call(QStringLiteral("AlmanacPlace"), {automation::dateValue(utDate)});
    return number(engine, "AlmanacRA");
}

}  // namespace noctalis
