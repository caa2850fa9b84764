// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// noctalis: the sidereal clock.

#include "alarmtable.h"
#include "applicationid.h"
#include "clock.h"
#include "clockbus.h"
#include "desktopintegration.h"
#include "fileroutines.h"
#include "firstpaint.h"
#include "handover.h"
#include "windowroles.h"
#include "clockwindow.h"
#include "observerexchange.h"
#include "preferences.h"
#include "settingsstore.h"
#include "siderealalarms.h"
#include "singleinstance.h"
#include "translations.h"
#include "widgetmessageservice.h"
#include "internet.h"

#include <QApplication>
#include <QTimer>
#include <QCommandLineParser>
#include <QLocale>

namespace {

// The command line: --help and --version besides Qt's own options, which
// QApplication takes out of the arguments.
void describeOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Sidereal clock and alarms for astronomical observers."));
    parser.addHelpOption();
    parser.addVersionOption();
}

// --help and --version print and end the program before the application
// object is made, so they need no display and touch nothing else. The help
// is in the user's language.
void answerInformationOptions(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser probe;
    describeOptions(probe);
    probe.parse(arguments);  // Qt's own options are unknown to it yet
    const bool version = probe.isSet(QStringLiteral("version"));
    if (!version && !probe.isSet(QStringLiteral("help")) && !probe.isSet(QStringLiteral("help-all")))
        return;
    QCoreApplication info(argc, argv);
    const noctalis::Translations translations(QLocale::system().uiLanguages());
    QCoreApplication::setApplicationName(QStringLiteral("noctalis"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NOCTALIS_VERSION));
    QCommandLineParser parser;  // described again, now in the user's language
    describeOptions(parser);
    if (version)
        parser.showVersion();
    parser.process(info);  // prints the help and ends
}

}  // namespace

int main(int argc, char *argv[])
{
#ifdef Q_OS_UNIX
    // A save past the file-size limit fails and is told, instead of ending the clock.
    noctalis::ignoreFileSizeSignal();
#endif
    answerInformationOptions(argc, argv);

    // Placing the window and keeping it on top need X11; under Wayland the
    // clock runs through XWayland when it can.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    QApplication app(argc, argv);
    const noctalis::Translations translations(QLocale::system().uiLanguages());
    QCommandLineParser commandLine;
    describeOptions(commandLine);
    commandLine.process(app);  // an unknown option ends the program with a message
    // The name desktops, window managers (WM_CLASS), the tray and screen
    // readers show; the settings folder keeps its own name (SettingsStore).
    QApplication::setApplicationName(QStringLiteral("Noctalis"));
    QApplication::setOrganizationName(QStringLiteral("Noctalis"));
    QApplication::setApplicationVersion(QStringLiteral(NOCTALIS_VERSION));
    QGuiApplication::setDesktopFileName(noctalis::applicationId());
    noctalis::installWindowRoles();

    // One clock per session: a second start shows the running clock, or says
    // that it does not answer, and ends.
    noctalis::WidgetMessageService messages;
    noctalis::SingleInstance instance(noctalis::SingleInstance::defaultFolder());
    if (!noctalis::startsTheClock(instance, messages))
        return 0;
    // What start-up has to say waits for the clock to be on screen.
    messages.holdUntilShown();

    noctalis::Preferences prefs;
    noctalis::AlarmTable alarms;
    noctalis::SettingsStore settings(noctalis::SettingsStore::defaultPath());
    settings.tellFailuresTo(&messages);
    noctalis::SystemClock clock;
    noctalis::ObserverExchange observer;

    noctalis::AppContext context{prefs, alarms, settings, messages, clock, observer};
    context.openUrl = noctalis::launchingOpener(messages);
    noctalis::ClockWindow clockWindow(context);
    noctalis::DesktopIntegration desktop(clockWindow, settings);
    noctalis::SiderealAlarms siderealAlarms(clockWindow, context, nullptr, {}, desktop.notifier());
    clockWindow.load();
    noctalis::exitAfterFirstPaintWhenAsked(clockWindow);
    clockWindow.show();
    QTimer::singleShot(0, &clockWindow, [&] { messages.showHeld(&clockWindow); });
    noctalis::connectHandover(instance, clockWindow);
    // Scripts read the times and set the place over the session bus; a
    // session without one goes on without it.
    noctalis::ClockBus bus(clockWindow, context);
    bus.publish();
    // Closing the clock ends the program, whatever else is still open.
    QObject::connect(&clockWindow, &noctalis::ClockWindow::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    return app.exec();
}
