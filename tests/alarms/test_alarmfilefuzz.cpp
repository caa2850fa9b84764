// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Bounded randomized runs of the alarm file loader: mutated alarm files
// never crash it, never make it read past their end (under the asan preset)
// and always give -1 or a valid last index; saved tables load back as saved.

#include "alarmfilefuzz.h"
#include "qtprinters.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace {

QList<QByteArray> seeds()
{
    QList<QByteArray> files;
    QDir corpus(QStringLiteral(NOCTALIS_ALARMFILE_CORPUS));
    for (const QString &name : corpus.entryList(QDir::Files)) {
        QFile f(corpus.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            files += f.readAll();
    }
    files += QByteArray();
    files += QByteArray("SIDEREAL ALARM FILE");
    return files;
}

// Pieces that steer the loader into its branches.
const std::array<QByteArray, 19> kWords = {"SIDEREAL ALARM FILE",
                                           "NAME:",
                                           "ACTION:",
                                           "SIDEREALTIME:",
                                           "ENABLED:",
                                           "PARAM1:",
                                           "PARAM2:",
                                           "PARAM3:",
                                           "DURATION:",
                                           "END ALARM DEF",
                                           "\r\n",
                                           "\n",
                                           "\r",
                                           "True",
                                           "32767.5",
                                           "1E999",
                                           "-0.5",
                                           "\xC3\xA9",
                                           "\xC3"};

QByteArray mutate(QByteArray bytes, std::mt19937 &rng)
{
    const auto below = [&rng](qsizetype n) {
        return n <= 0 ? qsizetype(0) : qsizetype(std::uniform_int_distribution<qsizetype>(0, n - 1)(rng));
    };
    const int steps = 1 + int(below(8));
    for (int s = 0; s < steps; ++s) {
        const qsizetype at = below(bytes.size() + 1);
        switch (below(6)) {
        case 0:  // flip a byte
            if (!bytes.isEmpty())
                bytes[below(bytes.size())] = char(below(256));
            break;
        case 1:  // insert a word
            bytes.insert(at, kWords[std::size_t(below(qsizetype(kWords.size())))]);
            break;
        case 2:  // delete a stretch
            bytes.remove(at, below(40));
            break;
        case 3:  // repeat a stretch
            bytes.insert(at, bytes.mid(below(bytes.size() + 1), below(200)));
            break;
        case 4:  // cut the end
            bytes.truncate(at);
            break;
        default:  // random bytes
            for (qsizetype n = below(6); n > 0; --n)
                bytes.insert(at, char(below(256)));
            break;
        }
    }
    return bytes;
}

TEST(AlarmFileFuzz, MutatedFilesKeepTheLoadersPromises)
{
    const QList<QByteArray> inputs = seeds();
    ASSERT_GE(inputs.size(), 5);
    std::mt19937 rng(20240521);  // fixed: every run tries the same inputs
    for (int i = 0; i < 20000; ++i) {
        const QByteArray bytes = mutate(inputs[qsizetype(rng() % std::uint32_t(inputs.size()))], rng);
        const QString failure = alarmfuzz::checkLoad(bytes);
        ASSERT_TRUE(failure.isEmpty()) << "input " << i << ": " << qPrintable(failure) << "\n"
                                       << bytes.toPercentEncoding().constData();
    }
}

// Any table the editor accepts, texts holding tag words, quotes, brackets,
// colons and non-ASCII text included, loads back as it was saved.
TEST(AlarmFileFuzz, SavedTablesLoadBackAsSaved)
{
    std::mt19937_64 seeds(20260521);  // fixed: every run tries the same tables
    for (int i = 0; i < 4000; ++i) {
        const std::uint64_t seed = seeds();
        const QString failure = alarmfuzz::checkRoundTrip(alarmfuzz::randomEditorTable(seed));
        ASSERT_TRUE(failure.isEmpty()) << "table " << i << " (seed " << seed << "): " << qPrintable(failure);
    }
}

TEST(AlarmFileFuzz, SeedsThemselvesKeepThePromises)
{
    for (const QByteArray &bytes : seeds())
        EXPECT_EQ(alarmfuzz::checkLoad(bytes), QString());
}

}  // namespace
