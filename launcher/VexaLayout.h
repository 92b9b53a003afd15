#pragma once

#include "core/LaunchCommand.h"

#include <functional>

class Vexa;

// The main window's fixed layout: its size, font and teal background, and
// every control made at its place, in its colours, stacked back to front
// and in tab order. Fills the window's control pointers; wires nothing.
void LayOutVexa(Vexa &window);

// The options a Run takes, as the window's controls show them now.
LaunchOptions ReadLaunchChoices(const Vexa &window);

// Moves the keyboard focus on (next) or back with moveFocus, as Tab does,
// with the mode group taking one place in the tab order, its first option's,
// and tabbing into it landing on the chosen mode, as in a classic dialog.
bool TabThroughModes(Vexa &window, bool next, const std::function<bool(bool next)> &moveFocus);
