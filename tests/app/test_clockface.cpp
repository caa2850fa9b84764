// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The clock face: the rows of other sites, full screen and a resized window.

#include "appparts.h"
#include "clockwindow.h"
#include "modastrosubs.h"
#include "noctalismodule.h"
#include "preferences.h"
#include "secondticker.h"
#include "settingvalues.h"
#include "uidriver.h"
#include "variant.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace noctalis;

const Site kParanal{QStringLiteral("Paranal"), 70.4042, -24.6272};
const Site kMaunaKea{QStringLiteral("Mauna Kea"), 155.4681, 19.8206};

class ClockFaceTest : public ::testing::Test, protected AppParts {
protected:
    ClockFaceTest() { clock.now = QDateTime(QDate(2024, 3, 20), QTime(5, 30, 0, 417), Qt::UTC); }

    std::unique_ptr<ClockWindow> start(const QString &progId = QStringLiteral("Ephemlib.Ephemkit"))
    {
        auto form = std::make_unique<ClockWindow>(context(progId));
        form->load();
        return form;
    }

    std::unique_ptr<ClockWindow> shown()
    {
        auto form = start();
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }

    void store(const char *key, const char *value) { writeSetting(settings, QLatin1String(key), QLatin1String(value)); }

    // The engine's LMST at a longitude for a reading between ticks: its
    // LMST of the reading's whole second, moved on at the sidereal rate.
    static double engineLmstHours(const QDateTime &reading, double lngWestDeg)
    {
        const double ut = automation::toAutomationDate(reading);
        const double wholeSecond = std::floor(ut * 86400 + 1e-6) / 86400;
        return ephemkit::localMeanSiderealTime(wholeSecond, lngWestDeg)
               + (ut - wholeSecond) * 86400 * 1.002737908 / 3600;
    }

    // Every shown row inside the window with room for its text, each right
    // below the one before, and the face centred in the window.
    static void expectFaceFits(const ClockWindow &form, const std::string &what)
    {
        QList<QLabel *> rows = form.findChildren<QLabel *>();
        // Rows only: not the marks that sit on a row.
        rows.removeIf(
            [&](QLabel *label) { return !label->isVisibleTo(&form) || qobject_cast<QLabel *>(label->parentWidget()); });
        std::sort(rows.begin(), rows.end(), [](QLabel *a, QLabel *b) { return a->y() < b->y(); });
        ASSERT_FALSE(rows.isEmpty());
        for (int i = 0; i < rows.size(); ++i) {
            EXPECT_TRUE(form.rect().contains(rows[i]->geometry()))
                << what << ": " << rows[i]->objectName().toStdString();
            EXPECT_GE(rows[i]->width(), rows[i]->sizeHint().width()) << what << ": text cut";
            EXPECT_GE(rows[i]->height(), rows[i]->sizeHint().height()) << what << ": text cut";
            if (i > 0) {
                EXPECT_EQ(rows[i]->y(), rows[i - 1]->geometry().bottom() + 1) << what;
            }
        }
        EXPECT_LE(std::abs(rows[0]->x() - (form.width() - rows[0]->geometry().right() - 1)), 1) << what;
        EXPECT_LE(std::abs(rows[0]->y() - (form.height() - rows.last()->geometry().bottom() - 1)), 1) << what;
    }
};

// Each site's row shows the engine's LMST at the site's longitude, at the
// tick and as the face turns over between ticks, below the clock's own rows.
TEST_F(ClockFaceTest, SiteRowsShowTheSitesLmstBelowTheOtherRows)
{
    store("LNG", "75");
    store("DisplayUT", "True");
    auto plain = start();
    EXPECT_TRUE(plain->siteLabels().isEmpty());
    store("Sites", "Paranal|70.4042|-24.6272;Mauna Kea|155.4681|19.8206");
    auto form = start();
    const QList<QLabel *> rows = form->siteLabels();
    ASSERT_EQ(rows.size(), 2);
    form->ticker()->timerFired();
    QDateTime last = clock.now;
    for (int wake = 0; wake < 6; ++wake) {
        for (int i = 0; i < 2; ++i) {
            const Site &site = i == 0 ? kParanal : kMaunaKea;
            const QString time = FormatHoursHMS(engineLmstHours(clock.now, site.lngWestDeg));
            EXPECT_EQ(rows[i]->text(), site.name + QStringLiteral("  ") + time) << wake;
            const QString name = QAccessible::queryAccessibleInterface(rows[i])->text(QAccessible::Name);
            EXPECT_TRUE(name.contains(site.name) && name.contains(time)) << name.toStdString();
        }
        clock.now = last.addMSecs(form->timer()->interval());
        form->ticker()->timerFired();
        last = clock.now;
    }
    EXPECT_GT(rows[0]->y(), form->utClockLabel()->y());
    EXPECT_LT(rows[0]->font().pointSizeF(), form->clockLabel()->font().pointSizeF());
    EXPECT_EQ(form->height(), plain->height() + rows[0]->height() + rows[1]->height());
    expectFaceFits(*form, "with sites");

    // The rows follow the sites the configuration leaves.
    prefs.Sites = {kMaunaKea};
    form->applyConfiguration();
    ASSERT_EQ(form->siteLabels().size(), 1);
    EXPECT_TRUE(form->siteLabels()[0]->text().startsWith(kMaunaKea.name));
    EXPECT_EQ(form->height(), plain->height() + form->siteLabels()[0]->height());
    prefs.Sites.clear();
    form->applyConfiguration();
    EXPECT_TRUE(form->siteLabels().isEmpty());
    EXPECT_EQ(form->size(), plain->size());

    // Without an engine the rows show no time, as the LMST row does.
    auto lost = start(QStringLiteral("No.Such.Engine"));
    fire(lost->timer());
    ASSERT_EQ(lost->siteLabels().size(), 2);
    EXPECT_EQ(lost->siteLabels()[0]->text(), QStringLiteral("Paranal  ") + lost->clockLabel()->text());
    EXPECT_EQ(lost->clockLabel()->text(), QStringLiteral("--:--:--"));
}

