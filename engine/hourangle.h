// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// HourAngle: how far an object has passed the local meridian, in hours of
// sidereal time, westward positive. It is local sidereal time minus right
// ascension, never the other way round; keeping it in one type keeps that
// subtraction, and the two ways of wrapping it, in one place.
//
// Given:
//     lstHours   local (mean or apparent) sidereal time, hours
//     raHours    right ascension, hours
//
// Returned:
//     hours()           the plain difference lstHours - raHours
//     sinceTransit()    [0, 24): time since the last upper transit; a
//                       negative difference takes 24 once for every day
//                       it lies below 0, as a sidereal-time wrap does
//     fromMeridian()    [-12, 12): negative before the upper transit
//     rightAscension()  the right ascension at another sidereal time
//
// Notes:
//     sinceTransit() adds 24 by repeated steps rather than a remainder, so
//     that a difference of two values in [0, 24) gives the same double the
//     horizon/equatorial routine has always had.
#pragma once

#include <cmath>

namespace ephemkit {

class HourAngle {
public:
    static constexpr HourAngle between(double lstHours, double raHours) { return HourAngle(lstHours - raHours); }
    static constexpr HourAngle fromHours(double hours) { return HourAngle(hours); }

    constexpr double hours() const { return m_hours; }

    constexpr double sinceTransit() const
    {
        double h = m_hours;
        while (h < 0)
            h += 24;
        return h;
    }

    double fromMeridian() const { return m_hours - 24 * std::floor((m_hours + 12) / 24); }

    // The hour angle of the lower transit's side: twelve hours on.
    constexpr HourAngle opposite() const { return HourAngle(m_hours + 12); }

    constexpr double rightAscension(double lstHours) const { return lstHours - m_hours; }

private:
    explicit constexpr HourAngle(double hours) : m_hours(hours) {}
    double m_hours;
};

}  // namespace ephemkit
