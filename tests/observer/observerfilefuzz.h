// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// What reading any bytes as an observer file must give, checked by the fuzz
// target (fuzz_observerfile, libFuzzer) and by a bounded randomized run in
// the test suite.
#pragma once

#include <QByteArray>
#include <QString>

namespace observerfuzz {

// Reads bytes as an observer file and checks the result: never a crash;
// either "Input past end of file." or values that are all finite, a rule
// code from 0 to 12 and texts without line breaks; fields without a double
// quote written and read again come back the same. Gives the empty text
// when all holds, otherwise what did not.
QString checkRead(const QByteArray &bytes);

}  // namespace observerfuzz
