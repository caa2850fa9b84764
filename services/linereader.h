// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The lines of a text, one at a time, as the data-file readers take them.
#pragma once

#include <QStringView>

namespace noctalis {

// A line ends at CR LF, LF or CR; text after the last line end is one more
// line, and a text that ends with a line end has no empty line after it.
class LineReader {
public:
    explicit LineReader(QStringView text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    // Lines taken so far: the number of the last line next() gave.
    qint64 lineNumber() const { return lineNumber_; }

    // The next line without its end; only when !atEnd().
    QStringView next();

private:
    QStringView text_;
    qsizetype pos_ = 0;
    qint64 lineNumber_ = 0;
};

}  // namespace noctalis
