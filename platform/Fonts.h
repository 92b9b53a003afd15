#pragma once

#include <QFont>

// The window layouts name Windows font faces; map them onto metric-compatible
// free faces (Liberation Sans, then DejaVu Sans).
void MapWindowsFonts();

// A font of the free face a Windows face name maps to. Asking for the mapped
// face directly spares the font database a fallback search for a name that
// is not installed, which costs a tenth of start-up.
QFont WindowsFont(const QString &face);
