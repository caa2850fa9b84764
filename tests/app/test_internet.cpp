// The URL opener, the web map link and the about box's links.

#include "aboutbox.h"
#include "internet.h"
#include "qtprinters.h"

#include <QDesktopServices>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

using namespace noctalis;

// Receives what the desktop would open.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    UrlCatcher()
    {
        for (const char *scheme : {"http", "https", "file"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~UrlCatcher() override
    {
        for (const char *scheme : {"http", "https", "file"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

TEST(MapURL, QueryOfThePlace)
{
    const QString root = mapRootAddress();
    ASSERT_TRUE(root.endsWith(QLatin1Char('/')));
    EXPECT_EQ(MapURL(51.5, 0.1), root + QStringLiteral("?ie=UTF8&ll=51.5,-0.1&spn=1,1&t=h"));
    EXPECT_EQ(MapURL(40, 75), root + QStringLiteral("?ie=UTF8&ll=40,-75&spn=1,1&t=h"));
    EXPECT_EQ(MapURL(0, 0), root + QStringLiteral("?ie=UTF8&ll=0,-0&spn=1,1&t=h"));
    EXPECT_EQ(MapURL(-33.5, 180), root + QStringLiteral("?ie=UTF8&ll=-33.5,-180&spn=1,1&t=h"));
    EXPECT_EQ(MapURL(10, 180.5), root + QStringLiteral("?ie=UTF8&ll=10,179.5&spn=1,1&t=h"));
    EXPECT_EQ(MapURL(10, 284.5), root + QStringLiteral("?ie=UTF8&ll=10,75.5&spn=1,1&t=h"));
}

TEST(OpenURL, HandsTheAddressToTheDesktop)
{
    UrlCatcher catcher;
    ShowMapAt(51.5, 0.1);
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened[0].toString(), MapURL(51.5, 0.1));
}

TEST(AboutBox, ShowsTheVersionAndOpensItsLinks)
{
    UrlCatcher catcher;
    AboutBox box;
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
    box.findChild<QPushButton *>(QStringLiteral("cmdHome"))->click();
    box.findChild<QPushButton *>(QStringLiteral("cmdHelp"))->click();
    ASSERT_EQ(catcher.opened.size(), 2);
    EXPECT_EQ(catcher.opened[0].toString(), AboutBox::homePage());
    EXPECT_TRUE(catcher.opened[1].isLocalFile()) << "the README";
    EXPECT_TRUE(catcher.opened[1].toLocalFile().endsWith(QStringLiteral("README.md")));
}

} // namespace

#include "test_internet.moc"
