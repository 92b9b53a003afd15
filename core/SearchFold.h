#pragma once

#include <string>
#include <string_view>

// A name as the library's search compares it, UTF-8 in and out: letters
// without their case and without their accents ("É" and "é" are "e", "ß" is
// "ss", "Æ" is "ae", "Ø" is "o", "Þ" is "th"), Greek and Cyrillic capitals as
// small letters, full-width Latin letters and digits as plain ones, curly
// quotes as straight ones, combining accents dropped, control characters and
// the no-break space as a space. Other characters (kana, kanji) are kept as
// they are, and so are bytes that are not UTF-8.
std::string FoldForSearch(std::string_view text);

// Appends the folded text to out (FoldForSearch without a string of its own).
void AppendFolded(std::string_view text, std::string &out);
