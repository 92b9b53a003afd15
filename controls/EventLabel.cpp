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
        pressed_ = true;
    QLabel::mousePressEvent(event);
}

void EventLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        pressed_ = false;
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
