// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The ephemkit driver, run as a separate program, and its step parser.

#include "automationerror.h"
#include "steps.h"
#include "variant.h"

#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct DriverRun {
    int exitCode;
    QString out;
    QString err;
};

DriverRun ephemkit(const QStringList &args)
{
    QProcess p;
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/ephemkit"), args);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

TEST(Driver, SetsReadsAndCallsInOrder)
{
    const DriverRun r = ephemkit({"LNG=75", "UTDate=2000-01-01T12:00:00", "LMST", "lng", "PlanetName=\" moon \"",
                                  "planetname", "PlanetNum", "lat", "GetTZBias()", "UTDate"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 8) << r.out.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("13.6973745421238"));
    EXPECT_EQ(lines[1], QStringLiteral("75"));
    EXPECT_EQ(lines[2], QStringLiteral("MOON"));
    EXPECT_EQ(lines[3], QStringLiteral("11"));
    EXPECT_EQ(lines[4], QString()) << "Empty prints an empty line";
    bool ok = false;
    lines[5].toDouble(&ok);
    EXPECT_TRUE(ok) << lines[5].toStdString();
    EXPECT_EQ(lines[6], QStringLiteral("36526.5"));
}

// Meeus, Astronomical Algorithms 2nd ed., example 12.a: 1987 April 10, 0h
// UT, Greenwich: mean sidereal time 13h10m46.3668s, equation of the
// equinoxes -0.2317 s, apparent sidereal time 13h10m46.1351s. The engine's
// LMST takes whole seconds of UT, so at 0h it is the mean time itself.
TEST(Driver, ReadsTheApparentSiderealTime)
{
    const DriverRun r = ephemkit({"LNG=0", "UTDate=1987-04-10T00:00:00", "LAST", "LMST"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 2);
    const double last = lines[0].toDouble();
    const double lmst = lines[1].toDouble();
    const auto hours = [](int h, int m, double s) { return h + m / 60.0 + s / 3600; };
    EXPECT_NEAR((last - lmst) * 3600, -0.2317, 0.01);
    EXPECT_NEAR(last, hours(13, 10, 46.1351), 0.01 / 3600);
    EXPECT_NEAR(lmst, hours(13, 10, 46.3668), 0.01 / 3600);
}

TEST(Driver, IsoDatesOnRequest)
{
    const DriverRun r = ephemkit({"--iso", "UTDate=1899-12-29T06:00:00", "UTDate"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QStringLiteral("1899-12-29T06:00:00\n"));
}

TEST(Driver, StopsAtTheFirstFailingStep)
{
    DriverRun r = ephemkit({"LNG=10", "Declination", "LNG"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(QStringLiteral("Declination"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("438")));

    r = ephemkit({"UTDate=\"soon\"", "LMST"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("13: Type mismatch"))) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());

    r = ephemkit({"LMST", "LNG=abc", "LMST"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QStringLiteral("0\n"));
    EXPECT_TRUE(r.err.contains(QStringLiteral("LNG=abc")));

    r = ephemkit({"GetTimeZone(1)"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("450")));
}

// A member asked for a planet outside the years its theory holds stops the
// run with the engine's error and its text, exit status 1.
TEST(Driver, RefusesAPlaceOutsideTheYearsOfTheTheory)
{
    const DriverRun r = ephemkit({"PlanetNum=7", "lat=51.48", "AlmanacPlace(1850-06-21T00:00:00)", "AlmanacRA"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("error 5: Pluto's series holds from 1885 to 2099")))
        << r.err.toStdString();
}

TEST(Driver, UnknownProgIdIsNamed)
{
    const DriverRun r = ephemkit({"--progid", "No.Such", "LMST"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("No.Such")));
}

TEST(Driver, PrintsItsVersionAndRefusesUnknownOptions)
{
    DriverRun r = ephemkit({"--version"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QStringLiteral("ephemkit " NOCTALIS_VERSION "\n"));

    r = ephemkit({"--isodate", "LMST"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(QStringLiteral("isodate"))) << r.err.toStdString();
}

TEST(DriverSteps, ValuesAndArguments)
{
    using driver::parseStep;
    using driver::parseValue;
    const noctalis::ManualClock clock;
    EXPECT_EQ(parseValue(QStringLiteral("-1.5e-3"), clock), QVariant(-1.5e-3));
    EXPECT_EQ(parseValue(QStringLiteral("\"a,b\""), clock), QVariant(QStringLiteral("a,b")));
    EXPECT_TRUE(automation::isEmpty(parseValue(QStringLiteral("empty"), clock)));
    EXPECT_TRUE(automation::isDate(parseValue(QStringLiteral("2000-01-01T12:00:00"), clock)));
    EXPECT_THROW(parseValue(QStringLiteral("12abc"), clock), automation::AutomationError);

    const driver::Step call = parseStep(QStringLiteral("NextTransit(2024-01-01T00:00:00,,\"x=1, y\")"), clock);
    EXPECT_EQ(call.kind, driver::Step::Call);
    EXPECT_EQ(call.member, QStringLiteral("NextTransit"));
    ASSERT_EQ(call.args.size(), 3);
    EXPECT_TRUE(automation::isMissing(call.args[1]));
    EXPECT_EQ(call.args[2], QVariant(QStringLiteral("x=1, y")));
    EXPECT_EQ(parseStep(QStringLiteral("GetTimeZone()"), clock).args.size(), 0);
    EXPECT_EQ(parseStep(QStringLiteral("lat=-33.5"), clock).kind, driver::Step::Set);
    EXPECT_THROW(parseStep(QStringLiteral("1abc"), clock), automation::AutomationError);
    EXPECT_THROW(parseStep(QStringLiteral("f(1"), clock), automation::AutomationError);
}

}  // namespace
