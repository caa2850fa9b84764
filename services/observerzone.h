// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The observer's civil time zone, as the preferences name it, and the zone
// of a picked place.
#pragma once

#include "civilzone.h"

namespace noctalis {

class Clock;
struct Preferences;

// observerZone: the observer's civil time zone.
//
// Given:
//   prefs   DetectTZ, ZoneId and TZ
//   clock   the computer's zone
// Returned (function value):
//   the computer's zone when DetectTZ is set; else the tzdata zone ZoneId
//   names, when tzdata knows it; else the fixed offset TZ.
CivilZone observerZone(const Preferences &prefs, const Clock &clock);

// followsZone: whether the observer's hours follow a zone (the computer's,
// or a tzdata zone the preferences name) rather than the fixed TZ; they are
// then read again as the zone's offset changes.
bool followsZone(const Preferences &prefs);

// placeZone: the zone of a place that comes with a zone id and hours.
//
// Given:
//   zoneId   a tzdata zone id; may be empty or unknown
//   hours    the place's zone in hours east of UT, as a person sees it
//   utc      the instant the hours are meant for
// Returned (function value):
//   the tzdata zone when it has those hours at utc as its offset or its
//   standard offset; nothing otherwise (the hours alone then count).
std::optional<CivilZone> placeZone(const QString &zoneId, double hours, const QDateTime &utc);

}  // namespace noctalis
