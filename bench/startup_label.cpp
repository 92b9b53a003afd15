// A second baseline: the bare window with one bold label, the least a window
// that shows any text pays (fontconfig and the font database).
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(349, 298);
    QLabel label(QStringLiteral("Pick Your Gameboy Rom"), &window);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    label.setFont(font);
    window.show();
    return QApplication::exec();
}
