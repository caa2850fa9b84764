// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Targets of one's own for the Tonight window: fixed objects by name, right
// ascension and declination, their texts, and their place in the settings.
#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace noctalis {

class SettingsStore;

struct TonightTarget {
    QString name;        // as typed, trimmed; any characters
    double raHours = 0;  // right ascension of date, hours, [0, 24)
    double decDeg = 0;   // declination of date, degrees, [-90, 90]
};

// A right ascension text: hours in [0, 24) as "18:36:56", "18 36 56",
// "18h36m56s", "18:36.9" or "18.6156" (strictinput.h), without a "-";
// nothing for any other text.
std::optional<double> ParseRightAscension(const QString &text);

// A declination text: degrees in [-90, 90] as "+38:47:01", "-5 23 30",
// "38°47'01\"" or "38.7836"; nothing for any other text.
std::optional<double> ParseDeclination(const QString &text);

// The targets kept in the settings (key "TonightTargets" of "Settings").
//
// Notes:
//  1. One text: the targets separated by "|", each "RA Dec Name" with RA in
//     hours and Dec in degrees as numbers of 17 significant digits and the
//     name percent-encoded except letters, digits, "-._~" and blanks, so
//     that commas, quotes, "=", "|" and any non-ASCII character come back
//     exactly and the stored text is plain ASCII.
//  2. An entry that cannot be read back is left out, with one line in the
//     log category noctalis.settings.
QList<TonightTarget> readTonightTargets(const SettingsStore &store);
void writeTonightTargets(SettingsStore &store, const QList<TonightTarget> &targets);

}  // namespace noctalis
