// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The clock on a session bus of the test's own, as a script meets it: the
// times the face shows, a new place stored and applied or refused, Show, and
// a clock that runs on where it cannot have the bus.

#include "appparts.h"
#include "clockbus.h"
#include "clockwindow.h"
#include "logcapture.h"
#include "privatebus.h"
#include "secondticker.h"
#include "settingvalues.h"
#include "uidriver.h"
#include "variant.h"

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>

namespace {

using namespace noctalis;

const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

// The PropertiesChanged signals a client receives.
class ChangeSpy : public QObject {
    Q_OBJECT

public:
    QList<QVariantMap> changes;

public slots:
    void take(const QDBusMessage &signal)
    {
        if (signal.arguments().value(0).toString() == ClockBus::interfaceName())
            changes << qdbus_cast<QVariantMap>(signal.arguments().value(1));
    }
};

// "HH:MM:SS" as seconds of the day.
int secondsOf(const QString &text)
{
    return QTime::fromString(text, QStringLiteral("HH:mm:ss")).msecsSinceStartOfDay() / 1000;
}

// The members of one interface in an introspection text, one line each.
QStringList membersOf(const QString &xml, const QString &interface)
{
    QStringList members;
    QXmlStreamReader reader(xml);
    bool inside = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement() && reader.name() == u"interface")
            inside = false;
        if (!reader.isStartElement())
            continue;
        const QXmlStreamAttributes a = reader.attributes();
        if (reader.name() == u"interface")
            inside = a.value(QLatin1String("name")) == interface;
        else if (inside && reader.name() != u"annotation")
            members << QStringList{reader.name().toString(), a.value(QLatin1String("name")).toString(),
                                   a.value(QLatin1String("type")).toString(),
                                   a.value(QLatin1String("access")).toString(),
                                   a.value(QLatin1String("direction")).toString()}
                           .join(u' ');
    }
    return members;
}

class ClockBusTest : public ::testing::Test, protected AppParts {
protected:
    void SetUp() override
    {
        if (bus.address().isEmpty())
            GTEST_SKIP() << "no dbus-daemon for a bus of the test's own";
        clock.now = QDateTime(QDate(2024, 3, 20), QTime(5, 30, 17, 400), Qt::UTC);
    }

    // The clock started, ticked once and offered on the bus.
    void start()
    {
        form = std::make_unique<ClockWindow>(context());
        form->load();
        form->show();
        fire(form->timer());
        clockBus = std::make_unique<ClockBus>(*form, context());
        clockBus->publish(bus.connect(QStringLiteral("clock")));
        ASSERT_TRUE(QTest::qWaitFor([&] { return clockBus->ownsName(); }));
    }

    QDBusMessage call(const QString &interface, const QString &method, const QVariantList &arguments = {})
    {
        QDBusMessage message =
            QDBusMessage::createMethodCall(ClockBus::serviceName(), ClockBus::objectPath(), interface, method);
        message.setArguments(arguments);
        // The clock answers from this thread's event loop, which runs meanwhile.
        return client.call(message, QDBus::BlockWithGui);
    }

    QVariantMap properties()
    {
        return qdbus_cast<QVariantMap>(
            call(kProperties, QStringLiteral("GetAll"), {ClockBus::interfaceName()}).arguments().value(0));
    }

    QDBusMessage setLocation(double lngWestDeg, double latDeg)
    {
        return call(ClockBus::interfaceName(), QStringLiteral("SetLocation"), {lngWestDeg, latDeg});
    }

    PrivateBus bus;
    QDBusConnection client = bus.connect(QStringLiteral("client"));
    std::unique_ptr<ClockWindow> form;
    std::unique_ptr<ClockBus> clockBus;
};

