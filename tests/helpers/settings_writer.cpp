// Stores a folder the way the launcher does, then dies by SIGKILL before any
// orderly shutdown could write anything.
#include "../../platform/Settings.h"

#include <QCoreApplication>

#include <csignal>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    WriteSetting(QStringLiteral("Vexa"), QStringLiteral("Options"), QStringLiteral("RomPath"),
                 QString::fromLocal8Bit(argv[1]));
    kill(getpid(), SIGKILL);
    return 1;
}
