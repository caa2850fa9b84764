// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "almanac.h"

#include "apparentsidereal.h"
#include "astroconst.h"
#include "continuoustime.h"
#include "hourangle.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ephemkit {

namespace {

constexpr double kToleranceDays = 0.01 / kSecondsPerDay;
// Hour angle of a fixed place, hours per UT day.
constexpr double kHourAngleRate = 24 * kSiderealPerUtIau1982;
constexpr int kSamplesPerDay = 24;
constexpr int kMaxSteps = 60;

// The target as the observer sees it at one instant.
// Instants are UT days from 1899-12-30 0h on the continuous line
// (automation::continuousDays); AlmanacDay and AlmanacAt convert at their
// edges.
struct Sample {
    double utDays = 0;
    double hourAngle = 0;  // hours, [-12, 12), west of the meridian positive
    double altDeg = 0;     // geocentric altitude of the centre, no refraction
    double azDeg = 0;      // degrees from north through east, [0, 360)
    double aboveDeg = 0;   // altitude above the standard altitude: >= 0 counts as risen
    double parallaxDeg = 0;
    double raHours = 0;
    double decDeg = 0;
};

class Sky {
public:
    Sky(const AlmanacTrack &track, double latDeg, double lngWestDeg)
        : m_track(track), m_lat(latDeg * kDegToRad), m_lngWestDeg(lngWestDeg)
    {
    }

    double hourAngle(double utDays) const
    {
        return HourAngle::between(ApparentSiderealHours(utDays, m_lngWestDeg), m_track.at(utDays).raHours)
            .fromMeridian();
    }

    Sample at(double utDays) const
    {
        const AlmanacPlace p = m_track.at(utDays);
        Sample s;
        s.utDays = utDays;
        s.hourAngle = HourAngle::between(ApparentSiderealHours(utDays, m_lngWestDeg), p.raHours).fromMeridian();
        s.raHours = p.raHours;
        s.decDeg = p.decDeg;
        s.parallaxDeg = p.parallaxDeg;
        const double h = s.hourAngle * 15 * kDegToRad;
        const double d = p.decDeg * kDegToRad;
        const double sinAlt = std::sin(m_lat) * std::sin(d) + std::cos(m_lat) * std::cos(d) * std::cos(h);
        s.altDeg = std::asin(std::clamp(sinAlt, -1.0, 1.0)) / kDegToRad;
        const double az = std::atan2(-std::cos(d) * std::sin(h),
                                     std::sin(d) * std::cos(m_lat) - std::cos(d) * std::sin(m_lat) * std::cos(h));
        s.azDeg = std::fmod(az / kDegToRad + 360, 360.0);
        s.aboveDeg = s.altDeg - p.standardAltDeg;
        return s;
    }

private:
    const AlmanacTrack &m_track;
    double m_lat;  // radians
    double m_lngWestDeg;
};

// The root of g between a and b, where g(a) and g(b) lie on either side of 0
// (g < 0 on one side, g >= 0 on the other): regula falsi with the Illinois
// modification, to kToleranceDays.
template <typename G>
double findRoot(const G &g, double a, double ga, double b, double gb)
{
    int kept = 0;  // which end stayed last time: -1 a, +1 b
    for (int i = 0; i < kMaxSteps && b - a > kToleranceDays; ++i) {
        double c = (a * gb - b * ga) / (gb - ga);
        if (!(c > a && c < b))
            c = (a + b) / 2;
        const double gc = g(c);
        if ((gc < 0) == (ga < 0)) {
            a = c;
            ga = gc;
            if (kept == 1)
                gb /= 2;
            kept = 1;
        } else {
            b = c;
            gb = gc;
            if (kept == -1)
                ga /= 2;
            kept = -1;
        }
    }
    return (a + b) / 2;
}

// A crossing of 0 from below between two values of an hour angle (not the
// jump from +12 to -12 h).
bool crossesUp(double before, double after) { return before < 0 && after >= 0 && after - before < 12; }

// Altitude as shown: the Moon's topocentric, anything else geocentric.
double shownAltitude(const Sample &s) { return s.altDeg - s.parallaxDeg * std::cos(s.altDeg * kDegToRad); }

// The upper transit nearest guess (within about 12 h of hour angle).
double transitNear(const Sky &sky, double guess)
{
    double t = guess;
    double h = sky.hourAngle(t);
    double rate = kHourAngleRate;
    for (int i = 0; i < kMaxSteps; ++i) {
        const double step = -h / rate;
        const double next = t + step;
        if (std::fabs(step) < kToleranceDays)
            return next;
        const double hNext = sky.hourAngle(next);
        const double slope = (hNext - h) / step;
        if (slope > 20 && slope < 28)  // a sane rate: the Moon's is about 23.2
            rate = slope;
        t = next;
        h = hNext;
    }
    return t;
}

}  // namespace

