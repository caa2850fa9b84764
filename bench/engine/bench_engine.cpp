// Sidereal time alone, and one clock tick's engine traffic by name.

#include "automationobject.h"
#include "modastrosubs.h"
#include "variant.h"


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

} // namespace
