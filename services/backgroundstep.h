// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Background steps that may fail: start-up, the tick, the alarm check, the
// time fields, the sender and program launch skip a failing step and go on
// with the next one. The user sees nothing; a developer sees one line per
// skipped step in the program's logging categories.
//
// The categories are off below warning by default; turn them on with, say,
// QT_LOGGING_RULES='noctalis.*=true'.
#pragma once

#include <QLoggingCategory>
#include <QString>

#include <exception>
#include <optional>
#include <utility>

Q_DECLARE_LOGGING_CATEGORY(lcClock)     // noctalis.clock: start-up, tick, clock window
Q_DECLARE_LOGGING_CATEGORY(lcAlarms)    // noctalis.alarms: alarm files, check, windows, sender, launch
Q_DECLARE_LOGGING_CATEGORY(lcEngine)    // noctalis.engine: creating and calling engine objects
Q_DECLARE_LOGGING_CATEGORY(lcSettings)  // noctalis.settings: the settings store
Q_DECLARE_LOGGING_CATEGORY(lcObserver)  // noctalis.observer: observer files, city list, dialogs
Q_DECLARE_LOGGING_CATEGORY(lcDesktop)   // noctalis.desktop: tray icon, desktop notifications

namespace noctalis {

// One of the categories above, as Q_DECLARE_LOGGING_CATEGORY declares it.
using LogCategory = const QLoggingCategory &(*)();

// Writes the one line of a skipped step: "<step> skipped: <error>". Called
// directly where a failure comes as a result rather than as an exception.
void logSkippedStep(LogCategory category, const char *step, const QString &error);
void logSkippedStep(LogCategory category, const char *step, const char *error);

// failureOf: runs body and catches its failure.
//
// Given:   body  the step; any exception derived from std::exception is a failure
// Returned (function value): the failure's text; nothing when body returned
//   normally.
// Notes:
//  1. Only std::exception and its subclasses are caught; the engine's errors
//     (AutomationError) are among them.
template <typename Body>
std::optional<QString> failureOf(Body &&body)
{
    try {
        std::forward<Body>(body)();
        return std::nullopt;
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    }
}

// runStep: runs one background step, skipping it when it fails.
//
// Given:
//   category  where the line of a failure goes (lcClock, lcAlarms, ...)
//   step      what the step does, in a few words ("read LMST", "set UTDate")
//   body      the step, as for failureOf
// Returned (function value):
//   true when body returned normally; false when it threw, after one line
//   was logged at info level naming the step and the error text.
template <typename Body>
bool runStep(LogCategory category, const char *step, Body &&body)
{
    const std::optional<QString> error = failureOf(std::forward<Body>(body));
    if (error)
        logSkippedStep(category, step, *error);
    return !error;
}

// RepeatedStep: runStep for a step that runs at every tick. A failure is
// logged when it begins, not again at every tick while it lasts: one line,
// and another only once the step has succeeded in between or fails with
// another error.
class RepeatedStep {
public:
    RepeatedStep(LogCategory category, const char *step) : m_category(category), m_step(step) {}

    template <typename Body>
    bool run(Body &&body)
    {
        std::optional<QString> error = failureOf(std::forward<Body>(body));
        if (error && error != m_lastError)
            logSkippedStep(m_category, m_step, *error);
        m_lastError = std::move(error);
        return !m_lastError;
    }

private:
    LogCategory m_category;
    const char *m_step;
    std::optional<QString> m_lastError;  // of the last run; nothing after a success
};

}  // namespace noctalis
