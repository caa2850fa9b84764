// Starting the program of a "Launch Program" alarm.
#pragma once

#include <QString>

namespace noctalis {

class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // Starts commandLine as a new process that is not watched; false when it
    // could not be started.
    virtual bool start(const QString &commandLine, bool minimized) = 0;
};

// QProcess::startDetached with the command line split like a shell
// (QProcess::splitCommand: blanks separate, double quotes group). The
// minimised, unfocused start is passed to the system where it has one
// (Windows); elsewhere the program starts as it would from a shell.
class ProcessLauncher : public ProgramLauncher {
public:
    bool start(const QString &commandLine, bool minimized) override;
};

} // namespace noctalis
