// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Longitude: a meridian as the program holds it, degrees WEST of Greenwich
// (10 E is 350), and as a person sees it, west or east as the DisplayWest
// switch says. Every turn between the two senses goes through here.
#pragma once

#include <cmath>

namespace noctalis {

class Longitude {
public:
    static constexpr double kFullCircleDeg = 360.0;

    // A meridian of degrees west, as given (not wrapped).
    explicit constexpr Longitude(double westDeg) : m_west(westDeg) {}

    // fromShown: the meridian of a value shown in one sense.
    //
    // Given:   value  degrees; west  true when value is a west longitude
    // Returned (function value): west ? value : 360 - value degrees west,
    //   not wrapped (a value of 0 east is 360 west).
    static constexpr Longitude fromShown(double value, bool west)
    {
        return Longitude(west ? value : kFullCircleDeg - value);
    }

    // wrapped: the same meridian in [0, 360) degrees west; -0 is 0, and a
    // tiny negative value that would round to 360 itself is 0.
    static Longitude wrapped(double westDeg)
    {
        const double rest = std::fmod(westDeg, kFullCircleDeg);
        const double west = (rest < 0 ? rest + kFullCircleDeg : rest) + 0.0;
        return Longitude(west < kFullCircleDeg ? west : 0.0);
    }

    constexpr double west() const { return m_west; }
    // 360 - west: the value the east sense shows (360 for Greenwich).
    constexpr double east() const { return kFullCircleDeg - m_west; }
    // The value a box of the given sense shows.
    constexpr double shown(bool west) const { return west ? m_west : east(); }

private:
    double m_west;
};

}  // namespace noctalis
