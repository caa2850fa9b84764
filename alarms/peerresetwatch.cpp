// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "peerresetwatch.h"

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace noctalis {

PeerResetWatch::~PeerResetWatch() { end(); }

void PeerResetWatch::watch(qintptr descriptor)
{
    end();
#ifdef Q_OS_LINUX
    // Not inherited by programs an alarm starts.
    if (descriptor >= 0)
        m_descriptor = ::fcntl(int(descriptor), F_DUPFD_CLOEXEC, 0);
#else
    Q_UNUSED(descriptor);
#endif
}

bool PeerResetWatch::wasReset() const
{
#ifdef Q_OS_LINUX
    if (m_descriptor < 0)
        return false;
    // A connection the peer closed in order waits for our close
    // (CLOSE_WAIT); one it reset is closed already.
    tcp_info info{};
    socklen_t size = sizeof info;
    return ::getsockopt(m_descriptor, IPPROTO_TCP, TCP_INFO, &info, &size) == 0 && info.tcpi_state == TCP_CLOSE;
#else
    return false;
#endif
}

void PeerResetWatch::end()
{
#ifdef Q_OS_LINUX
    if (m_descriptor >= 0)
        ::close(m_descriptor);
#endif
    m_descriptor = -1;
}

}  // namespace noctalis
