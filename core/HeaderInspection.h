#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a ROM's cartridge header says about the four status bar panels.

enum class PanelAction { Enable, Disable, Keep };

struct HeaderFacts {
    PanelAction CgbAction = PanelAction::Keep;
    PanelAction SgbAction = PanelAction::Keep;
    PanelAction JapAction = PanelAction::Keep;
    std::string RomSizeText;
};

constexpr std::size_t kHeaderLength = 400;

// Reads the CGB flag (0x143), SGB flag (0x146), ROM size code (0x148) and
// destination code (0x14A). A header shorter than 400 bytes (a file that was
// cut short or could not be read) keeps all three flag panels as they are and
// reports an unknown size.
HeaderFacts InspectHeader(const std::vector<std::uint8_t> &header);

// The game picture's file name: the first ".gb" (case-sensitive) becomes ".bmp".
std::string PictureName(const std::string &fileName);

// A place a ROM's picture is looked for: a file name inside the images folder
// of the working folder, or of the ROM's own folder.
struct PictureCandidate {
    bool inRomFolder = false;
    std::string name;

    bool operator==(const PictureCandidate &other) const
    {
        return inRomFolder == other.inRomFolder && name == other.name;
    }
};

// Where the picture of a ROM is looked for, in order: first the classic name
// (PictureName) in the working folder's images; then the ROM's name without
// its extension with png, jpg, jpeg, bmp and gif, first in the working
// folder's images, then in the ROM folder's images. No place is named twice.
std::vector<PictureCandidate> PictureCandidates(const std::string &fileName);
