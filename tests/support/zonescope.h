// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Sets the process's time zone (a POSIX TZ text) for one scope and restores
// the one before when it ends.
#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

class ZoneScope {
public:
    explicit ZoneScope(const char *tz)
    {
        if (const char *old = std::getenv("TZ"))
            m_saved = old;
        setenv("TZ", tz, 1);
        tzset();
    }
    ~ZoneScope()
    {
        if (m_saved)
            setenv("TZ", m_saved->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ZoneScope(const ZoneScope &) = delete;
    ZoneScope &operator=(const ZoneScope &) = delete;

private:
    std::optional<std::string> m_saved;
};
