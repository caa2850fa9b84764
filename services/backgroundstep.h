// Background steps that may fail: start-up, the tick, the alarm check, the
// time fields, the sender and program launch skip a failing step and go on
// with the next one. The user sees nothing; a developer sees one line per
// skipped step in the program's logging categories.
//
// The categories are off below warning by default; turn them on with, say,
// QT_LOGGING_RULES='noctalis.*=true'.
#pragma once

#include <QLoggingCategory>

#include <exception>
#include <utility>

Q_DECLARE_LOGGING_CATEGORY(lcClock)    // noctalis.clock: start-up, tick, clock window
Q_DECLARE_LOGGING_CATEGORY(lcAlarms)   // noctalis.alarms: alarm files, check, windows, sender, launch
Q_DECLARE_LOGGING_CATEGORY(lcEngine)   // noctalis.engine: creating and calling engine objects
Q_DECLARE_LOGGING_CATEGORY(lcSettings) // noctalis.settings: the settings store
Q_DECLARE_LOGGING_CATEGORY(lcObserver) // noctalis.observer: observer files, city list, dialogs
Q_DECLARE_LOGGING_CATEGORY(lcDesktop)  // noctalis.desktop: tray icon, desktop notifications

namespace noctalis {

// One of the categories above, as Q_DECLARE_LOGGING_CATEGORY declares it.
using LogCategory = const QLoggingCategory &(*)();

// Writes the one line of a skipped step: "<step> skipped: <error>". For a
// failure that is a result rather than an exception.
void logSkippedStep(LogCategory category, const char *step, const QString &error);
void logSkippedStep(LogCategory category, const char *step, const char *error);

// runStep: runs one background step, skipping it when it fails.
//
// Given:
//   category  where the line of a failure goes (lcClock, lcAlarms, ...)
//   step      what the step does, in a few words ("read LMST", "set UTDate")
//   body      the step; any exception derived from std::exception is a failure
// Returned (function value):
//   true when body returned normally; false when it threw, after one line
//   was logged at info level naming the step and the error text.
//
// Notes:
//  1. Only std::exception and its subclasses are caught; the engine's errors
//     (AutomationError) are among them.
template <typename Body>
bool runStep(LogCategory category, const char *step, Body &&body)
{
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const std::exception &e) {
        logSkippedStep(category, step, e.what());
        return false;
    }
}

} // namespace noctalis
