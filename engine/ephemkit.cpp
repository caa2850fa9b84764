// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "ephemkit.h"

#include "almanac.h"
#include "apparentsidereal.h"
#include "astroconst.h"
#include "automationerror.h"
#include "astronomy_funcs.h"
#include "bodies.h"
#include "continuoustime.h"
#include "horizonequatorial.h"
#include "modastrosubs.h"
#include "planets.h"
#include "riset.h"
#include "sunmoon.h"
#include "sunmoonriseset.h"
#include "timezone.h"
#include "transit.h"
#include "variant.h"

#include <atomic>
#include <cmath>
#include <exception>
#include <optional>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace {

std::atomic<int> g_liveObjects{0};

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx"))) void zeroUpperVectorHalves() { _mm256_zeroupper(); }
#endif

// Clears the upper halves of the vector registers where the processor has
// them. Code that returns with them in use (Qt 6.4 hashes long keys so on
// processors with 256-bit AES) makes every SSE instruction after it wait on
// them: the engine's series would run about 13 times slower. Nothing lives
// in those halves at a call (the calling convention saves no vector
// register), so clearing them is always safe.
void clearUpperVectorState()
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        zeroUpperVectorHalves();
#endif
}

// Raises the engine's error when a planet's theory does not hold over the
// span of spanDays days from utDate; anything but a planet passes.
void requireTheory(int body, double utDate, double spanDays)
{
    const std::optional<ephemkit::TheoryYears> years = ephemkit::PlanetTheoryYears(body);
    if (!years || ephemkit::PlanetTheoryHolds(body, utDate, spanDays))
        return;
    throw automation::AutomationError(automation::kInvalidProcedureCall,
                                      QStringLiteral("%1's series holds from %2 to %3")
                                          .arg(QString::fromStdString(ephemkit::bodyName(body)))
                                          .arg(years->first)
                                          .arg(years->last));
}

// The automation date `days` days after (or before) an automation date.
double addDays(double utDate, double days)
{
    return automation::automationDateOf(automation::continuousDays(utDate) + days);
}

// The number a range-tested setter accepts: numeric and within [low, high].
std::optional<double> inRange(const QVariant &v, double low, double high)
{
    const auto n = automation::numericValue(v);
    if (n && *n >= low && *n <= high)
        return n;
    return std::nullopt;
}

}  // namespace

Ephemkit::Ephemkit(QObject *parent) : QObject(parent), m_utcNow([] { return QDateTime::currentDateTimeUtc(); })
{
    ++g_liveObjects;
}

Ephemkit::~Ephemkit() { --g_liveObjects; }

int Ephemkit::liveObjects() { return g_liveObjects.load(); }

void Ephemkit::guarded(const std::function<void()> &body)
{
    clearUpperVectorState();
    try {
        body();
    } catch (const automation::AutomationError &e) {
        m_hasError = true;
        m_errorNumber = e.number();
        m_errorText = e.description();
    } catch (const std::exception &e) {
        m_hasError = true;
        m_errorNumber = automation::kInvalidProcedureCall;
        m_errorText = QString::fromLocal8Bit(e.what());
    }
}

bool Ephemkit::takeError(int &number, QString &description)
{
    if (!m_hasError)
        return false;
    number = m_errorNumber;
    description = m_errorText;
    m_hasError = false;
    m_errorNumber = 0;
    m_errorText.clear();
    return true;
}

double Ephemkit::GetTimeZone() { return ephemkit::systemTimeZoneHours(); }

QVariant Ephemkit::GetTZBias() { return QVariant(-GetTimeZone() / 24); }

void Ephemkit::setUTDate(const QVariant &v)
{
    guarded([&] {
        m_UTDate = v;  // kept even when it is no date
        ephemkit::LocalMeanSiderealTime(automation::toDate(v), m_LNG, m_LMST);
    });
}

void Ephemkit::setLNG(const QVariant &v)
{
    if (auto n = inRange(v, 0, 360))
        m_LNG = *n == 360 ? 0.0 : *n;
}

void Ephemkit::setLat(const QVariant &v)
{
    if (inRange(v, -90, 90))
        m_lat = v;
}

