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

    // The picture of that resource, decoded when the label is first shown
    // rather than at start; until then a blank one of the label's size.
    void SetPictureWhenShown(const QString &resource);

signals:
    void Click();
    void MouseMove();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QString pending_;
    ClickRule clicks_;
};
