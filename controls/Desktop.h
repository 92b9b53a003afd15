#pragma once

// What the windows use of the desktop itself.

#include <QString>

class QWidget;

// The desktop's default beep.
void Beep();

// Message box style values as the windows pass them.
constexpr int kExclamationOk = 48;

// Moves a window so that its frame is centred on its screen's free area.
void CentreOnScreen(QWidget *window);

// Shows a modal message with one OK button; style 48 shows a warning icon.
void MessageBox(QWidget *parent, const QString &prompt, int style, const QString &title);
