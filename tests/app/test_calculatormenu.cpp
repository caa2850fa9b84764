// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The clock window's "Ca&lculator" entry: the calculator opens beside the
// clock and returns at once, the same window comes back after a close, and it
// stays open, keeping the program running, when the clock window closes.

#include "appparts.h"
#include "clockwindow.h"
#include "siderealcalculator.h"
#include "tonightwindow.h"
#include "windowroles.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <utility>

namespace {

using namespace noctalis;

class CalculatorMenuTest : public ::testing::Test, protected AppParts {
protected:
    CalculatorMenuTest() : form(context(QStringLiteral("No.Such.Engine"))) {}

    QAction *entry(const char *name) { return form.optionsMenu()->findChild<QAction *>(QLatin1String(name)); }

    ClockWindow form;
};

TEST_F(CalculatorMenuTest, OneModelessCalculatorLoadedAgainAfterAClose)
{
    form.load();
    ASSERT_EQ(entry("mnuCalculator")->text(), QStringLiteral("Ca&lculator"));
    entry("mnuCalculator")->trigger();  // returns at once
    SiderealCalculator *calculator = &form.calculator();
    EXPECT_TRUE(calculator->isVisible());
    EXPECT_TRUE(calculator->isWindow());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    auto *year = calculator->findChild<QLineEdit *>(QStringLiteral("txtYear"));
    year->setText(QStringLiteral("1999"));
    entry("mnuCalculator")->trigger();
    EXPECT_EQ(year->text(), QStringLiteral("1999")) << "an open calculator is only raised";
    calculator->close();
    entry("mnuCalculator")->trigger();
    EXPECT_EQ(&form.calculator(), calculator);
    EXPECT_TRUE(calculator->isVisible());
    EXPECT_EQ(year->text(), QStringLiteral("2024")) << "loaded again";
}

// By keyboard alone: Escape closes the calculator and Tonight as it closes a
// dialog, and the platform's Quit keys (Ctrl+Q) close the clock.
TEST_F(CalculatorMenuTest, EscapeClosesTheToolWindowsAndQuitKeysTheClock)
{
    form.load();
    form.show();
    const std::pair<const char *, QWidget *> windows[] = {{"mnuCalculator", &form.calculator()},
                                                          {"mnuTonight", &form.tonight()}};
    for (const auto &[name, window] : windows) {
        entry(name)->trigger();
        ASSERT_TRUE(window->isVisible()) << name;
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << name;
        QTest::keyClick(window, Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << name;
        // Every button has an access key of its own, Close among them.
        QStringList keys;
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            const qsizetype at = button->text().indexOf(QLatin1Char('&'));
            if (at >= 0 && at + 1 < button->text().size())
                keys << button->text().mid(at + 1, 1).toLower();
        }
        EXPECT_GE(keys.size(), 4) << name;
        EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), keys.size()) << name << keys.join(u' ').toStdString();
        entry(name)->trigger();
        window->findChild<QPushButton *>(QStringLiteral("cmdClose"))->click();
        EXPECT_FALSE(window->isVisible()) << name;
    }
    QSignalSpy closed(&form, &ClockWindow::closed);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(form.isVisible());
}

// What a screen reader hears: the clock, the calculator and Tonight are
// windows, not fillers, and no two of the calculator's boxes share a name.
TEST_F(CalculatorMenuTest, ToolWindowsAreWindowsWithDistinctlyNamedBoxes)
{
    installWindowRoles();
    form.load();
    for (QWidget *window : {static_cast<QWidget *>(&form), static_cast<QWidget *>(&form.calculator()),
                            static_cast<QWidget *>(&form.tonight())}) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(window);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), QAccessible::Window) << window->metaObject()->className();
    }
    QStringList names;
    for (QLineEdit *box : form.calculator().findChildren<QLineEdit *>()) {
        if (!box->objectName().startsWith(QLatin1String("txt")))
            continue;  // the calendar's own year box
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(box);
        names << iface->text(QAccessible::Name);
    }
    EXPECT_EQ(names.size(), 11);
    EXPECT_FALSE(names.contains(QString()));
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), names.size()) << names.join(u'|').toStdString();
}

TEST_F(CalculatorMenuTest, CalculatorClosesWithTheClockWindowAndTheProgramEnds)
{
    form.load();
    form.show();
    entry("mnuCalculator")->trigger();
    QPointer<SiderealCalculator> calculator = &form.calculator();

    // The program's own event loop: the application tells of its last
    // window only while it runs, and ends it then.
    int lastClosed = 0;
    const QMetaObject::Connection watch =
        QObject::connect(qApp, &QGuiApplication::lastWindowClosed, qApp, [&] { ++lastClosed; });
    bool openAfterClock = true;
    QTimer::singleShot(0, qApp, [&] {
        form.close();
        openAfterClock = calculator && calculator->isVisible();
    });
    QTimer::singleShot(30000, qApp, &QCoreApplication::quit);  // a guard, should the program not end
    QApplication::exec();
    QObject::disconnect(watch);

    EXPECT_FALSE(openAfterClock);
    EXPECT_EQ(lastClosed, 1) << "the clock's close ended the program";
    EXPECT_FALSE(calculator.isNull()) << "kept by the clock window";
}

}  // namespace
