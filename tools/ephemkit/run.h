// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Running the driver's steps on one automation object: once, or once per
// instant of a table.
#pragma once

#include "automationobject.h"
#include "clock.h"
#include "instants.h"
#include "steps.h"

#include <QStringList>
#include <QTextStream>

#include <optional>
#include <set>

namespace driver {

struct Options {
    bool iso = false;                   // dates read print as ISO 8601
    bool east = false;                  // LNG typed and printed east-positive
    bool engineMembers = true;          // the object is the engine: report values its setters ignore
    std::optional<InstantRange> table;  // run once per instant
    bool csv = false;                   // the table as CSV with a header
};

// expandStandardInput: the steps with each "-" replaced by the steps read
// from in, one or more a line (splitStepLine, which skips comments). Throws
// automation::AutomationError 5 naming the line for an unterminated text.
QStringList expandStandardInput(const QStringList &steps, QTextStream &in);

class Runner {
public:
    Runner(automation::Object &object, const Options &options, const noctalis::Clock &clock, QTextStream &out,
           QTextStream &err);

    // Runs the steps; returns the exit status: 0 when every step ran (values
    // a setter ignored are reported on err), 1 when a step failed (reported
    // on err; the lines before it are printed).
    //
    // Without a table each step runs in turn and every step that gives a
    // value prints it on a line of its own. With a table, the steps are read
    // first; the properties set before the first step that gives a value are
    // set once before the first instant (so that UTDate, set first at every
    // instant, computes LMST with them), then at every instant UTDate is set
    // to it and the steps run; one row per instant holds the instant and
    // each value given, in step order, separated by tabs, or as CSV after a
    // header of "UTDate" and the steps' texts.
    int run(const QStringList &steps);

private:
    // Runs one step; the value it gives, or nothing for a setting.
    std::optional<QString> runStep(const Step &step, const QString &text, int index);
    void set(const Step &step, const QString &text, int index);
    int fail(const QString &text, const QString &where, int number, const QString &description);
    int runOnce(const QStringList &steps);
    int runTable(const QStringList &steps);
    void printRow(const QStringList &cells);

    automation::Object &m_object;
    Options m_options;
    const noctalis::Clock &m_clock;
    QTextStream &m_out;
    QTextStream &m_err;
    std::set<int> m_warned;  // steps whose ignored value was reported
};

}  // namespace driver
