// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// ephemkit in scripts: ignored values reported, the forms of a UT instant,
// tables of instants and steps read from standard input.

#include "automationobject.h"
#include "clock.h"
#include "instants.h"
#include "members.h"
#include "run.h"

#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct ScriptRun {
    int exitCode;
    QString out;
    QString err;
};

ScriptRun ephemkit(const QStringList &args, const QByteArray &input = {})
{
    QProcess p;
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/ephemkit"), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QDateTime utc(const char *iso) { return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODateWithMs); }

// Every ranged property of the member table against the engine itself: a
// value just outside the range is reported and leaves the property as it
// was, both ends are taken without a word.
TEST(DriverMembers, RangesAreTheEnginesOwn)
{
    automation::Object engine = automation::Object::createOrThrow(QString::fromLatin1(driver::kEngineProgId));
    const noctalis::ManualClock clock;
    int ranged = 0;
    for (const driver::Member &m : driver::engineMembers()) {
        if (!m.low)
            continue;
        ++ranged;
        const QString name = QString::fromLatin1(m.name);
        const double outside = *m.high + (m.integerPart ? 1 : 0.5);
        const QStringList steps{QStringLiteral("%1=%2").arg(name).arg(*m.low), name,
                                QStringLiteral("%1=%2").arg(name).arg(outside), name,
                                QStringLiteral("%1=%2").arg(name).arg(*m.high)};
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        ASSERT_EQ(driver::Runner(engine, {}, clock, outStream, errStream).run(steps), 0) << name.toStdString();
        outStream.flush();
        errStream.flush();
        const QStringList lines = out.split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 3) << name.toStdString() << ": " << out.toStdString();
        EXPECT_EQ(lines[0].toDouble(), *m.low) << name.toStdString();
        EXPECT_EQ(lines[1], lines[0]) << name.toStdString() << " took " << outside;
        EXPECT_EQ(err, QStringLiteral("ephemkit: %1=%2 ignored: %1 is %3, %4 to %5\n")
                           .arg(name)
                           .arg(outside)
                           .arg(QString::fromLatin1(m.unit))
                           .arg(*m.low)
                           .arg(*m.high));
    }
    EXPECT_EQ(ranged, 7);  // LNG, lat, RA, Dec, Alt, Az, PlanetNum
}

TEST(Driver, ReportsIgnoredValuesOnStandardError)
{
    const struct {
        QStringList args;
        const char *out;
        const char *err;
    } cases[] = {
        {{"LNG=75", "LNG=-10", "LNG"},
         "75\n",
         "ephemkit: LNG=-10 ignored: LNG is degrees west of Greenwich, 0 to 360\n"},
        {{"lat=\"north\"", "lat"}, "\n", "ephemkit: lat=\"north\" ignored: lat is degrees north, -90 to 90\n"},
        {{"PlanetNum=11.9", "planetnum=-2", "PlanetNum"},
         "11\n",
         "ephemkit: planetnum=-2 ignored: PlanetNum is a body number, -1 to 11\n"},
        {{"RiseDate=5", "RiseDate"},
         "\n",
         "ephemkit: RiseDate=5 ignored: RiseDate is computed by the engine and not set\n"},
        {{"Az=360", "Az", "PlanetName=\"Ceres\"", "PlanetNum", "LMST=99"}, "0\n-1\n", ""},
        {{"--east", "LNG=10", "LNG", "LNG=-400", "LNG", "LNG=-360", "LNG", "LNG=-180", "LNG"},
         "10\n10\n0\n180\n",
         "ephemkit: LNG=-400 ignored: LNG is degrees east of Greenwich, -360 to 360\n"},
        {{"--east", "LNG=-75", "UTDate=2000-01-01T12:00:00", "LMST"}, "13.6973745421238\n", ""},
    };
    for (const auto &c : cases) {
        const ScriptRun r = ephemkit(c.args);
        EXPECT_EQ(r.exitCode, 0) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.out, QString::fromLatin1(c.out)) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.err, QString::fromLatin1(c.err)) << c.args.join(' ').toStdString();
    }
}