TEST_F(ClockBusTest, TheTimesAreThoseOfTheFaceAndLastEvenWhenItsRowIsHidden)
{
    writeSetting(settings, QStringLiteral("LNG"), QStringLiteral("75:30:00"));
    writeSetting(settings, QStringLiteral("LAT"), QStringLiteral("-33:52:00"));
    for (const bool lastShown : {true, false}) {
        SCOPED_TRACE(lastShown ? "LAST shown" : "LAST hidden");
        writeSetting(settings, QStringLiteral("DisplayLAST"), booleanText(lastShown));
        start();
        const QVariantMap values = properties();
        EXPECT_EQ(values.value(QStringLiteral("LMST")).toString(), form->clockLabel()->text());
        EXPECT_EQ(values.value(QStringLiteral("UT")).toString(), form->utClockLabel()->text());
        EXPECT_EQ(values.value(QStringLiteral("Longitude")).toDouble(), double(prefs.LNG));
        EXPECT_EQ(values.value(QStringLiteral("Latitude")).toDouble(), double(prefs.LAT));
        // The face shows the LAST the clock told once its row is on, ticking
        // again at the same reading.
        prefs.DisplayLAST = true;
        for (const int seconds : {1, -1}) {
            clock.advance(seconds);
            fire(form->timer());
        }
        EXPECT_EQ(values.value(QStringLiteral("LAST")).toString(), form->lastClockLabel()->text());
        clockBus.reset();
    }
}

TEST_F(ClockBusTest, SetLocationStoresAndAppliesThePlaceAndAnnouncesIt)
{
    for (const bool west : {true, false}) {
        SCOPED_TRACE(west ? "shown west" : "shown east");
        writeSetting(settings, QStringLiteral("DisplayWest"), booleanText(west));
        writeSetting(settings, QStringLiteral("LNG"), QStringLiteral("0"));
        writeSetting(settings, QStringLiteral("LAT"), QStringLiteral("0"));
        start();
        ChangeSpy spy;
        ASSERT_TRUE(client.connect(ClockBus::serviceName(), ClockBus::objectPath(), kProperties,
                                   QStringLiteral("PropertiesChanged"), &spy, SLOT(take(QDBusMessage))));
        const int lmstBefore = secondsOf(form->clockLabel()->text());

        const QDBusMessage reply = setLocation(350.25, -33.5);
        ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        EXPECT_EQ(prefs.LNG, 350.25f);
        EXPECT_EQ(prefs.LAT, -33.5f);
        EXPECT_EQ(automation::toDouble(form->engine().get(QStringLiteral("LNG"))), 350.25);
        EXPECT_EQ(automation::toDouble(form->engine().get(QStringLiteral("LAT"))), -33.5);
        EXPECT_TRUE(form->clockLabel()->toolTip().contains(west ? QStringLiteral("350:15:00.0 W")
                                                                : QStringLiteral("9:45:00.0 E")));
        clock.advance(1);
        fire(form->timer());
        const int movedOn = (lmstBefore - secondsOf(form->clockLabel()->text()) + 86400) % 86400;
        EXPECT_NEAR(movedOn, 350.25 / 15 * 3600 - 1, 1) << "the LMST of the new meridian at the next tick";
        ASSERT_TRUE(QTest::qWaitFor([&] { return !spy.changes.isEmpty(); }));
        EXPECT_EQ(spy.changes.last().value(QStringLiteral("Longitude")).toDouble(), 350.25);
        EXPECT_EQ(spy.changes.last().value(QStringLiteral("Latitude")).toDouble(), -33.5);

        // Only what changed is announced, not the ticks, and the dialog's OK as well.
        setLocation(350.25, 10);
        clock.advance(1);
        fire(form->timer());
        prefs.LNG = 20;
        form->applyConfiguration();
        properties();  // every signal sent before it has arrived
        QCoreApplication::processEvents();
        ASSERT_EQ(spy.changes.size(), 3);
        EXPECT_EQ(spy.changes[1].keys(), QStringList{QStringLiteral("Latitude")});
        EXPECT_EQ(spy.changes[2].keys(), QStringList{QStringLiteral("Longitude")});

        // Start-up reads the stored place back.
        setLocation(350.25, -33.5);
        Preferences restarted;
        ClockWindow again(AppContext{restarted, alarms, settings, messages, clock, observer});
        again.load();
        EXPECT_EQ(restarted.LNG, 350.25f);
        EXPECT_EQ(restarted.LAT, -33.5f);
        EXPECT_EQ(restarted.DisplayWest, west);
        clockBus.reset();
    }
}