void Ephemkit::setLMST(const QVariant &v)
{
    guarded([&] { m_LMST = automation::toDouble(v); });
}

void Ephemkit::setRA(const QVariant &v)
{
    if (auto n = inRange(v, 0, 24))
        m_RA = *n == 24 ? QVariant(0.0) : v;
}

void Ephemkit::setDec(const QVariant &v)
{
    if (inRange(v, -90, 90))
        m_Dec = v;
}

void Ephemkit::setAlt(const QVariant &v)
{
    if (inRange(v, -90, 90))
        m_Alt = v;
}

void Ephemkit::setAz(const QVariant &v)
{
    if (auto n = inRange(v, 0, 360))
        m_Az = *n == 360 ? QVariant(0.0) : v;
}

void Ephemkit::setPlanetNum(const QVariant &v)
{
    if (automation::isNull(v))
        return;  // a null never passes the range test
    guarded([&] {
        const double n = std::floor(automation::toDouble(v));
        if (!(n >= -1 && n <= 11))  // NaN too
            return;
        const int number = int(n);
        m_PlanetNum = number;
        m_PlanetName = QString::fromStdString(ephemkit::bodyName(number));
    });
}

void Ephemkit::setPlanetName(const QVariant &v)
{
    QString name;
    if (!automation::isNull(v) && !automation::isMissing(v)) {
        const QString wanted = automation::toText(v).trimmed().toUpper();
        if (ephemkit::bodyNumber(wanted.toStdString()) != ephemkit::kNoBody)
            name = wanted;
    }
    m_PlanetName = name;
    m_PlanetNum = ephemkit::bodyNumber(name.toStdString());
}

void Ephemkit::discard(const QVariant &) {}

void Ephemkit::setUtcNow(std::function<QDateTime()> utcNow) { m_utcNow = std::move(utcNow); }

double Ephemkit::utNow()
{
    // The system clock's UTC itself: local time plus a zone's bias would be
    // an hour off for a moment at every daylight-saving switch.
    const QDateTime utc = m_utcNow().toUTC();
    return automation::toAutomationDate(utc.date(), utc.time());
}

int Ephemkit::bodyNumber() const
{
    if (automation::isEmpty(m_PlanetNum))
        return ephemkit::kNoBody;
    return int(std::floor(automation::toDouble(m_PlanetNum)));
}

void Ephemkit::convert(bool toEquatorial)
{
    ephemkit::SkyPosition p;
    const double lat = automation::toDouble(m_lat);
    if (toEquatorial) {
        p.altDeg = automation::toDouble(m_Alt);
        p.azDeg = automation::toDouble(m_Az);
        ephemkit::HorizonEquatorial(lat, m_LMST, p, ephemkit::Conversion::HorizonToEquatorial);
        m_RA = p.raHours;
        m_Dec = p.decDeg;
    } else {
        p.raHours = automation::toDouble(m_RA);
        p.decDeg = automation::toDouble(m_Dec);
        ephemkit::HorizonEquatorial(lat, m_LMST, p, ephemkit::Conversion::EquatorialToHorizon);
        m_Alt = p.altDeg;
        m_Az = p.azDeg;
    }
}

QVariant Ephemkit::ALTAZ2RADEC(const QVariant &uDate)
{
    guarded([&] {
        const double t = automation::toDate(automation::isMissing(uDate) ? m_UTDate : uDate);
        ephemkit::LocalMeanSiderealTime(t, m_LNG, m_LMST);
        convert(true);
    });
    return {};
}

void Ephemkit::RADEC2ALTAZ(const QVariant &uDate)
{
    guarded([&] {
        if (!automation::isMissing(uDate)) {
            const double t = automation::toDate(uDate);
            UpdateBodyPosition(t);
            ephemkit::LocalMeanSiderealTime(t, m_LNG, m_LMST);
        }
        convert(false);
    });
}

QVariant Ephemkit::ALTAZ2RADECnow()
{
    guarded([&] {
        ephemkit::LocalMeanSiderealTime(utNow(), m_LNG, m_LMST);
        convert(true);
    });
    return {};
}

QVariant Ephemkit::RADEC2ALTAZnow()
{
    guarded([&] {
        const double t = utNow();
        UpdateBodyPosition(t);
        ephemkit::LocalMeanSiderealTime(t, m_LNG, m_LMST);
        convert(false);
    });
    return {};
}

