// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The system time zone as the engine reads it, under fixed zones.

#include "automationerror.h"
#include "ephemkit.h"
#include "zonescope.h"

#include <QVariant>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace {

TEST(GetTimeZone, FixedZonesIncludingFractions)
{
    // POSIX zone strings without daylight saving: the answer does not depend
    // on the date the test runs.
    const struct {
        const char *zone;
        double hours;
    } cases[] = {
        {"UTC0", 0.0},          {"<+0530>-5:30", 5.5},  // India
        {"<+0545>-5:45", 5.75},                         // Nepal
        {"<-0330>3:30", -3.5},                          // Newfoundland standard time
        {"<-05>5", -5.0},       {"<+14>-14", 14.0},
    };
    Ephemkit engine;
    for (const auto &c : cases) {
        ZoneScope zone(c.zone);
        EXPECT_DOUBLE_EQ(engine.GetTimeZone(), c.hours) << c.zone;
        const QVariant bias = engine.GetTZBias();
        EXPECT_EQ(bias.metaType().id(), QMetaType::Double);
        EXPECT_DOUBLE_EQ(bias.toDouble(), -c.hours / 24) << c.zone;
    }
}

TEST(GetTimeZone, DaylightSavingInForceIsIncluded)
{
    // A zone that is on daylight time all year: the offset includes the hour.
    ZoneScope zone("<-05>5<-04>,0/0,J365/25");
    Ephemkit engine;
    EXPECT_DOUBLE_EQ(engine.GetTimeZone(), -4.0);
}

}  // namespace
