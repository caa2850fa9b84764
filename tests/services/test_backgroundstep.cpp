// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// A skipped background step leaves one line in its logging category.

#include "backgroundstep.h"
#include "logcapture.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace noctalis;

TEST(RunStep, SkipsAFailureWithOneLineThatIsHiddenByDefault)
{
    {
        LogCapture defaults{QString()};
        EXPECT_FALSE(runStep(lcAlarms, "read the LMST", [] { throw std::runtime_error("Type mismatch"); }));
        EXPECT_TRUE(defaults.lines().isEmpty()) << "off below warning unless the rules turn it on";
    }

    LogCapture log;
    int ran = 0;
    EXPECT_TRUE(runStep(lcAlarms, "count", [&] { ++ran; }));
    EXPECT_FALSE(runStep(lcAlarms, "read the LMST", [] { throw std::runtime_error("Type mismatch"); }));
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral("noctalis.alarms: read the LMST skipped: Type mismatch")});
}

}  // namespace
