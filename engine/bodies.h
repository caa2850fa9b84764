// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Body numbers of the engine and their names (plain C++, no Qt).
#pragma once

#include <string>
#include <string_view>

namespace ephemkit {

// Body numbers: 0 Mercury .. 7 Pluto, 10 Sun, 11 Moon; -1 the fixed position
// in RA and Dec; 8 and 9 name no body.
constexpr int kNoBody = -1;
constexpr int kSun = 10;
constexpr int kMoon = 11;

// The name produced from a body number ("Mars" for 2), empty for -1, 8, 9.
std::string bodyName(int number);

// The number of an upper-case body name ("MARS" 2), -1 for any other text.
int bodyNumber(std::string_view upperName);

}  // namespace ephemkit
