#include "Frame.h"

#include <QPainter>

namespace {
constexpr int kCaptionLeft = 6;
}

Frame::Frame(const QString &caption, QWidget *parent)
    : QWidget(parent)
    , caption_(caption)
{
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(caption);
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int line = metrics.height() / 2;
    const QRect box = rect().adjusted(0, line, -2, -2);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(box);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.translated(1, 1));

    if (caption_.isEmpty())
        return;
    const QRect text(kCaptionLeft, 0, metrics.horizontalAdvance(caption_) + 2, metrics.height());
    painter.fillRect(text, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text, Qt::AlignCenter, caption_);
}
