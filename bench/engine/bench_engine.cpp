// Sidereal time alone, and one clock tick's engine traffic by name, each with
// its reference beside it: libnova's sidereal time, the engine's members
// called directly.

#include "automationobject.h"
#include "ephemkit.h"
#include "modastrosubs.h"
#include "variant.h"

#include <libnova/sidereal_time.h>

#include <benchmark/benchmark.h>

namespace {

void BM_LocalMeanSiderealTime(benchmark::State &state)
{
    double utDate = 45371.0 + 13.0 / 24;  // 2024-03-20 13:00 UT
    double lmst = 0;
    for (auto _ : state) {
        ephemkit::LocalMeanSiderealTime(utDate, 75.0, lmst);
        benchmark::DoNotOptimize(lmst);
        utDate += 1.0 / 86400;
    }
}
BENCHMARK(BM_LocalMeanSiderealTime);

// Reference: libnova's mean sidereal time of the same instants.
void BM_LocalMeanSiderealTimeLibnova(benchmark::State &state)
{
    double jd = 45371.0 + 13.0 / 24 + 2415018.5;
    for (auto _ : state) {
        double lmst = ln_get_mean_sidereal_time(jd) - 75.0 / 15;
        benchmark::DoNotOptimize(lmst);
        jd += 1.0 / 86400;
    }
}
BENCHMARK(BM_LocalMeanSiderealTimeLibnova);

// What the clock does once a second: set UTDate by name, read LMST by name.
void BM_ClockTickByName(benchmark::State &state)
{
    automation::Object engine = automation::Object::create(QStringLiteral("Ephemlib.Ephemkit"));
    if (engine.isEmpty()) {
        state.SkipWithError("engine library not found");
        return;
    }
    engine.set(QStringLiteral("LNG"), 75.0);
    double utDate = 45371.0 + 13.0 / 24;
    for (auto _ : state) {
        engine.set(QStringLiteral("UTDate"), automation::dateValue(utDate));
        QVariant lmst = engine.get(QStringLiteral("lmst"));
        benchmark::DoNotOptimize(lmst);
        utDate += 1.0 / 86400;
    }
}
BENCHMARK(BM_ClockTickByName);

// Reference: the same two members of an engine object called directly.
void BM_ClockTickDirect(benchmark::State &state)
{
    Ephemkit engine;
    engine.setLNG(75.0);
    double utDate = 45371.0 + 13.0 / 24;
    for (auto _ : state) {
        engine.setUTDate(automation::dateValue(utDate));
        QVariant lmst = engine.LMST();
        benchmark::DoNotOptimize(lmst);
        utDate += 1.0 / 86400;
    }
}
BENCHMARK(BM_ClockTickDirect);

} // namespace
