#pragma once

#include "platform/Background.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

// LeakSanitizer's check at exit can fault on a thread that ends while it
// runs: the program waits for its background threads first (a few seconds at
// most, for a thread held by a share that never answers).
inline void WaitForBackgroundThreads()
{
    QDeadlineTimer deadline(10000);
    while (BackgroundThreadsRunning() > 0 && !deadline.hasExpired())
        QThread::msleep(5);
    // What is left of a thread after its work: returning and ending.
    QThread::msleep(20);
}

// Every test program keeps its settings in a folder of its own, made before
// any QSettings exists, so the user's settings are never touched.
#define VEXA_TEST_MAIN(TestClass)                                                        \
    int main(int argc, char *argv[])                                                     \
    {                                                                                    \
        QTemporaryDir configHome;                                                        \
        qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());                    \
        qputenv("HOME", configHome.path().toLocal8Bit());                               \
        qputenv("XDG_RUNTIME_DIR", configHome.path().toLocal8Bit());                    \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                              \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                    \
        QApplication app(argc, argv);                                                    \
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));        \
        MapWindowsFonts();                                                               \
        TestClass test;                                                                  \
        const int failed = QTest::qExec(&test, argc, argv);                              \
        WaitForBackgroundThreads();                                                      \
        return failed;                                                                   \
    }
