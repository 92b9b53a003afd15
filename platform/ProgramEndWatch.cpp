#include "ProgramEndWatch.h"

#include <QSocketNotifier>

#include <unistd.h>

ProgramEndWatch::ProgramEndWatch(int fd, QObject *parent)
    : QObject(parent)
    , fd_(fd)
    , notifier_(new QSocketNotifier(fd, QSocketNotifier::Read, this))
{
    connect(notifier_, &QSocketNotifier::activated, this, &ProgramEndWatch::Read);
}

ProgramEndWatch::~ProgramEndWatch()
{
    if (fd_ >= 0)
        close(fd_);
}

void ProgramEndWatch::Read()
{
    // One report at most, then the end of the pipe: either way it is over.
    ProgramEnd end;
    const bool ended = ReadProgramEnd(fd_, end);
    notifier_->setEnabled(false);
    close(fd_);
    fd_ = -1;
    if (ended && end.early)
        emit Failed(end);
    if (ended)
        emit Ended(end);
    emit Done();
}
