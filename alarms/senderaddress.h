// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Where a "Send LMST via TCP" alarm sends its text: the listener on the local
// machine unless the alarm's URL box names another.
#pragma once

#include <QString>

#include <optional>

namespace noctalis {

// A TCP listener. The default is the local one the telescope software
// opens; tests give a port of their own.
struct SenderAddress {
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 1556;

    friend bool operator==(const SenderAddress &, const SenderAddress &) = default;
};

// senderAddressFromUrl: the listener an alarm's URL box names.
//
// Given:
//   url       the box's text: empty (or blanks), "host:port" or
//             "tcp://host:port"; host a name, an IPv4 address or an IPv6
//             address in brackets ("[::1]:5555"); port 1 to 65535
//   fallback  the listener of an empty box
// Returned (function value):
//   the listener; nothing for any other text, which the editor refuses
std::optional<SenderAddress> senderAddressFromUrl(const QString &url, const SenderAddress &fallback = {});

}  // namespace noctalis
