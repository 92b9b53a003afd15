#pragma once

#include "platform/Library.h"

#include <QHash>
#include <QObject>

class LibraryWindow;
class Vexa;
struct LibraryRecord;

// The library window at work: fed by the library (its store and the reading
// of its folders), and a row played from it starts through the main window's
// own Run path with the main window's options, so the command line is the
// one Run gives for that ROM. Each start and its end are recorded against
// the ROM's content, and the main window shows the ROM selected afterwards.
// Made with the library window, and goes with it.
class LibraryPlay : public QObject
{
    Q_OBJECT

public:
    LibraryPlay(Vexa &window, LibraryWindow &libraryWindow);
    ~LibraryPlay() override;

    // Starts the ROM of that record as Run would.
    void Play(const LibraryRecord &record);

private:
    Vexa &window_;
    LibraryWindow &libraryWindow_;
    Library library_;
    // The library's starts under way: their content, then their record token.
    QHash<quint64, QByteArray> starting_;
    QHash<quint64, int> playing_;
};
