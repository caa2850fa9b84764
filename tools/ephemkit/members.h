// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The engine's members as the driver describes them: kind, unit and the
// range a setter accepts. One table feeds the warnings about ignored values,
// --help and the manual page.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <vector>

namespace driver {

// The ProgID whose members the table describes.
inline constexpr char kEngineProgId[] = "Ephemlib.Ephemkit";

struct Member {
    enum Kind {
        Property,  // read and set; a setter with a range ignores what lies outside
        ReadOnly,  // setting it is an error
        Computed,  // the engine fills it; a value set is discarded
        Method,
    };
    const char *name;
    Kind kind;
    const char *unit;            // what the value means ("degrees west of Greenwich")
    const char *arguments;       // a method's parameters, "" for none
    std::optional<double> low;   // the range a setter accepts, both ends included
    std::optional<double> high;  //
    bool integerPart = false;    // the setter cuts the value to its integer part first
    const char *note = "";       // what else the setter does ("360 reads 0")
};

const std::vector<Member> &engineMembers();

// The entry of a member by its canonical name, or null.
const Member *findMember(const QString &name);

// The one member that is a longitude; --east converts it at the tool's edge.
inline constexpr char kLongitudeMember[] = "LNG";

// Longitudes east-positive to the engine's west-positive [0, 360] and back.
// An east longitude is accepted from -360 to 360; one read is shown in
// (-180, 180].
inline constexpr double kEastLowDeg = -360;
inline constexpr double kEastHighDeg = 360;
double eastToWestDeg(double lngEastDeg);
double westToEastDeg(double lngWestDeg);

// Why setting member (canonical name) to value is ignored, as "LNG is
// degrees west, 0 to 360"; nothing when the setter takes it or raises an
// error of its own. east: LNG is typed east-positive.
std::optional<QString> ignoredBecause(const Member &member, const QVariant &value, bool east);

// The member table as lines of --help, and as the body of a manual page's
// section (roff).
QString membersHelp();
QString membersRoff();

}  // namespace driver