TEST_F(ClockBusTest, APlaceOutOfRangeIsRefusedAndChangesNothing)
{
    start();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double lngWestDeg, latDeg;
        const char *range;  // in the message; none when accepted
    } cases[] = {
        {-0.5, 0, "from 0 to 360"}, {360.5, 0, "from 0 to 360"}, {nan, 0, "from 0 to 360"}, {0, 90.5, "from -90 to 90"},
        {0, -91, "from -90 to 90"}, {0, nan, "from -90 to 90"},  {360, 90, nullptr},        {0, -90, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QStringLiteral("%1, %2").arg(c.lngWestDeg).arg(c.latDeg).toStdString());
        prefs.LNG = 123;
        prefs.LAT = 45;
        writeSetting(settings, QStringLiteral("LNG"), QStringLiteral("123"));
        const QDBusMessage reply = setLocation(c.lngWestDeg, c.latDeg);
        if (!c.range) {
            EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage);
            EXPECT_EQ(prefs.LNG, 0.0f) << "360 west is Greenwich";
            EXPECT_EQ(prefs.LAT, float(c.latDeg));
            continue;
        }
        EXPECT_EQ(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
        EXPECT_TRUE(reply.errorMessage().contains(QLatin1String(c.range))) << reply.errorMessage().toStdString();
        EXPECT_EQ(prefs.LNG, 123.0f);
        EXPECT_EQ(prefs.LAT, 45.0f);
        EXPECT_EQ(readTextSetting(settings, QStringLiteral("LNG"), QString()), QStringLiteral("123"));
    }
}

TEST_F(ClockBusTest, ShowBringsTheClockWindowBack)
{
    start();
    const struct {
        const char *what;
        std::function<void(ClockWindow &)> putAway;
    } cases[] = {
        {"closed", [](ClockWindow &w) { w.close(); }},
        {"minimised", [](ClockWindow &w) { w.setWindowState(Qt::WindowMinimized); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        c.putAway(*form);
        ASSERT_TRUE(!form->isVisible() || form->isMinimized());
        EXPECT_EQ(call(ClockBus::interfaceName(), QStringLiteral("Show")).type(), QDBusMessage::ReplyMessage);
        EXPECT_TRUE(form->isVisible());
        EXPECT_FALSE(form->isMinimized());
        EXPECT_TRUE(form->ticker()->isActive());
    }
}

TEST_F(ClockBusTest, WithoutTheBusOrItsNameTheClockRunsOnAndLogsOneLine)
{
    for (const bool nameTaken : {false, true}) {
        SCOPED_TRACE(nameTaken ? "name taken" : "no bus");
        form = std::make_unique<ClockWindow>(context());
        form->load();
        QDBusConnection other = bus.connect(QStringLiteral("other"));
        if (nameTaken) {
            ASSERT_TRUE(other.registerService(ClockBus::serviceName()));
        }
        LogCapture log;
        ClockBus clockBus(*form, context());
        bool settled = false;
        QObject::connect(&clockBus, &ClockBus::nameSettled, [&] { settled = true; });
        clockBus.publish(nameTaken ? bus.connect(QStringLiteral("clock"))
                                   : QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                                   QStringLiteral("nobus")));
        ASSERT_TRUE(QTest::qWaitFor([&] { return settled; }));
        EXPECT_FALSE(clockBus.ownsName());
        ASSERT_EQ(log.lines().size(), 1) << log.lines().join(u'\n').toStdString();
        EXPECT_TRUE(log.lines().first().contains(ClockBus::serviceName()));
        EXPECT_TRUE(form->ticker()->isActive());
        QDBusConnection::disconnectFromBus(QStringLiteral("nobus"));
        other.unregisterService(ClockBus::serviceName());
    }
}

TEST_F(ClockBusTest, TheInterfaceFileDescribesTheObject)
{
    start();
    QFile file(QStringLiteral(NOCTALIS_CLOCK_INTERFACE_XML));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString described = QString::fromUtf8(file.readAll());
    const QString live = call(QStringLiteral("org.freedesktop.DBus.Introspectable"), QStringLiteral("Introspect"))
                             .arguments()
                             .value(0)
                             .toString();
    const QStringList members = membersOf(described, ClockBus::interfaceName());
    EXPECT_EQ(members.size(), 9) << "five properties, two methods and their two arguments";
    EXPECT_EQ(membersOf(live, ClockBus::interfaceName()), members) << live.toStdString();
}

}  // namespace

#include "test_clockbus.moc"
