#pragma once

#include "platform/ProgramStart.h"

#include <QObject>

class QSocketNotifier;

// Hears from the watch descriptor of a started program (see StartProgram)
// on the thread that made it: Failed() when the program ended with a
// failure right after it started. Closes the descriptor when it ends.
class ProgramEndWatch : public QObject
{
    Q_OBJECT

public:
    // Takes fd over.
    ProgramEndWatch(int fd, QObject *parent = nullptr);
    ~ProgramEndWatch() override;

signals:
    void Failed(const ProgramEnd &end);
    // The watch is over: the program failed, ran on past the watch, or ended well.
    void Done();

private:
    void Read();

    int fd_;
    QSocketNotifier *notifier_;
};
