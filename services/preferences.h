// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The shared preferences: what every window of the clock program reads and
// writes, loaded from the settings store at start-up. One object, owned by
// the application and handed to the windows that use it.
#pragma once

#include <QColor>
#include <QDateTime>
#include <QList>
#include <QString>

#include "sites.h"

#include <optional>

namespace noctalis {

// The clock's digits at night, percent of their full brightness.
inline constexpr int kNightDimMinPercent = 10;
inline constexpr int kNightDimMaxPercent = 100;
inline constexpr int kNightDimDefaultPercent = 60;

struct Preferences {
    QString AlarmFile;                           // path of the current alarm file
    bool StartUp = false;                        // start with the system
    bool TopMost = false;                        // main window above other windows
    bool ConfigCancelled = false;                // the configuration dialog was left by Cancel; not stored
    QString FontName = QStringLiteral("Arial");  // clock font face
    double FontSize = 20;                        // clock font size, points
    bool FontBold = true;                        // clock font bold
    bool DetectTZ = false;                       // take the time zone from the system clock
    bool DisplayWest = false;                    // show longitudes as west longitudes
    QString DateFormat;                          // "MM/DD/YYYY" or "DD/MM/YYYY"
    double TZ = 0;                               // the observer's civil time: hours ahead of UT now
    QString ZoneId;                              // the observer's tzdata zone ("Europe/Berlin"); empty for the fixed TZ
    QString Place;                               // where the observer is, as the clock's tooltip names it
    bool AlarmsEnabled = false;                  // the tick checks the alarms
    float LAT = 0;                               // observer latitude, degrees north
    float LNG = 0;                               // observer longitude, degrees west, [0, 360)
    QColor BkColor = Qt::white;                  // clock face background
    QColor DigitColor = Qt::black;               // digit colour
    std::optional<QDateTime> CurrentUT;          // UT of the last tick
    bool DisplayLAST = false;                    // the clock shows the LAST row
    double DUT1 = 0;                             // UT1 - UTC, seconds, |DUT1| < 0.9; added to UT for the sidereal times
    QList<Site> Sites;                           // other sites, a face row each below the clock's own
    bool NightVision = false;                    // every window red on black
    int NightDim = kNightDimDefaultPercent;      // the face's digits at night, percent of full brightness
};

}  // namespace noctalis
