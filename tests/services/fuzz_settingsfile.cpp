// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Fuzz target of the settings file's reader and writer: whatever the bytes,
// reading never fails or decodes a value into anything but text, and the
// file written from what was read reads back as the same sections, keys and
// texts. Built with clang and run for a bounded time as one test; by hand:
//
//   build/default/bin/fuzz_settingsfile -max_total_time=300 \
//       -dict=tests/services/settingsfile.dict

#include "initext.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using noctalis::IniSection;

void check(bool ok, const char *what, const QByteArray &detail)
{
    if (ok)
        return;
    std::fprintf(stderr, "violated: %s (%s)\n", what, detail.toPercentEncoding().constData());
    std::abort();
}

// The sections as names, keys and value texts, one line each.
QStringList meaning(const QList<IniSection> &sections)
{
    QStringList lines;
    for (const IniSection &section : sections) {
        lines << QLatin1Char('[') + section.name + QLatin1Char(']');
        for (const auto &entry : section.entries) {
            const QString text = noctalis::iniValue(entry.rawValue);
            check(noctalis::iniValue(noctalis::iniValueText(text)) == text, "a text comes back from its form",
                  noctalis::iniValueText(text));
            lines << entry.key + QLatin1Char('=') + text;
        }
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<IniSection> read = noctalis::parseIniText(bytes);
    const QByteArray written = noctalis::iniText(read);
    check(meaning(noctalis::parseIniText(written)) == meaning(read), "the written file reads back the same",
          bytes + "\n----\n" + written);
    return 0;
}
