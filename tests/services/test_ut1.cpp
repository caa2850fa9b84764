// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// UT1 for the clock: the DUT1 setting and what it does to sidereal time.

#include "civil.h"
#include "modastrosubs.h"
#include "settingsstore.h"
#include "settingvalues.h"
#include "ut1.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

// The LMST of UT + DUT1 as the clock gets it: the engine's LMST of the
// whole second, moved on by the rest of the second.
double lmstOfUt1(double utDate, double dut1Seconds)
{
    const Ut1Reading r(utDate, dut1Seconds);
    return r.sidereal(ephemkit::localMeanSiderealTime(r.engineUtDate, 75));
}

// DUT1 = 0 changes nothing at all; any other DUT1 moves the LMST by DUT1
// sidereal-rate seconds (1.0027379 s of sidereal time per second of UT),
// across second, minute and day boundaries and in both senses. Within 1e-6 s
// inside a UT day; across 0h within 0.2 ms, the step the LMST polynomial
// itself makes there (its daily rate and 1.002737908 differ by 0.12 ms/day).
TEST(Ut1Reading, MovesTheLmstByDut1AtTheSiderealRate)
{
    for (const double ut : {civil(2024, 3, 20), civil(2024, 3, 20, 13, 4, 5), civil(2024, 12, 31, 23, 59, 59)}) {
        const Ut1Reading none(ut, 0);
        EXPECT_EQ(none.engineUtDate, ut);
        EXPECT_EQ(none.sidereal(11.5), 11.5);
        const double lmst = ephemkit::localMeanSiderealTime(ut, 75);
        EXPECT_EQ(lmstOfUt1(ut, 0), lmst);
        for (const double dut1 : {0.5, -0.5, 0.8999, -0.1234, 0.001}) {
            const double moved = std::remainder(lmstOfUt1(ut, dut1) - lmst, 24.0) * 3600;
            const bool acrossMidnight = std::floor(ut) != std::floor(ut + dut1 / 86400);
            EXPECT_NEAR(moved, dut1 * 1.0027379, acrossMidnight ? 2e-4 : 1e-6) << ut << " " << dut1;
        }
    }
}

TEST(Ut1Reading, StoredDut1OutsideTheIersRangeReadsAsZero)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("noctalis1.ini")));
    EXPECT_EQ(readDut1Setting(store), 0.0) << "missing";
    const std::pair<const char *, double> cases[] = {{"0.35", 0.35}, {"-0.8999", -0.8999}, {"0.9", 0},
                                                     {"-1.5", 0},    {"1e300", 0},         {"fast", 0}};
    for (const auto &[text, wanted] : cases) {
        writeSetting(store, QStringLiteral("DUT1"), QLatin1String(text));
        EXPECT_EQ(readDut1Setting(store), wanted) << text;
    }
}

}  // namespace