void Ephemkit::UpdateBodyPosition(double utDate)
{
    const int body = bodyNumber();
    if (body == ephemkit::kSun || body == ephemkit::kMoon) {
        const ephemkit::RaDec place =
            ephemkit::LuminaryPlace(body == ephemkit::kSun ? ephemkit::Luminary::Sun : ephemkit::Luminary::Moon,
                                    ephemkit::SunMoonPosition(utDate));
        m_RA = place.raHours;
        m_Dec = place.decDeg;
    } else if (body >= 0) {
        requireTheory(body, utDate, 0);
        // Body numbers without a body (8, 9) have no place: the fixed
        // position given by the caller stays.
        if (const std::optional<ephemkit::PlanetPlace> place = ephemkit::PlanetPosition(utDate, body)) {
            m_RA = place->raHours;
            m_Dec = place->decDeg;
        }
    }
    ComputeRiseSet();
}

void Ephemkit::ComputeRiseSet()
{
    const double utDate = automation::toDate(m_UTDate);
    const double lat = automation::toDouble(m_lat);
    const int body = bodyNumber();
    if (body == ephemkit::kSun || body == ephemkit::kMoon) {
        ephemkit::RiseSet rs;  // events not searched stay 0
        if (body == ephemkit::kMoon)
            ephemkit::MoonRiseSet(utDate, lat, m_LNG, rs);
        else
            ephemkit::SunRiseSet(utDate, lat, m_LNG, rs);
        m_RiseDate = automation::dateValue(rs.riseDate);
        m_SetDate = automation::dateValue(rs.setDate);
        m_RiseAz = rs.riseAzDeg;
        m_SetAz = rs.setAzDeg;
        return;
    }
    double lstr = 0, lsts = 0, azr = 0, azs = 0;
    int status = 0;
    ephemkit::riset(ephemkit::hoursToRadians(automation::toDouble(m_RA)),
                    ephemkit::degreesToRadians(automation::toDouble(m_Dec)), ephemkit::degreesToRadians(lat),
                    ephemkit::degreesToRadians(ephemkit::kGeometricHorizonDeg), &lstr, &lsts, &azr, &azs, &status);
    if (status != ephemkit::kRisesAndSets) {
        // Never rises or never sets: no event in the day, as for the Sun and Moon.
        m_RiseDate = automation::dateValue(-1.0);
        m_SetDate = automation::dateValue(-1.0);
        m_RiseAz = -1.0;
        m_SetAz = -1.0;
        return;
    }
    m_RiseDate = automation::dateValue(ephemkit::SiderealToUT(lstr, utDate, m_LNG));
    m_SetDate = automation::dateValue(ephemkit::SiderealToUT(lsts, utDate, m_LNG));
    m_RiseAz = ephemkit::radiansToDegrees(azr);
    m_SetAz = ephemkit::radiansToDegrees(azs);
}

QVariant Ephemkit::NextTransit(const QVariant &xtStartTime, const QVariant &xtPlanetnum, const QVariant &North)
{
    Q_UNUSED(xtPlanetnum)  // the body is always PlanetNum
    QVariant result;
    guarded([&] {
        const double start = automation::toDate(automation::isMissing(xtStartTime) ? m_UTDate : xtStartTime);
        const bool lower = !automation::isMissing(North);
        const double lat = automation::toDouble(m_lat);
        const int body = bodyNumber();
        std::optional<double> transit;
        if (body == ephemkit::kSun || body == ephemkit::kMoon) {
            const ephemkit::TransitFound f =
                body == ephemkit::kSun ? ephemkit::SunTransit(start, m_LNG) : ephemkit::MoonTransit(start, m_LNG);
            transit = f.utDate;
            m_TransitEL = ephemkit::TransitElevation(f.decDeg, lat);
        } else if (body >= ephemkit::kNoBody && body <= 7) {
            if (body >= 0)
                UpdateBodyPosition(start);
            const double lmst = ephemkit::localMeanSiderealTime(start, m_LNG);
            transit = addDays(start, ephemkit::DaysToTransit(lmst, automation::toDouble(m_RA), lower));
            m_TransitEL = ephemkit::TransitElevation(automation::toDouble(m_Dec), lat);
        }

        const double transitEL = automation::toDouble(m_TransitEL);
        const double dec = automation::toDouble(m_Dec);
        int status = 0;
        if (transitEL < 0 || transitEL > 180)
            status = -1;
        if (lat >= 0 ? dec > 90 - lat : dec < -90 - lat)
            status = 1;
        m_TransitStatus = status;
        if (status == 1 && transit) {
            const double after = automation::continuousDays(*transit) - automation::continuousDays(start);
            m_NextLowerTransit = automation::dateValue(addDays(*transit, after > ephemkit::kHalfSiderealDayUt
                                                                             ? -ephemkit::kHalfSiderealDayUt
                                                                             : ephemkit::kHalfSiderealDayUt));
        } else {
            m_NextLowerTransit = 0;
        }
        m_TransitELlower = std::fabs(lat) + std::fabs(dec) - 90;
        if (transit)
            result = automation::dateValue(*transit);
    });
    return result;
}

