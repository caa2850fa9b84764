// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// libFuzzer target for the observer file reader (built with clang only).
//
//   CXX=clang++ cmake -S . -B build/fuzz -G Ninja \
//       -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" \
//       -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
//   cmake --build build/fuzz --target fuzz_observerfile
//   build/fuzz/bin/fuzz_observerfile -max_total_time=300 \
//       -dict=tests/observer/observerfile.dict tests/observer/observerfile_corpus

#include "observerfilefuzz.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString failure = observerfuzz::checkRead(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "observer file reader: %s\n", qPrintable(failure));
        std::abort();
    }
    return 0;
}
