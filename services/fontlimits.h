// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The font sizes the clock face takes: what the configuration dialog's font
// picker offers, and what start-up keeps a stored size to.
#pragma once

#include <algorithm>

namespace noctalis {

constexpr double kMinClockFontPoints = 6;
constexpr double kMaxClockFontPoints = 144;

// A stored font size kept to the sizes above; a size of 0 or below (a text
// without a number reads as 0) stays as it is, for the caller to leave the
// design size in place.
constexpr double clampClockFontPoints(double points)
{
    return points > 0 ? std::clamp(points, kMinClockFontPoints, kMaxClockFontPoints) : points;
}

}  // namespace noctalis
