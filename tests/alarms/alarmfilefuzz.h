// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// What loading any bytes as an alarm file must give, checked by the fuzz
// target (fuzz_alarmfile, libFuzzer) and by a bounded randomized run in the
// test suite.
#pragma once

#include <QByteArray>
#include <QString>

namespace alarmfuzz {

// Loads bytes over a table of three records and checks the result: never a
// crash; -1 with the table as it was, or the last index read with a table of
// exactly that many records plus one; records that were there keep their
// run-time state; no alarm read is left enabled with a sidereal time outside
// [0, 1) or a negative duration; at most one failure message and one list
// of alarms loaded disabled, with the program's title. Gives the empty text
// when all holds, otherwise what did not.
QString checkLoad(const QByteArray &bytes);

} // namespace alarmfuzz