TEST(DriverInstants, ReadsIso8601WithZoneAndFractionAndNow)
{
    noctalis::ManualClock clock;
    clock.now = utc("2031-05-06T07:08:09.123Z");
    const struct {
        const char *text;
        const char *ut;  // nullptr: refused
    } cases[] = {
        {"2000-01-01T12:00:00", "2000-01-01T12:00:00.000Z"},
        {"2000-01-01T12:00:00Z", "2000-01-01T12:00:00.000Z"},
        {"2000-01-01t12:00z", "2000-01-01T12:00:00.000Z"},
        {"2000-01-01T12:00:00.5", "2000-01-01T12:00:00.500Z"},
        {"2000-01-01T12:00:00,25Z", "2000-01-01T12:00:00.250Z"},
        {"1999-12-31T23:59:59.9996", "2000-01-01T00:00:00.000Z"},
        {"2000-01-01T12:00:00+01:00", "2000-01-01T11:00:00.000Z"},
        {"2000-01-01T00:10-0530", "2000-01-01T05:40:00.000Z"},
        {"2000-01-01 00:30+01", "1999-12-31T23:30:00.000Z"},
        {"2000-03-01T00:00:00.75+00:00", "2000-03-01T00:00:00.750Z"},
        {"NOW", "2031-05-06T07:08:09.123Z"},
        {"2000-01-01T12:00:00+24:00", nullptr},
        {"2000-01-01T12:00:00+01:60", nullptr},
        {"2000-01-01Z", nullptr},
        {"2000-02-30T00:00", nullptr},
        {"2000-01-01T12:00:00.", nullptr},
        {"2000-01-01T24:00", nullptr},
        {"0099-12-31T12:00", nullptr},
        {"tomorrow", nullptr},
    };
    for (const auto &c : cases) {
        const auto instant = driver::parseInstant(QString::fromLatin1(c.text), clock);
        if (!c.ut) {
            EXPECT_FALSE(instant) << c.text;
            continue;
        }
        ASSERT_TRUE(instant) << c.text;
        EXPECT_EQ(instant->toString(Qt::ISODateWithMs), QString::fromLatin1(c.ut)) << c.text;
        // A step's value is the same instant.
        const QVariant value = driver::parseValue(QString::fromLatin1(c.text), clock);
        EXPECT_EQ(value.toDateTime(), *instant) << c.text;
    }
}

TEST(DriverInstants, RangesAndTheirRefusals)
{
    noctalis::ManualClock clock;
    clock.now = utc("2031-05-06T07:08:09.123Z");
    const struct {
        const char *from, *to, *step;
        qint64 rows;      // 0: refused
        const char *why;  // a part of the refusal
    } cases[] = {
        {"2000-01-01T00:00Z", "2000-01-01T01:00Z", "600", 7, ""},
        {"2000-01-01T00:00Z", "2000-01-01T01:00Z", "700", 6, ""},
        {"2000-01-01T01:00+01:00", "2000-01-01T00:00:01", "0.5", 3, ""},
        {"now", "now", "1", 1, ""},
        {"2000-01-01", "2000-01-12T13:46:39", "1", driver::kMaxRows, ""},
        {"2000-01-01", "2000-01-12T13:46:40", "1", 0, "1000001 rows"},
        {"2000-01-01", "9999-12-31", "1e300", 1, ""},
        {"2000-01-02", "2000-01-01", "60", 0, "before --from"},
        {"2000-01-01", "2000-01-02", "0", 0, "--step 0: not a positive number"},
        {"2000-01-01", "2000-01-02", "0.0004", 0, "--step 0.0004"},
        {"2000-01-01", "2000-01-02", "-60", 0, "--step -60"},
        {"2000-01-01", "2000-01-02", "1min", 0, "--step 1min"},
        {"yesterday", "2000-01-02", "60", 0, "--from yesterday: not a UT instant"},
        {"2000-01-01", "9999-12-31T23:30-01:00", "60", 0, "--to 9999-12-31T23:30-01:00: outside the years"},
    };
    for (const auto &c : cases) {
        const auto range = driver::makeRange(QString::fromLatin1(c.from), QString::fromLatin1(c.to),
                                             QString::fromLatin1(c.step), clock);
        const std::string what = std::string(c.from) + " " + c.to + " " + c.step;
        if (c.rows == 0) {
            ASSERT_TRUE(std::holds_alternative<QString>(range)) << what;
            EXPECT_TRUE(std::get<QString>(range).contains(QString::fromLatin1(c.why)))
                << what << ": " << std::get<QString>(range).toStdString();
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<driver::InstantRange>(range)) << what;
        const auto &r = std::get<driver::InstantRange>(range);
        EXPECT_EQ(r.count, c.rows) << what;
        EXPECT_EQ(r.at(0), *driver::parseInstant(QString::fromLatin1(c.from), clock)) << what;
        EXPECT_LE(r.at(r.count - 1), *driver::parseInstant(QString::fromLatin1(c.to), clock)) << what;
    }
}

