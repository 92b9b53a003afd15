#pragma once

#include <string>

// Picture files are found whatever the case of their extension: a picture
// wanted as "Tetris.png" may be stored as "Tetris.PNG" or "Tetris.Png". The
// rest of the name must match exactly. The key is the name with its
// extension (what follows the last dot) in lower-case ASCII; two names name
// the same picture when their keys are equal.
std::string PictureKey(const std::string &fileName);
