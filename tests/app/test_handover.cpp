// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// A second start hands over to the running clock: its window, closed or
// minimised, comes back to the front and ticks.

#include "appparts.h"
#include "clockwindow.h"
#include "handover.h"
#include "secondticker.h"
#include "singleinstance.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace noctalis;

TEST(Handover, ASecondStartBringsTheRunningClockWindowBack)
{
    const struct {
        const char *what;
        std::function<void(ClockWindow &)> putAway;
    } cases[] = {
        {"closed", [](ClockWindow &form) { form.close(); }},
        {"minimised", [](ClockWindow &form) { form.setWindowState(Qt::WindowMinimized); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        AppParts parts;
        QTemporaryDir runtime;  // the lock file and the socket of this case alone
        ClockWindow form(parts.context());
        form.load();
        form.show();
        SingleInstance first(runtime.path());
        ASSERT_EQ(first.claim(), SingleInstance::Role::First);
        connectHandover(first, form);
        c.putAway(form);
        ASSERT_TRUE(!form.isVisible() || form.isMinimized());

        SingleInstance second(runtime.path());
        EXPECT_EQ(second.claim(), SingleInstance::Role::HandedOver);
        EXPECT_TRUE(form.isVisible());
        EXPECT_FALSE(form.isMinimized());
        EXPECT_TRUE(form.ticker()->isActive()) << "the clock ticks again";
    }
}

}  // namespace
