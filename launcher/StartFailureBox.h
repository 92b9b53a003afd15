#pragma once

#include "core/StartFailure.h"

#include <QDialog>

class QLabel;
class QLineEdit;

// The "Vexa" box that says the emulator could not be started, or stopped
// right after its start: the reason and the advice as wrapped text, the
// command on a line of its own that is never broken (selectable, to copy,
// and scrolled when it is wider than the box). The box never grows wider
// than the screen it opens on. When the program itself is missing or may
// not be run, "Find vexa…" beside OK lets the user pick the emulator program.
class StartFailureBox : public QDialog
{
    Q_OBJECT

public:
    StartFailureBox(const StartFailure &failure, QWidget *parent);

    QLabel *Summary = nullptr;
    QLabel *Advice = nullptr;
    QLineEdit *Command = nullptr;

signals:
    // "Find vexa…" was clicked; the box has closed.
    void FindProgram();
};
