// A skipped background step leaves one line in its logging category.

#include "backgroundstep.h"
#include "qtprinters.h"

#include <QLoggingCategory>
#include <QStringList>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace noctalis;

QStringList g_lines;

void record(QtMsgType, const QMessageLogContext &context, const QString &text)
{
    g_lines << QString::fromLatin1(context.category) + QStringLiteral(": ") + text;
}

TEST(RunStep, SkipsAFailureWithOneLineThatIsHiddenByDefault)
{
    g_lines.clear();
    const QtMessageHandler previous = qInstallMessageHandler(record);

    EXPECT_FALSE(runStep(lcAlarms, "read the LMST", [] { throw std::runtime_error("Type mismatch"); }));
    EXPECT_TRUE(g_lines.isEmpty()) << "off below warning unless the rules turn it on";

    QLoggingCategory::setFilterRules(QStringLiteral("noctalis.*=true"));
    int ran = 0;
    EXPECT_TRUE(runStep(lcAlarms, "count", [&] { ++ran; }));
    EXPECT_FALSE(runStep(lcAlarms, "read the LMST", [] { throw std::runtime_error("Type mismatch"); }));
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous);

    EXPECT_EQ(ran, 1);
    EXPECT_EQ(g_lines, QStringList{QStringLiteral("noctalis.alarms: read the LMST skipped: Type mismatch")});
}

} // namespace
