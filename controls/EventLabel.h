#pragma once

#include <QLabel>

// A label or picture that reports pointer moves over it and clicks on it: a
// press and a release of the left button, both over the label.
class EventLabel : public QLabel
{
    Q_OBJECT

public:
    explicit EventLabel(QWidget *parent = nullptr);

signals:
    void Click();
    void MouseMove();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool pressed_ = false;
};
