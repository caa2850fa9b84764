// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The about box's texts and links, and the help key: F1 in every window
// opens the user guide installed with the program at that window's part, and
// without a browser a message says where the page is.

#include "aboutbox.h"
#include "alarmeditor.h"
#include "appparts.h"
#include "clockwindow.h"
#include "filepicker.h"
#include "internet.h"
#include "observerdialog.h"
#include "qtprinters.h"
#include "siderealcalculator.h"
#include "tonightwindow.h"
#include "userguide.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

// Application parts whose desktop records the pages it is asked to open and
// opens them or not, as told.
struct Desktop {
    AppParts parts;
    QList<QUrl> asked;
    bool opens = true;
    AppContext context()
    {
        AppContext ctx = parts.context(QStringLiteral("No.Such.Engine"));
        ctx.openUrl = [this](const QUrl &url) {
            asked << url;
            return opens;
        };
        return ctx;
    }
};

TEST(AboutBox, ShowsTheVersionAndOpensItsLinks)
{
    Desktop desktop;
    AboutBox box(desktop.context());
    EXPECT_TRUE(box.isModal());
    QStringList texts;
    for (const QLabel *label : box.findChildren<QLabel *>())
        texts << label->text();
    const QString all = texts.join(QLatin1Char('\n'));
    EXPECT_TRUE(all.contains(QStringLiteral("Noctalis")));
    EXPECT_TRUE(all.contains(QCoreApplication::applicationVersion().isEmpty()
                                 ? QStringLiteral("Version ")
                                 : QCoreApplication::applicationVersion()));
    EXPECT_TRUE(all.contains(QStringLiteral("GNU General Public License")));
    EXPECT_TRUE(all.contains(QStringLiteral("World map: Natural Earth"))
                && all.contains(QStringLiteral("City list: city-timezones (MIT)")))
        << "the data sources and their licences";
    box.findChild<QPushButton *>(QStringLiteral("cmdHome"))->click();
    box.findChild<QPushButton *>(QStringLiteral("cmdHelp"))->click();
    ASSERT_EQ(desktop.asked.size(), 2);
    EXPECT_EQ(desktop.asked[0].toString(), AboutBox::homePage());
    // The guide as the build tree lays it out beside the programs, at the
    // place the installed tree has it.
    const QUrl guide = desktop.asked[1];
    ASSERT_TRUE(guide.isLocalFile());
    EXPECT_TRUE(guide.toLocalFile().endsWith(QStringLiteral("/share/noctalis/guide/index.html")))
        << guide.toLocalFile().toStdString();
    EXPECT_TRUE(QFileInfo::exists(guide.toLocalFile())) << guide.toLocalFile().toStdString();
    EXPECT_TRUE(desktop.parts.messages.messages.isEmpty());
}

TEST(Help, F1OpensTheGuideAtTheWindowsPart)
{
    Desktop desktop;
    ClockWindow form(desktop.context());
    ScriptedFilePicker files;
    AppContext ctx = desktop.context();
    ObserverDialog observer(ctx, files);
    AboutBox about(desktop.context());
    const struct {
        QWidget *window;
        const char *section;  // empty: the guide's top
    } cases[] = {
        {&form, guide::kClock},
        {&form.tonight(), guide::kTonight},
        {&form.calculator(), guide::kCalculator},
        {&form.alarmEditor(), guide::kAlarms},
        {&observer, guide::kPlace},
        {&about, ""},
    };
    for (const auto &c : cases) {
        const QString name = QString::fromLatin1(c.window->metaObject()->className());
        desktop.asked.clear();
        c.window->show();
        c.window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(c.window)) << name.toStdString();
        QTest::keyClick(c.window, Qt::Key_F1);
        ASSERT_EQ(desktop.asked.size(), 1) << name.toStdString();
        const QUrl url = desktop.asked[0];
        EXPECT_EQ(url, userGuideUrl(QString::fromLatin1(c.section))) << name.toStdString();
        EXPECT_EQ(url.fragment(), QString::fromLatin1(c.section)) << name.toStdString();
        EXPECT_TRUE(QFileInfo::exists(url.toLocalFile())) << name.toStdString();
        c.window->hide();
    }
    EXPECT_TRUE(desktop.parts.messages.messages.isEmpty());
}

TEST(Help, WithoutABrowserAMessageSaysWhereThePageIs)
{
    Desktop desktop;
    desktop.opens = false;
    AboutBox about(desktop.context());
    ScriptedFilePicker files;
    AppContext ctx = desktop.context();
    ctx.observer.ObserverLat = 51.5;
    ctx.observer.ObserverLng = 75;
    ObserverDialog observer(ctx, files);
    observer.show();  // the boxes take the place
    const struct {
        QPushButton *button;
        QString where;  // what the message must name
    } cases[] = {
        {about.findChild<QPushButton *>(QStringLiteral("cmdHelp")),
         QDir::toNativeSeparators(userGuideUrl().toLocalFile())},
        {about.findChild<QPushButton *>(QStringLiteral("cmdHome")), AboutBox::homePage()},
        {observer.findChild<QPushButton *>(QStringLiteral("cmdGoogle")), MapURL(51.5, 75)},
    };
    for (const auto &c : cases) {
        ASSERT_NE(c.button, nullptr);
        desktop.parts.messages.messages.clear();
        c.button->click();
        ASSERT_EQ(desktop.parts.messages.messages.size(), 1) << c.where.toStdString();
        EXPECT_EQ(desktop.parts.messages.messages[0].text, PageTexts::notOpened(QUrl::fromUserInput(c.where)));
        EXPECT_TRUE(desktop.parts.messages.messages[0].text.contains(c.where)) << c.where.toStdString();
    }
}

}  // namespace
