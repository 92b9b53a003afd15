#pragma once

class Vexa;

// The main window's fixed layout: its size, font and teal background, and
// every control made at its place, in its colours, stacked back to front
// and in tab order. Fills the window's control pointers; wires nothing.
void LayOutVexa(Vexa &window);
