// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The daylight-saving rule codes that travel with an observer's location
// (observer files, the city list, the observer dialog's rule list). No time
// computation reads them.
#pragma once

#include "numbertext.h"

#include <optional>

namespace noctalis {

// Rule codes run from 0 ("Not Used") to kDstRuleCount - 1.
constexpr int kDstRuleCount = 13;

// dstRuleCode: the rule code a number from a file stands for.
//
// Given:
//   value   a number read by the leading-number rule
// Returned (function value):
//   value rounded to a whole number (ties to even) when that is a rule
//   code; 0 ("Not Used") otherwise
inline int dstRuleCode(double value)
{
    const std::optional<qint16> code = wholeNumber16(value);
    return code && *code >= 0 && *code < kDstRuleCount ? *code : 0;
}

}  // namespace noctalis
