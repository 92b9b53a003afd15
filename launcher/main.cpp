#include "Vexa.h"

#include "../platform/Desktop.h"
#include "../platform/StandardStreams.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    ReopenStandardStreams();
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vexa.ico")));
    MapWindowsFonts();

    Vexa window;
    window.show();
    return QApplication::exec();
}
