// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Sources of the values in this file
// ----------------------------------
// Observed TT - UT1: IERS Rapid Service/Prediction Centre, U.S. Naval
//   Observatory, file deltat.data (monthly values from 1973 February), read
//   with values to 2026 October 1; the value of January 1 of each year is
//   taken, and the last one published.
// Rate of the prediction: USNO deltat.preds of 2022 (from MJD 59762), which
//   gives 69.05 s for 2026.0 and 70.98 s for 2033.0: 0.276 s per year. The
//   observed values up to 2026 October stayed within 0.1 s of it.
// Curvature: chosen so that the extrapolation gives 90 s in 2095, the
//   size of current long-range predictions (about 90 s in the 2090s); the
//   tidal parabola of Espenak and Meeus used before gave 180-200 s there.
// Before 1973: F. Espenak and J. Meeus, Five Millennium Canon of Solar
//   Eclipses: -1999 to +3000, NASA/TP-2006-214141 (2006), section 2.6.

#include "deltat.h"

#include "astroconst.h"

#include <libnova/dynamical_time.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

namespace ephemkit {

namespace {

// Julian date of 0h UT of a Gregorian calendar date (H. Hinnant,
// days_from_civil, shifted to the Julian date of 1970-01-01).
constexpr double julianDate(int y, int m, int d)
{
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return 2440587.5 + (era * 146097 + doe - 719468);
}

struct Observed {
    double jdUt;
    double seconds;
};

constexpr Observed jan1(int year, double seconds) { return {julianDate(year, 1, 1), seconds}; }

// TT - UT1 on January 1, seconds (USNO deltat.data), and the last value.
constexpr std::array kObserved{
    jan1(1974, 44.4840), jan1(1975, 45.4761), jan1(1976, 46.4567),
    jan1(1977, 47.5214), jan1(1978, 48.5344), jan1(1979, 49.5861),
    jan1(1980, 50.5387), jan1(1981, 51.3808), jan1(1982, 52.1668),
    jan1(1983, 52.9565), jan1(1984, 53.7882), jan1(1985, 54.3427),
    jan1(1986, 54.8712), jan1(1987, 55.3222), jan1(1988, 55.8197),
    jan1(1989, 56.3000), jan1(1990, 56.8553), jan1(1991, 57.5653),
    jan1(1992, 58.3092), jan1(1993, 59.1218), jan1(1994, 59.9844),
    jan1(1995, 60.7853), jan1(1996, 61.6287), jan1(1997, 62.2950),
    jan1(1998, 62.9659), jan1(1999, 63.4673), jan1(2000, 63.8285),
    jan1(2001, 64.0908), jan1(2002, 64.2998), jan1(2003, 64.4734),
    jan1(2004, 64.5736), jan1(2005, 64.6876), jan1(2006, 64.8452),
    jan1(2007, 65.1464), jan1(2008, 65.4574), jan1(2009, 65.7768),
    jan1(2010, 66.0699), jan1(2011, 66.3246), jan1(2012, 66.6030),
    jan1(2013, 66.9069), jan1(2014, 67.2810), jan1(2015, 67.6439),
    jan1(2016, 68.1024), jan1(2017, 68.5927), jan1(2018, 68.9676),
    jan1(2019, 69.2202), jan1(2020, 69.3612), jan1(2021, 69.3594),
    jan1(2022, 69.2945), jan1(2023, 69.2039), jan1(2024, 69.1752),
    jan1(2025, 69.1377), jan1(2026, 69.1099), Observed{julianDate(2026, 10, 1), 69.2065},
};

// The prediction after the last observed value: seconds per year, seconds
// per year squared.
constexpr double kPredictedRate = 0.276;
constexpr double kPredictedCurvature = 0.00042;

// Espenak and Meeus, 1800 to 1986, y the decimal year.
double espenakMeeus(double y)
{
    if (y < 1860) {
        const double t = y - 1800;
        return 13.72 - 0.332447 * t + 0.0068612 * t * t + 0.0041116 * std::pow(t, 3) - 0.00037436 * std::pow(t, 4)
               + 0.0000121272 * std::pow(t, 5) - 0.0000001699 * std::pow(t, 6) + 0.000000000875 * std::pow(t, 7);
    }
    if (y < 1900) {
        const double t = y - 1860;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * std::pow(t, 3) - 0.0004473624 * std::pow(t, 4)
               + std::pow(t, 5) / 233174;
    }
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * std::pow(t, 3) - 0.000197 * std::pow(t, 4);
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * std::pow(t, 3);
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + std::pow(t, 3) / 2547;
    }
    const double t = y - 1975;
    return 45.45 + 1.067 * t - t * t / 260 - std::pow(t, 3) / 718;
}

double decimalYear(double jdUt) { return 2000.0 + (jdUt - kJ2000Jd) / kDaysPerJulianYear; }

}  // namespace

double deltaTSeconds(double jdUt)
{
    const Observed &first = kObserved.front();
    const Observed &last = kObserved.back();
    if (jdUt >= last.jdUt) {
        const double t = (jdUt - last.jdUt) / kDaysPerJulianYear;
        return last.seconds + kPredictedRate * t + kPredictedCurvature * t * t;
    }
    if (jdUt >= first.jdUt) {
        const auto next = std::upper_bound(kObserved.begin(), kObserved.end(), jdUt,
                                           [](double jd, const Observed &o) { return jd < o.jdUt; });
        const Observed &a = *std::prev(next);
        const Observed &b = *next;
        return a.seconds + (b.seconds - a.seconds) * (jdUt - a.jdUt) / (b.jdUt - a.jdUt);
    }
    const double y = decimalYear(jdUt);
    if (y < 1800)
        return ln_get_dynamical_time_diff(jdUt);
    // During 1973 the polynomial is carried into the first observed value.
    const double blendStartJd = julianDate(1973, 1, 1);
    if (jdUt < blendStartJd)
        return espenakMeeus(y);
    const double offset = first.seconds - espenakMeeus(decimalYear(first.jdUt));
    return espenakMeeus(y) + offset * (jdUt - blendStartJd) / (first.jdUt - blendStartJd);
}

}  // namespace ephemkit
