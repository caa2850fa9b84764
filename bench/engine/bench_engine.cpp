// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Sidereal time alone, and one clock tick's engine traffic by name, each with
// its reference beside it: libnova's local sidereal time in 0 to 24 h, the
// engine's members called directly. Last, the Moon's place by name right after Qt hashed a
// long key, as happens between the program's engine calls, beside the same
// call without it.

#include "automationobject.h"
#include "ephemkit.h"
#include "modastrosubs.h"
#include "variant.h"

#include <QByteArray>
#include <QHash>

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

// Reference: libnova's mean sidereal time of the same instants, made local
// and brought into 0 to 24 h as the engine's is (libnova reduces the
// Greenwich time itself; the longitude can take it below 0).
void BM_LocalMeanSiderealTimeLibnova(benchmark::State &state)
{
    double jd = 45371.0 + 13.0 / 24 + 2415018.5;
    for (auto _ : state) {
        double lmst = ln_get_mean_sidereal_time(jd) - 75.0 / 15;
        if (lmst < 0)
            lmst += 24;
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

// The Moon's place for a date by name: the series of the Moon and the Sun
// and the Moon's rise and set, a few thousand trigonometric calls.
void moonPlaceByName(benchmark::State &state, bool hashFirst)
{
    automation::Object engine = automation::Object::create(QStringLiteral("Ephemlib.Ephemkit"));
    if (engine.isEmpty()) {
        state.SkipWithError("engine library not found");
        return;
    }
    engine.set(QStringLiteral("LNG"), 75.0);
    engine.set(QStringLiteral("PlanetNum"), 11);
    const QByteArray key(64, 'k');  // long enough for Qt's widest hashing code
    double utDate = 45371.0 + 13.0 / 24;
    for (auto _ : state) {
        if (hashFirst)
            benchmark::DoNotOptimize(qHash(key, QHashSeed::globalSeed()));
        engine.call(QStringLiteral("RADEC2ALTAZ"), {automation::dateValue(utDate)});
        utDate += 1.0 / 24;
    }
}

void BM_MoonPlaceByName(benchmark::State &state) { moonPlaceByName(state, false); }
BENCHMARK(BM_MoonPlaceByName)->Unit(benchmark::kMicrosecond);

// On processors with 256-bit AES (VAES), Qt 6.4 hashes long keys with AVX
// instructions and returns without clearing the upper halves of the vector
// registers; the engine's own SSE code is then several times slower unless
// the engine clears them first.
void BM_MoonPlaceByNameAfterQtHashing(benchmark::State &state) { moonPlaceByName(state, true); }
BENCHMARK(BM_MoonPlaceByNameAfterQtHashing)->Unit(benchmark::kMicrosecond);

}  // namespace
