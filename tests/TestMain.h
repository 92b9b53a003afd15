#pragma once

#include "platform/Fonts.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

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
        return QTest::qExec(&test, argc, argv);                                          \
    }
