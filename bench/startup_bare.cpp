// The baseline: a bare Qt program that shows one empty window and exits as
// soon as it is exposed.
#include <QApplication>
#include <QWidget>
#include <QtTest>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(349, 298);
    window.show();
    return QTest::qWaitForWindowExposed(&window) ? 0 : 1;
}
