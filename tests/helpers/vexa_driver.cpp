// Runs the launcher's main window without showing it, prints the folder it
// restored, then works the folder list as a user would:
//   vexa_driver kill FOLDER        open FOLDER, then die by SIGKILL at once
//   vexa_driver churn N A B        open A and B alternately, N times in all
#include "controls/DirListBox.h"
#include "launcher/Vexa.h"
#include "platform/Fonts.h"

#include <QApplication>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

// Lets the window finish reading what it was asked to read.
void Settle(const Vexa &window)
{
    while (window.Busy())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MapWindowsFonts();
    Vexa window;
    Settle(window);
    std::printf("%s\n", qPrintable(window.Dir1->Path()));
    std::fflush(stdout);
    const QStringList args = QApplication::arguments();
    if (args.size() >= 3 && args.at(1) == QLatin1String("kill")) {
        window.Dir1->SetPath(args.at(2));
        Settle(window);
        kill(getpid(), SIGKILL);
    }
    if (args.size() >= 5 && args.at(1) == QLatin1String("churn")) {
        const int changes = args.at(2).toInt();
        for (int i = 0; i < changes; ++i) {
            window.Dir1->SetPath(args.at(3 + i % 2));
            Settle(window);
        }
        return 0;
    }
    return 2;
}
