// Positions, rise/set searches and transits of the engine.

#include "ephemkit.h"
#include "planets.h"
#include "sunmoon.h"
#include "sunmoonriseset.h"
#include "variant.h"


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
void riseSetSearch(benchmark::State &state,
                   void (*search)(double, double, double, ephemkit::RiseSet &))
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
BENCHMARK(BM_SunRiseSet)->Unit(benchmark::kMillisecond);

void BM_MoonRiseSet(benchmark::State &state) { riseSetSearch(state, ephemkit::MoonRiseSet); }
BENCHMARK(BM_MoonRiseSet)->Unit(benchmark::kMillisecond);

void BM_PlanetPosition(benchmark::State &state)
{
    double t = kDate;
    for (auto _ : state) {
        double ra = 0;
        double dec = 0;
        ephemkit::PlanetPosition(t, 2, ra, dec);  // Mars
        benchmark::DoNotOptimize(ra);
        benchmark::DoNotOptimize(dec);
        t += 1.0 / 1440;  // a new instant each time: no cache hit in libnova
    }
}
BENCHMARK(BM_PlanetPosition)->Unit(benchmark::kMicrosecond);

void BM_NextTransitMoon(benchmark::State &state)
{
    Ephemkit engine;
    engine.setLNG(75);
    engine.setLat(40);
    engine.setPlanetNum(11);
    double t = kDate;
    for (auto _ : state) {
        QVariant result = engine.NextTransit(automation::dateValue(t), automation::missing(),
                                             automation::missing());
        benchmark::DoNotOptimize(result);
        t += 0.37;
    }
}
BENCHMARK(BM_NextTransitMoon)->Unit(benchmark::kMicrosecond);

} // namespace
