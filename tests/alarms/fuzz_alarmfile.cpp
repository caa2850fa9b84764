// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// libFuzzer target for the alarm file loader (built with clang only).
//
//   CXX=clang++ cmake -S . -B build/fuzz -G Ninja \
//       -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" \
//       -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
//   cmake --build build/fuzz --target fuzz_alarmfile
//   build/fuzz/bin/fuzz_alarmfile -max_total_time=300 \
//       -dict=tests/alarms/alarmfile.dict tests/alarms/alarmfile_corpus

#include "alarmfilefuzz.h"

#include <QHashFunctions>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString failure = alarmfuzz::checkLoad(bytes);
    if (failure.isEmpty())  // the input also seeds a table that must load back as saved
        failure = alarmfuzz::checkRoundTrip(alarmfuzz::randomEditorTable(qHash(bytes)));
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "alarm file loader: %s\n", qPrintable(failure));
        std::abort();
    }
    return 0;
}
