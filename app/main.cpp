// noctalis: the sidereal clock.

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("noctalis1"));
    QApplication::setOrganizationName(QStringLiteral("noctalis1"));

    QWidget window;
    window.setWindowTitle(QStringLiteral("LMST"));
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QObject::tr("The sidereal clock is not built yet."), &window));
    window.show();
    return app.exec();
}