// Each row holds what a run of the same steps at that instant prints; the
// longitude set among the steps already counts in the first row.
TEST(Driver, TablesOfInstants)
{
    const QStringList steps{QStringLiteral("LNG=75"), QStringLiteral("LMST"),
                            QStringLiteral("NextTransit(2000-01-01T00:00:00,,)"), QStringLiteral("lat=95")};
    ScriptRun r = ephemkit(QStringList{"--csv", "--iso", "--from", "2000-01-01T11:00:00Z", "--to",
                                       "2000-01-01T12:00:00", "--step", "1799.5"}
                           + steps);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, QStringLiteral("ephemkit: lat=95 ignored: lat is degrees north, -90 to 90\n"))
        << "once, not once per row";
    QStringList lines = r.out.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 5) << r.out.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("UTDate,LMST,\"NextTransit(2000-01-01T00:00:00,,)\""));
    const QStringList instants{"2000-01-01T11:00:00", "2000-01-01T11:29:59.500", "2000-01-01T11:59:59"};
    for (int row = 0; row < 3; ++row) {
        const ScriptRun single = ephemkit({"--iso", "LNG=75", "UTDate=" + instants[row], steps[1], steps[2]});
        ASSERT_EQ(single.exitCode, 0);
        EXPECT_EQ(lines[row + 1], instants[row] + "," + single.out.trimmed().replace('\n', ','));
    }
    EXPECT_EQ(lines[4], QString());

    r = ephemkit({"--from", "2000-01-01T13:00+01:00", "--to", "2000-01-01T12:00:00.5", "--step", "0.5", "LNG=75",
                  "LMST", "PlanetName"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QStringLiteral("2000-01-01T12:00:00\t13.6973745421238\t\n"
                                    "2000-01-01T12:00:00.500\t13.6973745421238\t\n"));

    const struct {
        QStringList args;
        const char *err;
    } refused[] = {
        {{"--from", "2000-01-02", "--to", "2000-01-01", "--step", "60", "LMST"}, "before --from"},
        {{"--from", "2000-01-01", "--step", "60", "LMST"}, "--from, --to and --step go together"},
        {{"--csv", "LMST"}, "--csv needs --from, --to and --step"},
        {{"--from", "2000-01-01", "--to", "2001-01-01", "--step", "1", "LMST"}, "more than 1000000"},
    };
    for (const auto &c : refused) {
        r = ephemkit(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.err;
        EXPECT_TRUE(r.out.isEmpty()) << c.err;
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("ephemkit: ")) && r.err.contains(QString::fromLatin1(c.err)))
            << r.err.toStdString();
    }
}

TEST(Driver, ReadsStepsFromStandardInput)
{
    ScriptRun r = ephemkit({"LNG=10", "-", "LNG"}, "LNG=75   # the observer\n"
                                                   "\n"
                                                   "  PlanetName=\" moon \"\tPlanetName # \"quoted\"\n"
                                                   "# UTDate=1e308\n"
                                                   "UTDate=2000-01-01T13:00:00+01:00 LMST\n");
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("MOON\n13.6973745421238\n75\n"));

    r = ephemkit({"--from", "2000-01-01T12:00Z", "--to", "2000-01-01T12:00Z", "--step", "1", "-"}, "LNG=75 LMST\n");
    EXPECT_EQ(r.out, QStringLiteral("2000-01-01T12:00:00\t13.6973745421238\n"));

    r = ephemkit({"LMST", "-"}, "LNG=75\nPlanetName=\"moon\nLMST\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty()) << "steps are read before any runs";
    EXPECT_EQ(r.err, QStringLiteral("ephemkit: standard input line 2: unterminated text in PlanetName=\"moon\n"));
}

}  // namespace
