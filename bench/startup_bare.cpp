// The baseline: a bare Qt program that shows one empty window of the
// launcher's size and stays until it is ended.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(349, 298);
    window.show();
    return QApplication::exec();
}
