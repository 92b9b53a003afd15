#pragma once

#include "platform/ProgramStart.h"

#include <QObject>

class QSocketNotifier;

// Hears from the watch descriptor of a started program (see StartProgram)
// on the thread that made it: Ended() when the program ended, and before it
// Failed() when that was a failure right after its start. Closes the
// descriptor when it ends.
class ProgramEndWatch : public QObject
{
    Q_OBJECT

public:
    // Takes fd over.
    ProgramEndWatch(int fd, QObject *parent = nullptr);
    ~ProgramEndWatch() override;

signals:
    void Failed(const ProgramEnd &end);
    void Ended(const ProgramEnd &end);
    // The watch is over: the program ended, or its watcher went without a word.
    void Done();

private:
    void Read();

    int fd_;
    QSocketNotifier *notifier_;
};
