// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// ephemkit: runs member steps on one automation object created by ProgID.
//
//   ephemkit [--progid ID] [--iso] STEP...
//     Name=VALUE       set a property
//     Name             read a property, or call a method without arguments
//     Name(ARG,...)    call a method; an empty slot omits an optional argument
//   VALUE, ARG: a number, an ISO date-time 2000-01-01T12:00:00 (UT), a
//   double-quoted text, or empty.

#include "automationerror.h"
#include "automationobject.h"
#include "steps.h"
#include "variant.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ephemkit"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NOCTALIS_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "ephemkit", "Runs steps on one astronomy engine object, in order.\n"
                    "  Name=VALUE     set a property\n"
                    "  Name           read a property or call a method without arguments\n"
                    "  Name(ARG,...)  call a method (an empty slot omits an optional argument)\n"
                    "VALUE and ARG: a number, 2000-01-01T12:00:00 (UT), \"text\" or empty."));
    // Options come before the first step; everything after it is a step.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption progIdOption(QStringLiteral("progid"),
                                          QCoreApplication::translate("ephemkit", "Create an object of class <ID>."),
                                          QStringLiteral("ID"), QStringLiteral("Ephemlib.Ephemkit"));
    const QCommandLineOption isoOption(QStringLiteral("iso"),
                                       QCoreApplication::translate("ephemkit", "Print dates as ISO 8601 (UT)."));
    parser.addOption(progIdOption);
    parser.addOption(isoOption);
    parser.addPositionalArgument(QStringLiteral("steps"), QCoreApplication::translate("ephemkit", "The steps to run."),
                                 QStringLiteral("STEP..."));
    parser.process(app);

    const QString progId = parser.value(progIdOption);
    const bool iso = parser.isSet(isoOption);
    QTextStream out(stdout);
    QTextStream err(stderr);

    automation::Object object;
    try {
        object = automation::Object::createOrThrow(progId);
    } catch (const automation::AutomationError &e) {
        err << "ephemkit: error " << e.number() << ": " << e.description() << "\n";
        return 2;
    }

    const QStringList steps = parser.positionalArguments();
    for (const QString &text : steps) {
        try {
            const driver::Step step = driver::parseStep(text);
            QVariant result;
            switch (step.kind) {
            case driver::Step::Set: object.set(step.member, step.args.value(0)); continue;
            case driver::Step::Get: result = object.get(step.member); break;
            case driver::Step::Call: result = object.call(step.member, step.args); break;
            }
            out << driver::formatValue(result, iso) << "\n";
            out.flush();
        } catch (const automation::AutomationError &e) {
            out.flush();
            err << "ephemkit: step '" << text << "': error " << e.number() << ": " << e.description() << "\n";
            return 1;
        }
    }
    return 0;
}
