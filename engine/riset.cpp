// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "riset.h"

#include "astroconst.h"
#include "astronomy_funcs.h"

#include <cmath>

namespace ephemkit {

namespace {

// Hours of an angle in radians, in [0, 24), with the engine's pi of unit
// helpers (riset.h, note 3).
double hoursIn24(double rad) { return wrapHours24(rad * 12 / kPiOfUnitHelpers); }

}  // namespace

void riset(double ra, double dec, double lat, double dis, double *lstr, double *lsts, double *azr, double *azs,
           int *status)
{
    const double sinH0 = -std::sin(dis);  // altitude of the event
    const double denominator = std::cos(lat) * std::cos(dec);
    const double above = std::sin(lat) * std::sin(dec);  // sin(alt) on the meridian minus the cos term
    if (std::fabs(denominator) < 1e-12) {
        // Pole, or a position at a celestial pole: the altitude never changes.
        *status = above > sinH0 ? kNeverSets : kNeverRises;
        return;
    }
    const double cosH = (sinH0 - above) / denominator;
    if (cosH < -1) {
        *status = kNeverSets;
        return;
    }
    if (cosH > 1) {
        *status = kNeverRises;
        return;
    }
    const double h = std::acos(cosH);
    *lstr = hoursIn24(ra - h);
    *lsts = hoursIn24(ra + h);
    const double cosA = (std::sin(dec) + std::sin(lat) * std::sin(dis)) / (std::cos(lat) * std::cos(dis));
    const double a = std::acos(std::max(-1.0, std::min(1.0, cosA)));
    *azr = a;
    *azs = k2Pi - a;
    if (*azs >= k2Pi)
        *azs -= k2Pi;
    *status = kRisesAndSets;
}

}  // namespace ephemkit
