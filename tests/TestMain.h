#pragma once

#include "platform/Background.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

// The program's background threads end before it does, so none runs on into
// the teardown of static data; one still held after ten seconds (a test's
// reader never released) ends the program here, unchecked for leaks.
inline int EndTestProgram(int failed)
{
    if (Background::WaitIdle(10000))
        return failed;
    std::fprintf(stderr, "background work still running at exit\n");
    std::fflush(nullptr);
    _exit(failed != 0 ? failed : 1);
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
        qputenv("XDG_CACHE_HOME", configHome.path().toLocal8Bit());                     \
        qputenv("XDG_DATA_HOME", configHome.path().toLocal8Bit());                      \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                              \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                    \
        QApplication app(argc, argv);                                                    \
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));        \
        MapWindowsFonts();                                                               \
        TestClass test;                                                                  \
        const int failed = QTest::qExec(&test, argc, argv);                              \
        return EndTestProgram(failed);                                                   \
    }
