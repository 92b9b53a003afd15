#pragma once

class QStyle;

// The style for controls that sit on the window's dark teal, where the
// desktop's faint focus frame cannot be seen: the keyboard focus is marked by
// a solid frame in the control's own text colour (white or yellow there).
// One instance for the program, made on first use; the application owns it.
QStyle *FocusMarkStyle();
