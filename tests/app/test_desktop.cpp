// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The clock on the desktop: its tray icon, the program's icon, and its
// command line.

#include "appparts.h"
#include "clocktray.h"
#include "clockwindow.h"
#include "desktopintegration.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

TEST(ClockTray, ItsTooltipIsTheLmstOfEachTickAndItsMenuTheClocks)
{
    AppParts parts;
    parts.clock.now = QDateTime(QDate(2024, 3, 20), QTime(5, 30, 0), Qt::UTC);
    ClockWindow form(parts.context());
    form.load();
    form.timer()->stop();
    ClockTray tray(form, [] { return QIcon(); });
    EXPECT_EQ(tray.icon().contextMenu(), form.optionsMenu());
    EXPECT_EQ(tray.icon().toolTip(), QStringLiteral("LMST 00:00:00")) << "the clock's text before its first tick";

    // After the tick, as the tray's own step does, read what both show.
    QStringList seen;
    QObject::connect(form.timer(), &QTimer::timeout, &form, [&] {
        seen = {form.clockLabel()->text(), tray.icon().toolTip()};
        form.timer()->stop();
    });
    parts.clock.advance(3600);
    form.timer()->start(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !seen.isEmpty(); }));
    EXPECT_NE(seen[0], QStringLiteral("00:00:00"));
    EXPECT_EQ(seen[1], QStringLiteral("LMST ") + seen[0]) << "the tooltip of this tick, not the last";
}

// Made after the clock window's first paint, for it and every later window.
TEST(DesktopIntegration, GivesTheWindowsTheProgramsIconAfterTheFirstPaint)
{
    AppParts parts;
    parts.settings.write(QStringLiteral("Settings"), QStringLiteral("TrayIcon"), QStringLiteral("False"));
    parts.settings.write(QStringLiteral("Settings"), QStringLiteral("Notifications"), QStringLiteral("False"));
    ClockWindow form(parts.context());
    form.load();
    form.timer()->stop();
    QGuiApplication::setWindowIcon(QIcon());
    const DesktopIntegration desktop(form, parts.settings);
    EXPECT_TRUE(QGuiApplication::windowIcon().isNull()) << "not before the window is on screen";

    form.show();
    EXPECT_TRUE(QTest::qWaitFor([] { return !QGuiApplication::windowIcon().isNull(); }));
    EXPECT_FALSE(form.windowIcon().availableSizes().isEmpty());
    form.hide();
    QGuiApplication::setWindowIcon(QIcon());
}

TEST(CommandLine, VersionNeedsNoDisplay)
{
    QProcess noctalis;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));  // no window work may start
    noctalis.setProcessEnvironment(env);
    noctalis.start(QCoreApplication::applicationDirPath() + QStringLiteral("/noctalis"), {QStringLiteral("--version")});
    ASSERT_TRUE(noctalis.waitForFinished(30000));
    EXPECT_EQ(noctalis.exitCode(), 0) << noctalis.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(noctalis.readAllStandardOutput()), QStringLiteral("noctalis " NOCTALIS_VERSION "\n"));
}

}  // namespace
