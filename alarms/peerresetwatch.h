// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// PeerResetWatch: tells whether the peer of a TCP connection reset it. Qt
// reports a reset and an orderly close alike, and has closed its socket by
// the time it reports either; a second descriptor of the connection, taken
// once it is made, keeps the connection's state readable until the watch
// ends. Linux only: elsewhere nothing is watched and no reset is ever seen,
// so a reset there counts as an orderly close.
#pragma once

#include <QtGlobal>

namespace noctalis {

class PeerResetWatch {
public:
    PeerResetWatch() = default;
    ~PeerResetWatch();

    PeerResetWatch(const PeerResetWatch &) = delete;
    PeerResetWatch &operator=(const PeerResetWatch &) = delete;

    // Watches the connection of descriptor, a connected TCP socket; ends the
    // watch before.
    void watch(qintptr descriptor);

    // Whether the connection was ended by a reset (or by any other abort the
    // peer did not close in order, such as a time-out); false when nothing
    // is watched.
    bool wasReset() const;

    // Ends the watch. The connection itself closes once every other
    // descriptor of it is closed too, so this must come no later than the
    // owner closes its socket.
    void end();

private:
    int m_descriptor = -1;
};

}  // namespace noctalis
