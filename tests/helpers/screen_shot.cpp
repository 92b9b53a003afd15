// Saves what the X server of $DISPLAY shows, the whole screen, as a PNG:
// screen_shot picture.png. For the walk-throughs under Xvfb, to look at.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: screen_shot picture.png\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    if (!QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "screen_shot: %s cannot be written\n", argv[1]);
        return 1;
    }
    return 0;
}