AlmanacDayEvents AlmanacDay(const AlmanacTarget &target, double startUtDate, double latDeg, double lngWestDeg,
                            PlanetDayNodes *nodes)
{
    const double start = automation::continuousDays(startUtDate);
    const double end = start + 1;
    const AlmanacTrack track(target, nodes);
    const Sky sky(track, latDeg, lngWestDeg);
    AlmanacDayEvents day;

    std::vector<Sample> samples;
    for (int k = 0; k <= kSamplesPerDay; ++k)
        samples.push_back(sky.at(start + double(k) / kSamplesPerDay));

    // Upper and lower transits: the highest and lowest points of the altitude.
    const auto hourAngle = [&](double t) { return sky.hourAngle(t); };
    const auto opposite = [&](double t) { return HourAngle::fromHours(sky.hourAngle(t)).opposite().fromMeridian(); };
    std::vector<Sample> extremes;
    for (int k = 0; k < kSamplesPerDay; ++k) {
        const Sample &a = samples[std::size_t(k)];
        const Sample &b = samples[std::size_t(k + 1)];
        if (crossesUp(a.hourAngle, b.hourAngle)) {
            const Sample s = sky.at(findRoot(hourAngle, a.utDays, a.hourAngle, b.utDays, b.hourAngle));
            if (!day.transitFound && s.utDays < end) {
                day.transitFound = true;
                day.transitUtDate = automation::automationDateOf(s.utDays);
                day.transitAltDeg = shownAltitude(s);
            }
            extremes.push_back(s);
        }
        const double oa = HourAngle::fromHours(a.hourAngle).opposite().fromMeridian();
        const double ob = HourAngle::fromHours(b.hourAngle).opposite().fromMeridian();
        if (crossesUp(oa, ob))
            extremes.push_back(sky.at(findRoot(opposite, a.utDays, oa, b.utDays, ob)));
    }
    samples.insert(samples.end(), extremes.begin(), extremes.end());
    std::sort(samples.begin(), samples.end(), [](const Sample &x, const Sample &y) { return x.utDays < y.utDays; });

    // Risings and settings: the altitude crossing the standard altitude.
    const auto above = [&](double t) { return sky.at(t).aboveDeg; };
    for (std::size_t k = 0; k + 1 < samples.size(); ++k) {
        const Sample &a = samples[k];
        const Sample &b = samples[k + 1];
        const bool rising = a.aboveDeg < 0 && b.aboveDeg >= 0;
        const bool setting = a.aboveDeg >= 0 && b.aboveDeg < 0;
        AlmanacEvent &event = rising ? day.rise : day.set;
        if (!(rising || setting) || event.found)
            continue;
        const double t = findRoot(above, a.utDays, a.aboveDeg, b.utDays, b.aboveDeg);
        if (t < end)
            event = {true, automation::automationDateOf(t), sky.at(t).azDeg};
    }
    if (!day.rise.found && !day.set.found)
        day.status = samples.front().aboveDeg >= 0 ? kAlmanacAlwaysUp : kAlmanacNeverRises;
    return day;
}

AlmanacNow AlmanacAt(const AlmanacTarget &target, double utDate, double latDeg, double lngWestDeg,
                     PlanetDayNodes *nodes)
{
    const double t = automation::continuousDays(utDate);
    const AlmanacTrack track(target, nodes);
    const Sky sky(track, latDeg, lngWestDeg);
    const Sample s = sky.at(t);

    AlmanacNow now;
    now.raHours = s.raHours;
    now.decDeg = s.decDeg;
    now.altDeg = shownAltitude(s);
    now.azDeg = s.azDeg;
    now.up = s.aboveDeg >= 0;

    const double sinceHours = s.hourAngle >= 0 ? s.hourAngle : s.hourAngle + 24;
    double last = transitNear(sky, t - sinceHours / kHourAngleRate);
    if (last > t)
        last = transitNear(sky, last - 24 / kHourAngleRate);
    double next = transitNear(sky, t + (24 - sinceHours) / kHourAngleRate);
    if (next <= t)
        next = transitNear(sky, next + 24 / kHourAngleRate);
    now.lastTransitUtDate = automation::automationDateOf(last);
    now.nextTransitUtDate = automation::automationDateOf(next);
    return now;
}

}  // namespace ephemkit
