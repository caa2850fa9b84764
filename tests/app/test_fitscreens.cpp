// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Every window opened from the clock on a small screen, and on a screen at
// twice the scale (the platform tells which): the whole frame on the screen,
// and the buttons that end or drive the window on it too.

#include "aboutbox.h"
#include "alarmeditor.h"
#include "alarmnotice.h"
#include "appparts.h"
#include "clockwindow.h"
#include "configdialog.h"
#include "filepicker.h"
#include "observerdialog.h"
#include "qtprinters.h"
#include "settingvalues.h"
#include "siderealcalculator.h"
#include "siteseditor.h"
#include "tonightwindow.h"
#include "windowfit.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QScreen>
#include <QTest>
#include <QScrollArea>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

std::string str(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

class FitScreensTest : public ::testing::Test, protected AppParts {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::screens().size(), 1) << "run with a one-screen configuration";
        // The clock at the top-left, where a stored position puts it.
        writeSetting(settings, QStringLiteral("Left"), QStringLiteral("150"));
        writeSetting(settings, QStringLiteral("Top"), QStringLiteral("150"));
        clockWindow = std::make_unique<ClockWindow>(context());
        clockWindow->load();
        clockWindow->show();
        area = QGuiApplication::primaryScreen()->availableGeometry();
    }

    // The frame inside the screen, and each button shown and inside it too.
    void expectFits(QWidget &window, const QStringList &buttons)
    {
        QCoreApplication::processEvents();
        const QRect frame = window.frameGeometry();
        EXPECT_TRUE(area.contains(frame)) << str(frame) << " not inside " << str(area);
        for (const QString &name : buttons) {
            SCOPED_TRACE(name.toStdString());
            const auto *button = window.findChild<QAbstractButton *>(name);
            ASSERT_NE(button, nullptr);
            EXPECT_TRUE(button->isVisible());
            // A window too large for its screen scrolls: the button must be
            // reachable there.
            for (QWidget *up = button->parentWidget(); up && up != &window; up = up->parentWidget()) {
                if (auto *scroll = qobject_cast<QScrollArea *>(up)) {
                    scroll->ensureWidgetVisible(const_cast<QAbstractButton *>(button));
                    QCoreApplication::processEvents();
                }
            }
            const QRect at(button->mapToGlobal(QPoint(0, 0)), button->size());
            EXPECT_TRUE(frame.contains(at)) << str(at) << " not inside " << str(frame);
            EXPECT_GE(button->width(), button->minimumSizeHint().width()) << "squeezed";
        }
    }

    // Runs open, which shows a modal dialog, and checks the dialog on screen.
    void expectModalFits(const std::function<void()> &open, const QStringList &buttons,
                         const std::function<void(QWidget &)> &more = {})
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            seen = dialog != nullptr;
            if (!dialog)
                return;
            expectFits(*dialog, buttons);
            if (more)
                more(*dialog);
            dialog->close();
        });
        open();
        EXPECT_TRUE(seen) << "no modal window";
    }

    // Chooses an entry of the clock's menu.
    void menu(const char *name) { clockWindow->findChild<QAction *>(QLatin1String(name))->trigger(); }

    QRect area;
    std::unique_ptr<ClockWindow> clockWindow;
    ScriptedFilePicker files;
};

TEST_F(FitScreensTest, ModalWindowsOfTheClockFitTheScreen)
{
    expectFits(*clockWindow, {});
    {
        SCOPED_TRACE("configuration");
        expectModalFits([&] { menu("mnuConfig"); }, {"cmdUpdate", "cmdCancel", "cmdMap", "cmdAlarms"});
    }
    {
        SCOPED_TRACE("about");
        expectModalFits([&] { menu("mnuAbout"); }, {"cmdOK", "cmdHome", "cmdHelp"});
    }
    {
        SCOPED_TRACE("alarm editor, and while adding");
        expectModalFits([&] { menu("mnuAlarms"); }, {"cmdOK", "cmdAdd", "cmdEdit", "cmdDelete"},
                        [&](QWidget &editor) {
                            editor.findChild<QAbstractButton *>(QStringLiteral("cmdAdd"))->click();
                            expectFits(editor, {"cmdOK", "cmdCancel", "chkEnabled"});
                        });
    }
    {
        SCOPED_TRACE("observer");
        AppContext observerContext = context();
        ObserverDialog dialog(observerContext, files, clockWindow.get());
        expectModalFits([&] { dialog.exec(); }, {"CmdOK", "CmdCancel", "CmdLoad", "CmdSave", "CmdCities"});
    }
    {
        SCOPED_TRACE("sites");
        SitesEditor editor(context(), {{QStringLiteral("Paranal"), 70.4, -24.6}}, clockWindow.get());
        expectModalFits([&] { editor.exec(); }, {"cmdOK", "cmdCancel", "cmdAdd", "cmdAddCity", "cmdRemove"});
    }
}

