#pragma once

#include <QWidget>

// A frame with an etched border whose caption interrupts the top line.
// It takes no focus and passes no pointer moves on.
class Frame : public QWidget
{
    Q_OBJECT

public:
    explicit Frame(const QString &caption, QWidget *parent = nullptr);

    QString Caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString caption_;
};
