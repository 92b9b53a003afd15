#include "SearchFold.h"

#include <cstdint>

namespace {

// U+00C0 to U+017F, one letter each: '*' for two letters (Kinds below), '-'
// for a character kept as it is (the multiplication and division signs).
constexpr std::string_view kLatin =
    "aaaaaa*ceeeeiiii" "dnooooo-ouuuuy**" "aaaaaa*ceeeeiiii" "dnooooo-ouuuuy*y" // U+00C0
    "aaaaaaccccccccdd" "ddeeeeeeeeeegggg" "gggghhhhiiiiiiii" "ii**jjkkklllllll" // U+0100
    "lllnnnnnnnnnoooo" "oo**rrrrrrssssss" "ssttttttuuuuuuuu" "uuuuwwyyyzzzzzzs"; // U+0140

const char *TwoLetters(char32_t code)
{
    switch (code) {
    case 0xC6: case 0xE6: return "ae";
    case 0xDE: case 0xFE: return "th";
    case 0xDF: return "ss";
    case 0x132: case 0x133: return "ij";
    case 0x152: case 0x153: return "oe";
    default: return nullptr;
    }
}

void AppendUtf8(char32_t code, std::string &out)
{
    if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    }
    out += static_cast<char>(0x80 | (code & 0x3F));
}

// The character at text[at] (not ASCII) and its length; length 0 for a byte
// that does not begin a well-formed character.
char32_t Decode(std::string_view text, std::size_t at, std::size_t &length)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[at + i]); };
    const std::uint8_t first = byte(0);
    std::size_t count = 0;
    char32_t code = 0;
    if (first >= 0xC2 && first <= 0xDF) {
        count = 2;
        code = first & 0x1F;
    } else if (first >= 0xE0 && first <= 0xEF) {
        count = 3;
        code = first & 0x0F;
    } else if (first >= 0xF0 && first <= 0xF4) {
        count = 4;
        code = first & 0x07;
    }
    length = 0;
    if (count == 0 || at + count > text.size())
        return 0;
    for (std::size_t i = 1; i < count; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < least[count] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    length = count;
    return code;
}

// Appends the folded form of one character that is not ASCII.
void AppendFoldedCharacter(char32_t code, std::string &out)
{
    if (code >= 0xC0 && code <= 0x17F) {
        const char letter = kLatin[code - 0xC0];
        if (letter == '*')
            out += TwoLetters(code);
        else if (letter != '-')
            out += letter;
        else
            AppendUtf8(code, out);
        return;
    }
    if (code >= 0x300 && code <= 0x36F) // combining accents
        return;
    if (code == 0xA0)
        code = ' ';
    else if (code >= 0xFF01 && code <= 0xFF5E) // full-width forms of ASCII
        code -= 0xFF01 - 0x21;
    else if (code == 0x2018 || code == 0x2019)
        code = '\'';
    else if (code == 0x201C || code == 0x201D)
        code = '"';
    else if ((code >= 0x391 && code <= 0x3A9) || (code >= 0x410 && code <= 0x42F))
        code += 0x20; // Greek and Cyrillic capitals
    else if (code >= 0x400 && code <= 0x40F)
        code += 0x50;
    if (code < 0x80) {
        out += static_cast<char>(code >= 'A' && code <= 'Z' ? code + ('a' - 'A') : code);
        return;
    }
    AppendUtf8(code, out);
}

} // namespace

void AppendFolded(std::string_view text, std::string &out)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte < 0x80) {
            if (byte >= 'A' && byte <= 'Z')
                out += static_cast<char>(byte + ('a' - 'A'));
            else
                out += static_cast<char>(byte < 0x20 || byte == 0x7F ? ' ' : byte);
            ++at;
            continue;
        }
        std::size_t length = 0;
        const char32_t code = Decode(text, at, length);
        if (length == 0) {
            out += static_cast<char>(byte);
            ++at;
            continue;
        }
        AppendFoldedCharacter(code, out);
        at += length;
    }
}

std::string FoldForSearch(std::string_view text)
{
    std::string folded;
    folded.reserve(text.size());
    AppendFolded(text, folded);
    return folded;
}
