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

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString progId = QStringLiteral("Ephemlib.Ephemkit");
    bool iso = false;
    QTextStream out(stdout);
    QTextStream err(stderr);

    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--progid") && !args.isEmpty()) {
            progId = args.takeFirst();
        } else if (option == QLatin1String("--iso")) {
            iso = true;
        } else if (option == QLatin1String("--help")) {
            out << "usage: ephemkit [--progid ID] [--iso] STEP...\n"
                   "  Name=VALUE     set a property\n"
                   "  Name           read a property or call a method without arguments\n"
                   "  Name(ARG,...)  call a method (an empty slot omits an optional argument)\n"
                   "VALUE and ARG: a number, 2000-01-01T12:00:00 (UT), \"text\" or empty\n";
            return 0;
        } else {
            err << "ephemkit: unknown option " << option << "\n";
            return 1;
        }
    }

    automation::Object object = automation::Object::create(progId);
    if (object.isEmpty()) {
        err << "ephemkit: cannot create an object of " << progId << "\n";
        return 2;
    }

    for (const QString &text : std::as_const(args)) {
        try {
            const driver::Step step = driver::parseStep(text);
            QVariant result;
            switch (step.kind) {
            case driver::Step::Set:
                object.set(step.member, step.args.value(0));
                continue;
            case driver::Step::Get:
                result = object.get(step.member);
                break;
            case driver::Step::Call:
                result = object.call(step.member, step.args);
                break;
            }
            out << driver::formatValue(result, iso) << "\n";
            out.flush();
        } catch (const automation::AutomationError &e) {
            out.flush();
            err << "ephemkit: step '" << text << "': error " << e.number() << ": "
                << e.description() << "\n";
            return 1;
        }
    }
    return 0;
}
