// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Positions, rise/set searches and transits of the engine.

#include "almanac.h"
#include "ephemkit.h"
#include "planets.h"
#include "sunmoon.h"
#include "sunmoonriseset.h"
#include "variant.h"

#include <libnova/julian_day.h>
#include <libnova/lunar.h>
#include <libnova/mars.h>
#include <libnova/solar.h>

#include <benchmark/benchmark.h>

namespace {

constexpr double kDate = 45371.0 + 13.0 / 24;  // 2024-03-20 13:00 UT

void BM_SunMoonPosition(benchmark::State &state)
{
    double t = kDate;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ephemkit::SunMoonPosition(t));
        t += 1.0 / 1440;
    }
}
BENCHMARK(BM_SunMoonPosition);

// One rise/set search per iteration, a new day each time.
void riseSetSearch(benchmark::State &state, void (*search)(double, double, double, ephemkit::RiseSet &))
{
    double day = 45371;
    for (auto _ : state) {
        ephemkit::RiseSet rs;
        search(day, 40, 75, rs);
        benchmark::DoNotOptimize(rs);
        day += 1;
    }
}

void BM_SunRiseSet(benchmark::State &state) { riseSetSearch(state, ephemkit::SunRiseSet); }
BENCHMARK(BM_SunRiseSet)->Unit(benchmark::kMicrosecond);

void BM_MoonRiseSet(benchmark::State &state) { riseSetSearch(state, ephemkit::MoonRiseSet); }
BENCHMARK(BM_MoonRiseSet)->Unit(benchmark::kMicrosecond);

// The definition the searches above reproduce: every minute of the day.
void BM_SunRiseSetEveryMinute(benchmark::State &state) { riseSetSearch(state, ephemkit::SunRiseSetEveryMinute); }
BENCHMARK(BM_SunRiseSetEveryMinute)->Unit(benchmark::kMicrosecond);

void BM_MoonRiseSetEveryMinute(benchmark::State &state) { riseSetSearch(state, ephemkit::MoonRiseSetEveryMinute); }
BENCHMARK(BM_MoonRiseSetEveryMinute)->Unit(benchmark::kMicrosecond);

// The almanac's day of the Sun for the same days and place: rising and
// setting of the upper limb through the standard refraction, and the
// transit, the definition libnova's solar rise/transit/set computes (the
// searches above find the centre on the mathematical horizon instead).
void BM_SunAlmanacDay(benchmark::State &state)
{
    double day = 45371;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ephemkit::AlmanacDay({ephemkit::kSun, 0, 0}, day, 40, 75));
        day += 1;
    }
}
BENCHMARK(BM_SunAlmanacDay)->Unit(benchmark::kMicrosecond);

// libnova's rise/transit/set of the same days and place (longitude east
// positive there, 75 W is -75).
void libnovaRiseSet(benchmark::State &state, int (*rst)(double, struct ln_lnlat_posn *, struct ln_rst_time *))
{
    ln_lnlat_posn observer{-75, 40};
    double day = 45371;
    for (auto _ : state) {
        ln_rst_time times{};
        benchmark::DoNotOptimize(rst(day + 2415018.5, &observer, &times));
        benchmark::DoNotOptimize(times);
        day += 1;
    }
}

// Reference for BM_SunAlmanacDay: the upper limb at -50', with the Sun of
// libnova's VSOP87 Earth.
void BM_SunRiseSetLibnova(benchmark::State &state) { libnovaRiseSet(state, ln_get_solar_rst); }
BENCHMARK(BM_SunRiseSetLibnova)->Unit(benchmark::kMicrosecond);

// Not like for like: this pits a short series against ELP 2000-82B. The
// engine's Moon (BM_MoonRiseSet) is the truncated Improved Lunar Ephemeris
// of the handbook (some 130 terms), libnova's the ELP 2000-82B theory of
// thousands of terms.
void BM_MoonRiseSetLibnovaElp2000(benchmark::State &state) { libnovaRiseSet(state, ln_get_lunar_rst); }
BENCHMARK(BM_MoonRiseSetLibnovaElp2000)->Unit(benchmark::kMicrosecond);

void BM_PlanetPosition(benchmark::State &state)
{
    double t = kDate;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ephemkit::PlanetPosition(t, 2));  // Mars
        t += 1.0 / 1440;                                           // a new instant each time: no cache hit in libnova
    }
}
BENCHMARK(BM_PlanetPosition)->Unit(benchmark::kMicrosecond);

// Reference: libnova's geometric place of Mars at the same instants, not an
// apparent one: light time to 1e-4 day (the series twice), on the equator
// and equinox of J2000, without precession, aberration or nutation.
void BM_PlanetGeometricJ2000Libnova(benchmark::State &state)
{
    double jd = kDate + 2415018.5;
    for (auto _ : state) {
        ln_equ_posn position{};
        ln_get_mars_equ_coords(jd, &position);
        benchmark::DoNotOptimize(position);
        jd += 1.0 / 1440;
    }
}
BENCHMARK(BM_PlanetGeometricJ2000Libnova)->Unit(benchmark::kMicrosecond);

void BM_NextTransitMoon(benchmark::State &state)
{
    Ephemkit engine;
    engine.setLNG(75);
    engine.setLat(40);
    engine.setPlanetNum(11);
    double t = kDate;
    for (auto _ : state) {
        QVariant result = engine.NextTransit(automation::dateValue(t), automation::missing(), automation::missing());
        benchmark::DoNotOptimize(result);
        t += 0.37;
    }
}
BENCHMARK(BM_NextTransitMoon)->Unit(benchmark::kMicrosecond);

}  // namespace
