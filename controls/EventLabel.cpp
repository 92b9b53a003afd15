#include "EventLabel.h"

#include "platform/PictureLoader.h"

#include <QMouseEvent>

EventLabel::EventLabel(QWidget *parent)
    : QLabel(parent)
{
    setMouseTracking(true);
}

void EventLabel::mouseMoveEvent(QMouseEvent *event)
{
    emit MouseMove();
    QLabel::mouseMoveEvent(event);
}

void EventLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        clicks_.Pressed(false);
    QLabel::mousePressEvent(event);
}

void EventLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        clicks_.Pressed(true);
    // What a press does, without counting it as a press of its own.
    QLabel::mousePressEvent(event);
}

void EventLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = event->button() == Qt::LeftButton
        && clicks_.Released(rect().contains(event->position().toPoint()));
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit Click();
}

void EventLabel::SetPictureWhenShown(const QString &resource)
{
    pending_ = resource;
    QPixmap blank(size());
    blank.fill(Qt::transparent);
    setPixmap(blank);
}

void EventLabel::showEvent(QShowEvent *event)
{
    if (!pending_.isEmpty()) {
        setPixmap(ResourcePicture(pending_));
        pending_.clear();
    }
    QLabel::showEvent(event);
}
