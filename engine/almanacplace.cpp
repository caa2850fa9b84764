// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "almanacplace.h"

#include "astroconst.h"
#include "astronomy_funcs.h"
#include "continuoustime.h"
#include "deltat.h"
#include "planets.h"
#include "sunmoon.h"

#include <algorithm>
#include <cmath>

namespace ephemkit {

namespace {

// Standard altitudes of almanac rising and setting (StandardAltitudeDeg):
// the centre of a planet or a fixed place lies the refraction below the
// horizon, the Sun's centre also its semi-diameter (-50'), the Moon's centre
// its parallax less its semi-diameter (0.7275 p) less the refraction.
constexpr double kRefractionDeg = kHorizonRefractionArcmin / 60;
constexpr double kSunStandardAltDeg = -(kHorizonRefractionArcmin + kSunSemiDiameterArcmin) / 60;
constexpr double kMoonParallaxFactor = 1 - kMoonRadiusEarthRadii;

bool isPlanet(int body) { return body >= 0 && body <= 7; }

AlmanacPlace sunOrMoon(int body, double utDays)
{
    const double jdUt = utDays + automation::kJulianDayOfAutomationZero;
    const double ttDays = utDays + deltaTSeconds(jdUt) / kSecondsPerDay;
    const SunMoon r = SunMoonPosition(automation::automationDateOf(ttDays));
    AlmanacPlace p;
    if (body == kSun) {
        p.raHours = r.sunRaHours;
        p.decDeg = r.sunDecDeg;
    } else {
        p.raHours = r.moonRaHours;
        p.decDeg = r.moonDecDeg;
        p.parallaxDeg = std::asin(kEarthEquatorialRadiusKm / r.moonDistanceKm) * 180 / kPi;
    }
    p.standardAltDeg = StandardAltitudeDeg(body, p.parallaxDeg);
    return p;
}

}  // namespace

bool isAlmanacTarget(int body) { return body == kNoBody || isPlanet(body) || body == kSun || body == kMoon; }

double StandardAltitudeDeg(int body, double parallaxDeg)
{
    if (body == kSun)
        return kSunStandardAltDeg;
    if (body == kMoon)
        return kMoonParallaxFactor * parallaxDeg - kRefractionDeg;
    return -kRefractionDeg;
}

AlmanacTrack::AlmanacTrack(const AlmanacTarget &target, PlanetDayNodes *nodes) : m_target(target), m_nodes(nodes)
{
    if (isPlanet(target.body) && !m_nodes) {
        m_ownNodes = std::make_unique<PlanetDayNodes>();
        m_nodes = m_ownNodes.get();
    }
}

AlmanacPlace AlmanacTrack::at(double utDays) const
{
    if (m_target.body == kSun || m_target.body == kMoon)
        return sunOrMoon(m_target.body, utDays);
    AlmanacPlace p;
    p.standardAltDeg = StandardAltitudeDeg(m_target.body, 0);
    if (!isPlanet(m_target.body)) {
        p.raHours = m_target.raHours;
        p.decDeg = m_target.decDeg;
        return p;
    }
    // The four nodes around utDays: x in [1, 2) between the middle two.
    const std::int64_t first = std::int64_t(std::floor(utDays)) - 1;
    if (!m_haveWindow || m_windowDay != first) {
        for (std::size_t i = 0; i < 4; ++i) {
            // isPlanet(m_target.body) holds, so the node is a planet's place.
            const PlanetPlace node = m_nodes->at(m_target.body, first + std::int64_t(i));
            double ra = node.raHours;
            if (i > 0)  // unwrap: consecutive nodes differ by less than 12 h
                ra += 24 * std::round((m_window[i - 1][0] - ra) / 24);
            m_window[i] = {ra, node.decDeg};
        }
        m_windowDay = first;
        m_haveWindow = true;
    }
    const double x = utDays - double(first);
    const double w[4] = {-(x - 1) * (x - 2) * (x - 3) / 6, x * (x - 2) * (x - 3) / 2, -x * (x - 1) * (x - 3) / 2,
                         x * (x - 1) * (x - 2) / 6};
    for (std::size_t i = 0; i < 4; ++i) {
        p.raHours += w[i] * m_window[i][0];
        p.decDeg += w[i] * m_window[i][1];
    }
    p.raHours = wrapHours24(p.raHours);
    return p;
}

}  // namespace ephemkit
