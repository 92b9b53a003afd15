#pragma once

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

// The window layouts name Windows font faces; map them onto metric-compatible
// free faces (Liberation Sans, then DejaVu Sans).
void MapWindowsFonts();
