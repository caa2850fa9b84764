// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// ephemkit: runs member steps on one automation object created by ProgID.
//
//   ephemkit [--progid ID] [--iso] [--east] [--from T --to T --step S [--csv]] STEP...
//     Name=VALUE       set a property
//     Name             read a property, or call a method without arguments
//     Name(ARG,...)    call a method; an empty slot omits an optional argument
//     -                the steps of standard input
//   VALUE, ARG: a number, a UT instant (2000-01-01T12:00:00, with a
//   fraction of a second, Z or an offset, or now), a double-quoted text, or
//   empty.

#include "automationerror.h"
#include "automationobject.h"
#include "clock.h"
#include "instants.h"
#include "members.h"
#include "run.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

QString tr(const char *text) { return QCoreApplication::translate("ephemkit", text); }

// Refuses the command line before anything runs: exit status 2.
int refuse(QTextStream &err, const QString &why)
{
    err << "ephemkit: " << why << "\n";
    return 2;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ephemkit"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NOCTALIS_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(tr("Runs steps on one astronomy engine object, in order.\n"
                                        "  Name=VALUE     set a property\n"
                                        "  Name           read a property or call a method without arguments\n"
                                        "  Name(ARG,...)  call a method (an empty slot omits an optional argument)\n"
                                        "  -              read steps from standard input, one or more a line\n"
                                        "VALUE and ARG: a number, 2000-01-01T12:00:00 (UT), \"text\" or empty.\n"
                                        "A UT instant may carry a fraction (12:00:00.5), Z or an offset (+01:00,\n"
                                        "-0530); now is the system clock's UT.\n"
                                        "A value outside a property's range is ignored, with a warning.\n\n"
                                        "Members of Ephemlib.Ephemkit:\n")
                                     + driver::membersHelp());
    // Options come before the first step; everything after it is a step.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption progIdOption(QStringLiteral("progid"), tr("Create an object of class <ID>."),
                                          QStringLiteral("ID"), QString::fromLatin1(driver::kEngineProgId));
    const QCommandLineOption isoOption(QStringLiteral("iso"), tr("Print dates as ISO 8601 (UT)."));
    const QCommandLineOption eastOption(QStringLiteral("east"),
                                        tr("Take and print LNG in degrees east of Greenwich, -360 to 360 "
                                           "(printed -180 to 180)."));
    const QCommandLineOption fromOption(QStringLiteral("from"), tr("Run the steps once per instant from <T> (UT)."),
                                        QStringLiteral("T"));
    const QCommandLineOption toOption(QStringLiteral("to"), tr("... up to <T> (UT) ..."), QStringLiteral("T"));
    const QCommandLineOption stepOption(QStringLiteral("step"),
                                        tr("... every <SECONDS>, setting UTDate to the instant first; one row per "
                                           "instant: the instant and each value, tab-separated."),
                                        QStringLiteral("SECONDS"));
    const QCommandLineOption csvOption(QStringLiteral("csv"), tr("Print the rows as CSV with a header."));
    parser.addOptions({progIdOption, isoOption, eastOption, fromOption, toOption, stepOption, csvOption});
    parser.addPositionalArgument(QStringLiteral("steps"), tr("The steps to run."), QStringLiteral("STEP..."));
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const noctalis::SystemClock clock;

    driver::Options options;
    const QString progId = parser.value(progIdOption);
    options.iso = parser.isSet(isoOption);
    options.east = parser.isSet(eastOption);
    options.csv = parser.isSet(csvOption);
    options.engineMembers = progId.compare(QLatin1String(driver::kEngineProgId), Qt::CaseInsensitive) == 0;
    const int tableOptions =
        int(parser.isSet(fromOption)) + int(parser.isSet(toOption)) + int(parser.isSet(stepOption));
    if (tableOptions != 0 && tableOptions != 3)
        return refuse(err, tr("--from, --to and --step go together"));
    if (options.csv && tableOptions == 0)
        return refuse(err, tr("--csv needs --from, --to and --step"));
    if (tableOptions == 3) {
        auto range =
            driver::makeRange(parser.value(fromOption), parser.value(toOption), parser.value(stepOption), clock);
        if (const QString *why = std::get_if<QString>(&range))
            return refuse(err, *why);
        options.table = std::get<driver::InstantRange>(range);
    }

    QStringList steps;
    try {
        QTextStream in(stdin);
        steps = driver::expandStandardInput(parser.positionalArguments(), in);
    } catch (const automation::AutomationError &e) {
        err << "ephemkit: " << e.description() << "\n";
        return 1;
    }

    automation::Object object;
    try {
        object = automation::Object::createOrThrow(progId);
    } catch (const automation::AutomationError &e) {
        err << "ephemkit: error " << e.number() << ": " << e.description() << "\n";
        return 2;
    }
    return driver::Runner(object, options, clock, out, err).run(steps);
}
