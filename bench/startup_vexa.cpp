// Starts like the launcher and exits as soon as its window is exposed.
#include "../launcher/Vexa.h"
#include "../platform/Desktop.h"

#include <QApplication>
#include <QStyleFactory>
#include <QtTest>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vexa.ico")));
    MapWindowsFonts();
    Vexa window;
    window.show();
    return QTest::qWaitForWindowExposed(&window) ? 0 : 1;
}
