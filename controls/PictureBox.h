#pragma once

#include <QFrame>
#include <QImage>

// A box with a sunken border and a persistent image: drawing goes into the
// image, Refresh() puts it on the screen, and every repaint shows the last
// image drawn.
class PictureBox : public QFrame
{
    Q_OBJECT

public:
    // Text formats, as the classic DrawText takes them.
    static constexpr unsigned kCenter = 0x1;
    static constexpr unsigned kWordBreak = 0x10;
    static constexpr unsigned kCalcRect = 0x400;

    explicit PictureBox(QWidget *parent = nullptr);

    QColor BackColor() const { return backColor_; }
    void SetBackColor(const QColor &color);
    QColor ForeColor() const { return foreColor_; }
    void SetForeColor(const QColor &color) { foreColor_ = color; }

    int ScaleWidth() const { return contentsRect().width(); }
    int ScaleHeight() const { return contentsRect().height(); }

    // Clears the image to the background colour.
    void Cls();
    // With kCalcRect, measures text without wrapping: rect's right and bottom
    // become the widest line's width and the height of all lines, and nothing
    // is drawn. Otherwise draws text into rect, clipped to it, centred and
    // wrapped at word boundaries as format asks. CR LF breaks a line like LF.
    // Returns the text's height in pixels.
    int DrawText(const QString &text, QRect &rect, unsigned format);
    void Refresh();

    const QImage &Image() const { return image_; }

signals:
    void MouseMove();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QImage image_;
    QColor backColor_;
    QColor foreColor_ = Qt::black;
};
