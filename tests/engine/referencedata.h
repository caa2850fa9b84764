// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Reading the committed reference tables of tests/data (CSV with # comments)
// and summarising errors against them.
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace testdata {

// Rows of a reference CSV: the header line is skipped, fields split at commas.
inline std::vector<QStringList> readCsv(const char *name)
{
    std::vector<QStringList> rows;
    QFile file(QStringLiteral(NOCTALIS_TEST_DATA_DIR "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        ADD_FAILURE() << "cannot open reference data " << name;
        return rows;
    }
    QTextStream in(&file);
    bool header = true;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (header) {
            header = false;
            continue;
        }
        rows.push_back(line.split(QLatin1Char(',')));
    }
    return rows;
}

// Angle between two directions given as RA (hours) and Dec (degrees), degrees.
inline double separationDeg(double ra1Hours, double dec1Deg, double ra2Hours, double dec2Deg)
{
    const double d2r = M_PI / 180;
    const double a1 = ra1Hours * 15 * d2r, a2 = ra2Hours * 15 * d2r;
    const double d1 = dec1Deg * d2r, d2 = dec2Deg * d2r;
    const double x = std::cos(d1) * std::cos(a1) - std::cos(d2) * std::cos(a2);
    const double y = std::cos(d1) * std::sin(a1) - std::cos(d2) * std::sin(a2);
    const double z = std::sin(d1) - std::sin(d2);
    const double chord = std::sqrt(x * x + y * y + z * z);
    return 2 * std::asin(std::min(1.0, chord / 2)) / d2r;
}

// Running RMS and maximum of a set of errors.
class ErrorStats {
public:
    void add(double error)
    {
        m_sumSquares += error * error;
        m_max = std::max(m_max, std::fabs(error));
        ++m_count;
    }
    int count() const { return m_count; }
    double rms() const { return m_count ? std::sqrt(m_sumSquares / m_count) : 0.0; }
    double max() const { return m_max; }

private:
    double m_sumSquares = 0;
    double m_max = 0;
    int m_count = 0;
};

// One line for the test log: "label: n rows, RMS x unit, max y unit".
inline void report(const std::string &label, const ErrorStats &s, double scale, const char *unit)
{
    std::printf("[ reference ] %s: %d rows, RMS %.3f %s, max %.3f %s\n", label.c_str(), s.count(), s.rms() * scale,
                unit, s.max() * scale, unit);
}

}  // namespace testdata
