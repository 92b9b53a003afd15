#include "PictureBox.h"

#include <QPainter>

namespace {

QString WithLineFeeds(const QString &text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return plain;
}

} // namespace

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
    , backColor_(palette().color(QPalette::Window))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetBackColor(const QColor &color)
{
    backColor_ = color;
    Cls();
    update();
}

void PictureBox::Cls()
{
    image_.fill(backColor_);
}

int PictureBox::DrawText(const QString &text, QRect &rect, unsigned format)
{
    const QString plain = WithLineFeeds(text);
    if (format & kCalcRect) {
        const QFontMetrics metrics(font());
        const QRect bounds = metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), Qt::AlignLeft, plain);
        rect.setRight(rect.left() + bounds.width() - 1);
        rect.setBottom(rect.top() + bounds.height() - 1);
        return bounds.height();
    }
    if (image_.isNull())
        return 0;
    QPainter painter(&image_);
    painter.setFont(font());
    painter.setPen(foreColor_);
    int flags = Qt::AlignTop;
    flags |= (format & kCenter) ? Qt::AlignHCenter : Qt::AlignLeft;
    if (format & kWordBreak)
        flags |= Qt::TextWordWrap;
    QRect bounds;
    painter.drawText(rect, flags, plain, &bounds);
    return bounds.height();
}

void PictureBox::Refresh()
{
    repaint(contentsRect());
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    // Kept at the screen's density, so text stays sharp on a scaled desktop.
    const qreal ratio = devicePixelRatioF();
    QImage resized(contentsRect().size() * ratio, QImage::Format_RGB32);
    resized.setDevicePixelRatio(ratio);
    resized.fill(backColor_);
    if (!image_.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, image_);
    }
    image_ = resized;
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    emit MouseMove();
    QFrame::mouseMoveEvent(event);
}
