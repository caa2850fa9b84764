// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "members.h"

#include "variant.h"

#include <cmath>

namespace driver {

namespace {

constexpr char kUtDate[] = "UT date";
constexpr char kAzimuth[] = "degrees from north through east";

Member property(const char *name, const char *unit, std::optional<double> low = {}, std::optional<double> high = {},
                const char *note = "")
{
    return {name, Member::Property, unit, "", low, high, false, note};
}

Member readOnly(const char *name, const char *unit) { return {name, Member::ReadOnly, unit, "", {}, {}}; }

Member computed(const char *name, const char *unit) { return {name, Member::Computed, unit, "", {}, {}}; }

Member method(const char *name, const char *arguments, const char *unit)
{
    return {name, Member::Method, unit, arguments, {}, {}};
}

QString number(double value) { return QString::number(value, 'g', 15); }

// "0 to 360" for a member with a range, else empty.
QString rangeText(const Member &m, bool east)
{
    if (east && QLatin1String(m.name) == QLatin1String(kLongitudeMember))
        return QStringLiteral("%1 to %2").arg(number(kEastLowDeg), number(kEastHighDeg));
    if (!m.low || !m.high)
        return QString();
    return QStringLiteral("%1 to %2").arg(number(*m.low), number(*m.high));
}

QString unitText(const Member &m, bool east)
{
    if (east && QLatin1String(m.name) == QLatin1String(kLongitudeMember))
        return QStringLiteral("degrees east of Greenwich");
    return QString::fromLatin1(m.unit);
}

QString kindText(Member::Kind kind)
{
    switch (kind) {
    case Member::Property: return QStringLiteral("property");
    case Member::ReadOnly: return QStringLiteral("read-only");
    case Member::Computed: return QStringLiteral("computed, a value set is discarded");
    case Member::Method: return QStringLiteral("method");
    }
    return QString();
}

// "degrees west of Greenwich, 0 to 360 (360 reads 0)" and the like.
QString describe(const Member &m)
{
    QString text = unitText(m, false);
    const QString range = rangeText(m, false);
    if (!range.isEmpty())
        text += QStringLiteral(", ") + range;
    if (m.integerPart)
        text += QStringLiteral(" (its integer part)");
    if (*m.note)
        text += QStringLiteral("; ") + QString::fromLatin1(m.note);
    return text;
}

QString signature(const Member &m)
{
    QString text = QString::fromLatin1(m.name);
    if (m.kind == Member::Method && *m.arguments)
        text += QLatin1Char('(') + QString::fromLatin1(m.arguments) + QLatin1Char(')');
    return text;
}

// Roff text with its backslashes and leading dots made harmless.
QString roff(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\e"));
    text.replace(QLatin1Char('-'), QStringLiteral("\\-"));
    if (text.startsWith(QLatin1Char('.')) || text.startsWith(QLatin1Char('\'')))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

}  // namespace

const std::vector<Member> &engineMembers()
{
    static const std::vector<Member> members = [] {
        std::vector<Member> m{
            method("GetTimeZone", "", "hours, local civil time minus UT now"),
            method("GetTZBias", "", "days, UT minus local civil time now"),
            property("UTDate", kUtDate, {}, {}, "sets LMST for LNG"),
            property("LNG", "degrees west of Greenwich", 0, 360, "360 reads 0; LMST waits for the next UTDate"),
            property("lat", "degrees north", -90, 90),
            property("LMST", "hours, local mean sidereal time"),
            readOnly("LAST", "hours, local apparent sidereal time of UTDate"),
            property("RA", "hours", 0, 24, "24 reads 0"),
            property("Dec", "degrees", -90, 90),
            property("Alt", "degrees", -90, 90),
            property("Az", kAzimuth, 0, 360, "360 reads 0"),
            Member{"PlanetNum", Member::Property, "a body number", "", -1, 11, true,
                   "0 to 7 Mercury to Pluto, 10 Sun, 11 Moon, -1 the place in RA and Dec"},
            property("PlanetName", "a body name", {}, {}, "any other name selects -1"),
            method("ALTAZ2RADEC", "uDate", "Alt and Az to RA and Dec at uDate (default UTDate)"),
            method("RADEC2ALTAZ", "uDate", "the body's RA and Dec at uDate to Alt and Az"),
            method("ALTAZ2RADECnow", "", "ALTAZ2RADEC for UT now"),
            method("RADEC2ALTAZnow", "", "RADEC2ALTAZ for UT now"),
            method("NextTransit", "xtStartTime,xtPlanetnum,North",
                   "UT date of the next upper (with North lower) transit"),
            readOnly("TransitEL", "degrees, the transit's elevation from the south point"),
            readOnly("TransitStatus", "1 circumpolar, -1 never rises, 0 otherwise"),
            readOnly("NextLowerTransit", "UT date, or 0"),
            computed("TransitELlower", "degrees, altitude at the lower transit"),
            computed("RiseDate", kUtDate),
            computed("SetDate", kUtDate),
            computed("RiseAz", kAzimuth),
            computed("SetAz", kAzimuth),
            method("AlmanacDay", "uDate", "fills the day's almanac from uDate (default UTDate)"),
            readOnly("AlmanacStatus", "0 rises or sets, 1 always up, -1 never rises"),
            readOnly("AlmanacRise", kUtDate),
            readOnly("AlmanacRiseAz", kAzimuth),
            readOnly("AlmanacTransit", kUtDate),
            readOnly("AlmanacTransitAlt", "degrees"),
            readOnly("AlmanacSet", kUtDate),
            readOnly("AlmanacSetAz", kAzimuth),
            method("AlmanacPlace", "uDate", "fills the place at uDate (default UTDate)"),
            readOnly("AlmanacRA", "hours, apparent"),
            readOnly("AlmanacDec", "degrees, apparent"),
            readOnly("AlmanacAlt", "degrees"),
            readOnly("AlmanacAz", kAzimuth),
            readOnly("AlmanacUp", "True while risen"),
            readOnly("LastMeridian", kUtDate),
            readOnly("NextMeridian", kUtDate),
        };
        return m;
    }();
    return members;
}

const Member *findMember(const QString &name)
{
    for (const Member &m : engineMembers()) {
        if (name.compare(QLatin1String(m.name), Qt::CaseInsensitive) == 0)
            return &m;
    }
    return nullptr;
}

double eastToWestDeg(double lngEastDeg)
{
    const double west = -lngEastDeg;
    return west < 0 ? west + 360 : west + 0.0;  // + 0.0: no -0
}

double westToEastDeg(double lngWestDeg)
{
    if (lngWestDeg == 0)
        return 0;
    return lngWestDeg < 180 ? -lngWestDeg : 360 - lngWestDeg;
}

std::optional<QString> ignoredBecause(const Member &member, const QVariant &value, bool east)
{
    const QString name = QString::fromLatin1(member.name);
    if (member.kind == Member::Computed)
        return QStringLiteral("%1 is computed by the engine and not set").arg(name);
    const QString range = rangeText(member, east);
    if (member.kind != Member::Property || range.isEmpty())
        return std::nullopt;
    const QString why = QStringLiteral("%1 is %2, %3").arg(name, unitText(member, east), range);
    if (member.integerPart) {
        // A text that is no number is the setter's own error, not ignored.
        if (automation::isNull(value))
            return why;
        const auto n = automation::numericValue(value);
        if (!n)
            return std::nullopt;
        const double whole = std::floor(*n);
        return whole >= *member.low && whole <= *member.high ? std::nullopt : std::optional<QString>(why);
    }
    const bool longitudeEast = east && name == QLatin1String(kLongitudeMember);
    const double low = longitudeEast ? kEastLowDeg : *member.low;
    const double high = longitudeEast ? kEastHighDeg : *member.high;
    const auto n = automation::numericValue(value);
    if (n && *n >= low && *n <= high)
        return std::nullopt;
    return why;
}

QString membersHelp()
{
    QString text;
    for (const Member &m : engineMembers()) {
        const QString name = signature(m);
        // A long signature gets a line of its own.
        const QString lead =
            name.size() > 16 ? name + QStringLiteral("\n") + QString(19, QLatin1Char(' ')) : name.leftJustified(17);
        text += QStringLiteral("  %1%2: %3\n").arg(lead, kindText(m.kind), describe(m));
    }
    return text;
}

QString membersRoff()
{
    QString text;
    for (const Member &m : engineMembers()) {
        text += QStringLiteral(".TP\n.B %1\n%2: %3.\n").arg(roff(signature(m)), kindText(m.kind), roff(describe(m)));
    }
    return text;
}

}  // namespace driver
