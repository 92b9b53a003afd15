#pragma once

#include "core/ClickRule.h"

#include <QLabel>

// A label or picture that reports pointer moves over it and clicks on it: a
// press and a release of the left button, both over the label; a double-click
// makes one click (ClickRule).
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
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    ClickRule clicks_;
};
