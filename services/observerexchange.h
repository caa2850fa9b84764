// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The values the observer location dialog exchanges with its openers (the
// configuration dialog and the calculator), and the current observer's
// daylight-saving rule. One object, owned by the application and handed to
// the windows that use it; nothing here is stored in the settings.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace noctalis {

struct ObserverExchange {
    double ObserverLat = 0;          // latitude, degrees north
    double ObserverLng = 0;          // longitude, degrees west, [0, 360)
    double ObserverTZ = 0;           // time zone, hours east of UT
    int ObserverDSTRule = 0;         // daylight-saving rule code, 0 to 12
    bool ObserverCancelled = false;  // set by the opener; cleared only by a confirmed OK
    QString ObserverFile;            // current observer file; empty until one is saved or confirmed
    int DSTRule = 0;                 // the current observer's rule code; starts at 0
    int USZonePick = 0;              // the US zone picked, hours (-5 ... -10); 0 for none
    QString ObserverZoneId;          // IANA zone, "America/Santiago"; empty for none: ObserverTZ is a fixed offset
    QString ObserverPlace;           // the place's name, as the clock names it; empty when unknown
};

// Shows the observer location dialog modally over parent; it reads and
// writes the exchange values. The application provides it to the dialogs that
// open the observer dialog (tests provide their own).
using ObserverDialogRunner = std::function<void(QWidget *parent)>;

}  // namespace noctalis
