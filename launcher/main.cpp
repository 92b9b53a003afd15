#include "Vexa.h"

#include "../platform/Desktop.h"
#include "../platform/QuitSignals.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vexa.ico")));
    MapWindowsFonts();

    Vexa window;
    // Asked to stop, the launcher closes as it does from its close box.
    OnQuitSignals(&window, [&window] { window.close(); });
    window.show();
    return QApplication::exec();
}
