// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Time fields in alarm texts: "[LMST" or "[UT", a field text, and "]". The
// field text, trimmed and upper-cased, selects the value:
//   "HH:MM:SS"  the time of day: for "[LMST" the second the clock's face
//               shows (the second that has begun), for "[UT" the clock's
//               UTC, which is read in whole seconds
//   "HOURS"     LMST in hours, or the UT date-time in hours from 1899-12-30,
//               with four decimals
//   other       the same number through that text as a number pattern
// The two expanders treat the text around a field differently on purpose:
// ExpandTimeFields (the notice window) and CvtMsg (the TCP sender).
#pragma once

#include "automationobject.h"
#include "clock.h"

#include <QString>

namespace noctalis {

// What a field is computed from: the engine of the window that owns the
// text, the clock (whose UTC is UT), and DUT1 = UT1 - UTC in seconds, which "[LMST" fields follow as the clock's
// face does ("[UT" fields stay on UTC).
struct TimeFieldSource {
    automation::Object &engine;
    const Clock &clock;
    double dut1Seconds = 0;
};

// The "[LMST" value of a field text for an LMST in hours, and the "[UT" value
// for a UT automation date.
QString lmstFieldValue(const QString &fieldText, double lmstHours);
QString utFieldValue(const QString &fieldText, double utDate);

// Puts the value of every "[LMST" and then every "[UT" field in place of
// the field, each by its own field text; everything else stays as typed,
// "]" included. A field with no text ("[LMST]", "[UT  ]") stays as it is;
// without an engine an "[LMST" field becomes the bare "[LMST]".
QString ExpandTimeFields(const QString &text, const TimeFieldSource &source);

// Puts the value once, at the place of the first "[LMST" (then "[UT") field,
// and removes every whole field with the same text; other "]" stay. A field
// with no text is removed without a value.
QString CvtMsg(const QString &text, const TimeFieldSource &source);

// UT now as an automation date: the clock's UTC, whole seconds.
double utNow(const TimeFieldSource &source);

}  // namespace noctalis
