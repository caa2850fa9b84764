// noctalis: the sidereal clock.

#include "alarmtable.h"
#include "clock.h"
#include "formclk.h"
#include "observerexchange.h"
#include "preferences.h"
#include "settingsstore.h"
#include "siderealalarms.h"
#include "singleinstance.h"
#include "widgetmessageservice.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Placing the window and keeping it on top need X11; under Wayland the
    // clock runs through XWayland when it can.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("noctalis1"));
    QApplication::setOrganizationName(QStringLiteral("noctalis1"));
    QApplication::setApplicationVersion(QStringLiteral(NOCTALIS_VERSION));

    // One clock per session: a second start shows the running clock and ends.
    noctalis::SingleInstance instance(noctalis::SingleInstance::defaultFolder());
    if (instance.claim() == noctalis::SingleInstance::Role::HandedOver)
        return 0;

    noctalis::Preferences prefs;
    noctalis::AlarmTable alarms;
    noctalis::SettingsStore settings(noctalis::SettingsStore::defaultPath());
    noctalis::WidgetMessageService messages;
    noctalis::SystemClock clock;
    noctalis::ObserverExchange observer;

    const noctalis::AppContext context{prefs, alarms, settings, messages, clock, observer};
    noctalis::Formclk clockWindow(context);
    noctalis::SiderealAlarms siderealAlarms(clockWindow, context);
    clockWindow.Form_Load();
    clockWindow.show();
    QObject::connect(&instance, &noctalis::SingleInstance::activationRequested, &clockWindow,
                     &noctalis::Formclk::bringToFront);
    return app.exec();
}
