// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The system's time zone, read afresh on every call (plain C++, no Qt).
#pragma once

namespace ephemkit {

// Offset of local civil time from UT now, hours, east positive, daylight
// saving included when in force (UT+5:30 gives 5.5, New York in winter -5).
// 0 when the system cannot say.
double systemTimeZoneHours();

}  // namespace ephemkit
