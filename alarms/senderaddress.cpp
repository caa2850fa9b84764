// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "senderaddress.h"

#include <QHostAddress>
#include <QRegularExpression>

namespace noctalis {

std::optional<SenderAddress> senderAddressFromUrl(const QString &url, const SenderAddress &fallback)
{
    const QString text = url.trimmed();
    if (text.isEmpty())
        return fallback;
    // An optional tcp:// in any letter case, then a host name, a dotted
    // address or a bracketed IPv6 address, a colon and the port's digits.
    static const QRegularExpression form(
        QStringLiteral(R"(^(?:tcp://)?(\[[0-9A-Fa-f:.]+\]|[A-Za-z0-9](?:[A-Za-z0-9.-]*[A-Za-z0-9])?):([0-9]{1,5})$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int port = match.captured(2).toInt();
    if (port < 1 || port > 65535)
        return std::nullopt;
    QString host = match.captured(1);
    if (host.startsWith(QLatin1Char('['))) {
        host = host.mid(1, host.size() - 2);
        if (QHostAddress(host).protocol() != QAbstractSocket::IPv6Protocol)
            return std::nullopt;
    }
    return SenderAddress{host, quint16(port)};
}

}  // namespace noctalis
