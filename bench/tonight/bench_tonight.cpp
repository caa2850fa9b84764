// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// One refresh of the Tonight window's rows: the Sun, the Moon, Mercury to
// Neptune and three targets of one's own, each its day and its place now,
// through an engine object by member name as the window does it. Target:
// under 50 ms, and no slower than PyEphem computing the same rows
// (pyephem_tonight.py beside this file prints its time per refresh).

#include "automationobject.h"
#include "tonightsky.h"

#include <benchmark/benchmark.h>

namespace {

void BM_TonightRefresh(benchmark::State &state)
{
    automation::Object engine = automation::Object::create(QStringLiteral("Ephemlib.Ephemkit"));
    if (engine.isEmpty()) {
        state.SkipWithError("engine library not found");
        return;
    }
    QList<noctalis::TonightObject> objects{
        {QStringLiteral("Sun"), 10},   {QStringLiteral("Moon"), 11},  {QStringLiteral("Mercury"), 0},
        {QStringLiteral("Venus"), 1},  {QStringLiteral("Mars"), 2},   {QStringLiteral("Jupiter"), 3},
        {QStringLiteral("Saturn"), 4}, {QStringLiteral("Uranus"), 5}, {QStringLiteral("Neptune"), 6},
    };
    objects.push_back({QStringLiteral("Vega"), noctalis::kFixedPlace, 18.6156, 38.7836});
    objects.push_back({QStringLiteral("Deneb"), noctalis::kFixedPlace, 20.6905, 45.2803});
    objects.push_back({QStringLiteral("M 31"), noctalis::kFixedPlace, 0.7123, 41.2689});
    // 2024-11-04, local midnight at UT+1, 52 N 0.1 W; a new minute each
    // refresh and a new engine object (made outside the timing), so no place
    // is taken from what an engine keeps of the days it was asked about.
    noctalis::TonightSky sky{52, 0.1, 45600 - 1.0 / 24, 45600 + 20.0 / 24};
    for (auto _ : state) {
        state.PauseTiming();
        engine = automation::Object::create(QStringLiteral("Ephemlib.Ephemkit"));
        state.ResumeTiming();
        QList<noctalis::TonightRow> rows = noctalis::ComputeTonight(engine, sky, objects);
        benchmark::DoNotOptimize(rows);
        sky.dayStartUt += 1.0 / 1440;
        sky.nowUt += 1.0 / 1440;
    }
}
BENCHMARK(BM_TonightRefresh)->Unit(benchmark::kMillisecond);

}  // namespace
