#pragma once

// The window layouts name Windows font faces; map them onto metric-compatible
// free faces (Liberation Sans, then DejaVu Sans).
void MapWindowsFonts();
