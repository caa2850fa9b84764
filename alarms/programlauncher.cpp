#include "programlauncher.h"

#include <QProcess>
#include <QStringList>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace noctalis {

bool ProcessLauncher::start(const QString &commandLine, bool minimized)
{
    QStringList arguments = QProcess::splitCommand(commandLine);
    if (arguments.isEmpty())
        return false;
    QProcess process;
    process.setProgram(arguments.takeFirst());
    process.setArguments(arguments);
#ifdef Q_OS_WIN
    if (minimized) {
        process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *args) {
            args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
            args->startupInfo->wShowWindow = SW_SHOWMINNOACTIVE;
        });
    }
#else
    Q_UNUSED(minimized);
#endif
    return process.startDetached();
}

} // namespace noctalis