QVariant Ephemkit::LAST() const
{
    if (automation::isEmpty(m_UTDate))
        return {};
    try {
        return ephemkit::LocalApparentSiderealTime(automation::toDate(m_UTDate), m_LNG);
    } catch (const automation::AutomationError &) {
        return {};  // UTDate holds no date: its setter has told the caller
    }
}

namespace {

// What an almanac member works on: the instant (uDate, or UTDate when it is
// omitted) and the target (the body in PlanetNum, or the fixed place in RA
// and Dec); nothing for body numbers the almanac does not know.
struct AlmanacRequest {
    ephemkit::AlmanacTarget target;
    double utDate;
};

// spanDays: the span of time the member follows the target over (1 for a
// day, 0 for an instant); a planet's theory must hold over all of it.
std::optional<AlmanacRequest> almanacRequest(const QVariant &uDate, const QVariant &utDate, int body,
                                             const QVariant &ra, const QVariant &dec, double spanDays)
{
    const double t = automation::toDate(automation::isMissing(uDate) ? utDate : uDate);
    if (!ephemkit::isAlmanacTarget(body))
        return std::nullopt;
    requireTheory(body, t, spanDays);
    return AlmanacRequest{{body, automation::toDouble(ra), automation::toDouble(dec)}, t};
}

QVariant eventDate(bool found, double utDate) { return found ? automation::dateValue(utDate) : QVariant(); }

}  // namespace

QVariant Ephemkit::AlmanacDay(const QVariant &uDate)
{
    guarded([&] {
        m_almanacDay.clear();
        const auto r = almanacRequest(uDate, m_UTDate, bodyNumber(), m_RA, m_Dec, 1);
        if (!r)
            return;
        const ephemkit::AlmanacDayEvents d =
            ephemkit::AlmanacDay(r->target, r->utDate, automation::toDouble(m_lat), m_LNG, &m_planetNodes);
        m_almanacDay = {d.status,
                        eventDate(d.rise.found, d.rise.utDate),
                        d.rise.found ? QVariant(d.rise.azDeg) : QVariant(),
                        eventDate(d.transitFound, d.transitUtDate),
                        d.transitFound ? QVariant(d.transitAltDeg) : QVariant(),
                        eventDate(d.set.found, d.set.utDate),
                        d.set.found ? QVariant(d.set.azDeg) : QVariant()};
    });
    return {};
}

QVariant Ephemkit::AlmanacPlace(const QVariant &uDate)
{
    guarded([&] {
        m_almanacPlace.clear();
        const auto r = almanacRequest(uDate, m_UTDate, bodyNumber(), m_RA, m_Dec, 0);
        if (!r)
            return;
        const ephemkit::AlmanacNow n =
            ephemkit::AlmanacAt(r->target, r->utDate, automation::toDouble(m_lat), m_LNG, &m_planetNodes);
        m_almanacPlace = {n.raHours,
                          n.decDeg,
                          n.altDeg,
                          n.azDeg,
                          n.up,
                          automation::dateValue(n.lastTransitUtDate),
                          automation::dateValue(n.nextTransitUtDate)};
    });
    return {};
}
