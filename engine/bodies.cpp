// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "bodies.h"

#include <array>

namespace ephemkit {

namespace {

struct Body {
    int number;
    std::string_view upper;
    std::string_view produced;
};

constexpr std::array<Body, 10> kBodies{{
    {0, "MERCURY", "Mercury"},
    {1, "VENUS", "Venus"},
    {2, "MARS", "Mars"},
    {3, "JUPITER", "Jupiter"},
    {4, "SATURN", "Saturn"},
    {5, "URANUS", "Uranus"},
    {6, "NEPTUNE", "Neptune"},
    {7, "PLUTO", "Pluto"},
    {10, "SUN", "Sun"},
    {11, "MOON", "Moon"},
}};

}  // namespace

std::string bodyName(int number)
{
    for (const Body &b : kBodies) {
        if (b.number == number)
            return std::string(b.produced);
    }
    return {};
}

int bodyNumber(std::string_view upperName)
{
    for (const Body &b : kBodies) {
        if (b.upper == upperName)
            return b.number;
    }
    return kNoBody;
}

}  // namespace ephemkit