// F11, or the menu, fills the screen with the face; F11 again or Escape
// brings back the window's place, size and font exactly; closing full
// screen stores the normal place.
TEST_F(ClockFaceTest, FullScreenFillsTheScreenAndLeavingRestoresTheWindow)
{
    store("DisplayUT", "True");
    store("Sites", "Paranal|70.4042|-24.6272");
    for (const Qt::Key leave : {Qt::Key_F11, Qt::Key_Escape}) {
        SCOPED_TRACE(leave);
        auto form = shown();
        form->move(150, 120);
        QCoreApplication::processEvents();
        const QRect normal = form->geometry();
        const QFont font = form->clockLabel()->font();
        const QRect normalFrame = form->frameGeometry();
        QAction *entry = form->optionsMenu()->findChild<QAction *>(QStringLiteral("mnuFullScreen"));
        ASSERT_NE(entry, nullptr);

        QTest::keyClick(form.get(), Qt::Key_F11);
        QCoreApplication::processEvents();
        EXPECT_TRUE(form->isFullScreen());
        EXPECT_TRUE(entry->isChecked());
        EXPECT_EQ(form->geometry(), form->screen()->geometry());
        EXPECT_GT(form->clockLabel()->font().pointSizeF(), font.pointSizeF());
        expectFaceFits(*form, "full screen");

        QTest::keyClick(form.get(), leave);
        QCoreApplication::processEvents();
        EXPECT_FALSE(form->isFullScreen());
        EXPECT_FALSE(entry->isChecked());
        EXPECT_EQ(form->geometry(), normal);
        EXPECT_EQ(form->clockLabel()->font(), font);

        entry->trigger();
        QCoreApplication::processEvents();
        ASSERT_TRUE(form->isFullScreen());
        form->close();
        EXPECT_EQ(settings.read(settingsSection(), QStringLiteral("Left"), QString()),
                  QString::number(normalFrame.x() * 15.0));
        EXPECT_EQ(settings.read(settingsSection(), QStringLiteral("Top"), QString()),
                  QString::number(normalFrame.y() * 15.0));
    }
}

// A resized window scales the face to fit it, limited by the tighter side;
// the configuration brings back the natural size.
TEST_F(ClockFaceTest, ResizedWindowScalesTheFaceToFit)
{
    store("DisplayLAST", "True");
    const struct {
        double width, height;
        int grows;  // the sign of the font's change
    } cases[] = {{2, 2, 1}, {2, 1, 0}, {0.7, 0.7, -1}, {3, 1.5, 1}};
    for (const auto &c : cases) {
        const std::string what = std::to_string(c.width) + " x " + std::to_string(c.height);
        auto form = shown();
        const QSize natural = form->size();
        const double points = form->clockLabel()->font().pointSizeF();
        form->resize(int(natural.width() * c.width), int(natural.height() * c.height));
        QCoreApplication::processEvents();
        ASSERT_EQ(form->size(), QSize(int(natural.width() * c.width), int(natural.height() * c.height))) << what;
        const double scaled = form->clockLabel()->font().pointSizeF();
        EXPECT_EQ((scaled > points) - (scaled < points), c.grows) << what << ": " << scaled << " pt";
        EXPECT_NEAR(form->lastHeadingLabel()->font().pointSizeF() / scaled, 0.6, 1e-9)
            << what << ": rows scale together";
        expectFaceFits(*form, what);

        form->applyConfiguration();
        QCoreApplication::processEvents();
        EXPECT_EQ(form->size(), natural) << what;
        EXPECT_EQ(form->clockLabel()->font().pointSizeF(), points) << what;
    }
}

}  // namespace