TEST_F(FitScreensTest, WindowsOfTheirOwnFitTheScreen)
{
    {
        SCOPED_TRACE("calculator");
        menu("mnuCalculator");
        SiderealCalculator &calculator = clockWindow->calculator();
        expectFits(calculator, {"cmdClose", "cmdNow", "cmdTime2Sidereal", "cmdSidereal2Time"});
        const QRect clockFrame = clockWindow->frameGeometry();
        const bool roomBeside = area.right() - clockFrame.right() > calculator.frameGeometry().width()
                                || clockFrame.left() - area.left() > calculator.frameGeometry().width();
        if (roomBeside) {
            EXPECT_FALSE(calculator.frameGeometry().intersects(clockFrame)) << "beside the clock";
        }
    }
    {
        SCOPED_TRACE("Tonight");
        menu("mnuTonight");
        expectFits(clockWindow->tonight(),
                   {"cmdClose", "cmdRefresh", "cmdAddTarget", "cmdRemoveTarget", "cmdAddAlarm"});
    }
    {
        SCOPED_TRACE("alarm notice");
        AlarmNotice notice(nullptr);
        notice.setMessage(QStringLiteral("Vega transits in ten minutes; the dome is to be opened."));
        notice.show();
        expectFits(notice, {"CancelButton", "SnoozeButton"});
    }
}

// A window placed where there is no screen, or larger than the screen,
// comes back wholly onto it; one already on it stays where it is.
// A window opened beside another takes the first side where it clears it,
// else the side where it covers least of it.
TEST(PlaceFrame, BesideTheAnchorOnTheFirstSideThatClearsItElseCoveringLeast)
{
    const QRect area(0, 0, 800, 600);
    const QSize size(560, 300);
    const struct {
        QRect anchor;
        QPoint expected;
    } cases[] = {
        {QRect(10, 100, 110, 60), QPoint(128, 100)},    // right
        {QRect(680, 100, 110, 60), QPoint(112, 100)},   // left
        {QRect(400, 10, 110, 60), QPoint(240, 78)},     // below, kept inside
        {QRect(400, 500, 110, 60), QPoint(240, 192)},   // above, kept inside
        {QRect(400, 300, 110, 60), QPoint(240, 0)},     // above, clear once kept inside
        {QRect(345, 250, 110, 100), QPoint(240, 300)},  // nowhere clear: below covers least
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(str(c.anchor));
        const QRect placed = placeFrame(size, area, c.anchor, Placement::Beside);
        EXPECT_EQ(placed, QRect(c.expected, size)) << str(placed);
    }
}

TEST_F(FitScreensTest, KeepingOnScreenMovesAndCutsOnlyWhatIsOff)
{
    struct Case {
        QRect geometry;
        bool moved;
    };
    const Case cases[] = {
        {QRect(area.topLeft() + QPoint(10, 10), QSize(200, 100)), false},
        {QRect(area.bottomRight() + QPoint(500, 500), QSize(200, 100)), true},
        {QRect(area.topLeft() - QPoint(3000, 0), QSize(200, 100)), true},
        {QRect(area.topLeft() + QPoint(10, 10), area.size() + QSize(300, 300)), true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(str(c.geometry));
        QWidget window;
        window.setGeometry(c.geometry);
        window.show();
        QCoreApplication::processEvents();
        const QRect before = window.frameGeometry();
        keepWindowOnScreen(window);
        const QRect frame = window.frameGeometry();
        EXPECT_TRUE(area.contains(frame)) << str(frame);
        EXPECT_EQ(frame != before, c.moved) << str(frame);
        EXPECT_EQ(frame.size(), before.size().boundedTo(area.size()));
    }
}

}  // namespace
