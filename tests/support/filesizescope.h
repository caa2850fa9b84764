// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// A full disk for one scope: files of this process may not grow beyond a
// number of bytes, and a write past it fails with EFBIG ("File too large")
// instead of raising SIGXFSZ. The limit and the signal's handler before are
// restored when the scope ends.
#pragma once

#include <csignal>
#include <sys/resource.h>

class FileSizeScope {
public:
    explicit FileSizeScope(rlim_t maxBytes)
    {
        // Without the limit before there is nothing to restore: set none.
        m_saved = ::getrlimit(RLIMIT_FSIZE, &m_before) == 0;
        if (!m_saved)
            return;
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = m_before;
        small.rlim_cur = maxBytes;
        m_set = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeScope()
    {
        if (!m_saved)
            return;
        ::setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeScope(const FileSizeScope &) = delete;
    FileSizeScope &operator=(const FileSizeScope &) = delete;

    // False when the limit could not be set; the test then proves nothing.
    bool isSet() const { return m_set; }

private:
    struct rlimit m_before {};
    void (*m_handler)(int) = SIG_DFL;
    bool m_saved = false;
    bool m_set = false;
};
