// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// A bounded randomized run of the observer file reader: files made of the
// pieces that steer field input (quotes, commas, line ends, numbers in
// every form, bytes of both encodings) keep the reader's promises, also
// under the asan preset.

#include "observerfilefuzz.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace {

const std::array<QByteArray, 24> kPieces = {"\"",
                                            ",",
                                            "\r\n",
                                            "\n",
                                            "\r",
                                            " ",
                                            "\t",
                                            "40.7000007629395",
                                            "-33:52:00",
                                            "91:00:00",
                                            "-75:30",
                                            "+10",
                                            "5,75",
                                            "1E999",
                                            "&H7FFF",
                                            "13",
                                            "-1",
                                            "New York, USA",
                                            "\xC3\xBC",
                                            "\xFC",
                                            "\xC3",
                                            "\xEF\xBB\xBF",
                                            QByteArray(1, '\0'),
                                            "D+400"};

QByteArray pieceSoup(std::mt19937 &rng)
{
    std::uniform_int_distribution<std::size_t> piece(0, kPieces.size() - 1);
    QByteArray bytes;
    for (int n = std::uniform_int_distribution<int>(0, 40)(rng); n > 0; --n)
        bytes += kPieces[piece(rng)];
    return bytes;
}

TEST(ObserverFileFuzz, AnyPiecesKeepTheReadersPromises)
{
    std::mt19937 rng(20240611);  // fixed: every run tries the same inputs
    for (int i = 0; i < 20000; ++i) {
        const QByteArray bytes = pieceSoup(rng);
        const QString failure = observerfuzz::checkRead(bytes);
        ASSERT_TRUE(failure.isEmpty()) << "input " << i << ": " << qPrintable(failure) << "\n"
                                       << bytes.toPercentEncoding().constData();
    }
}

}  // namespace
