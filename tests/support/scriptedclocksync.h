// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// A source of the clock's synchronisation that gives what a test sets, and
// counts how often it is asked.
#pragma once

#include "clocksync.h"

#include <sys/timex.h>

#include <vector>

struct ScriptedClockSync : noctalis::ClockSyncSource {
    noctalis::KernelClockReading kernel{TIME_OK, 0, 0};
    std::optional<bool> ntp;   // the time-date service's answer
    bool answerLater = false;  // keep the answers in pending instead
    std::vector<std::function<void(std::optional<bool>)>> pending;
    int kernelReads = 0;
    int serviceAsks = 0;

    noctalis::KernelClockReading readKernelClock() override
    {
        ++kernelReads;
        return kernel;
    }
    void askNtpSynchronized(std::function<void(std::optional<bool>)> answer) override
    {
        ++serviceAsks;
        if (answerLater)
            pending.push_back(std::move(answer));
        else
            answer(ntp);
    }
};
