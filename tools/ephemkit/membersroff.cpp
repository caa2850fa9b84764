// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// ephemkit_members_roff: prints the driver's member table as the body of a
// manual page section, for the build to put into ephemkit(1).

#include "members.h"

#include <cstdio>

int main()
{
    const QByteArray roff = driver::membersRoff().toUtf8();
    return std::fwrite(roff.constData(), 1, size_t(roff.size()), stdout) == size_t(roff.size()) ? 0 : 1;
}
