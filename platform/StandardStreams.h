#pragma once

// Opens /dev/null on whichever of descriptors 0, 1 and 2 is closed. Called
// first thing, so that no connection or file the launcher opens later takes
// one of those numbers and becomes a started program's standard stream.
void ReopenStandardStreams();
