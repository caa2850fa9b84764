// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// What loading any bytes as an alarm file must give, and that a saved table
// loads back as saved, checked by the fuzz target (fuzz_alarmfile,
// libFuzzer) and by bounded randomized runs in the test suite.
#pragma once

#include "alarmtable.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace alarmfuzz {

// Loads bytes over a table of three records and checks the result: never a
// crash; -1 with the table as it was, or the last index read with a table of
// exactly that many records plus one; records that were there keep their
// run-time state; no alarm read is left enabled with a sidereal time outside
// [0, 1) or a negative duration; at most one failure message and one list
// of alarms loaded disabled, with the program's title. Gives the empty text
// when all holds, otherwise what did not.
QString checkLoad(const QByteArray &bytes);

// A table the alarm editor accepts, drawn from seed: one to six alarms of
// every action, start times in whole seconds, durations and intervals in
// minutes, texts of one line built from tag words, quotes, brackets,
// colons, blanks and non-ASCII text (Windows-1252 and beyond, surrogate
// pairs), now and then one of the longest length a field may have.
noctalis::AlarmTable randomEditorTable(std::uint64_t seed);

// Saves the table to bytes, loads them and checks that the same table comes
// back: every text and flag as it was, numbers to 15 significant digits, and
// saving the loaded table gives the same bytes again. Gives the empty text
// when all holds, otherwise what did not.
QString checkRoundTrip(const noctalis::AlarmTable &table);

}  // namespace alarmfuzz
