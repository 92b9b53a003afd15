#include "HeaderInspection.h"

#include <algorithm>

namespace {

PanelAction CgbAction(std::uint8_t flag)
{
    switch (flag) {
    case 0x00: return PanelAction::Disable;
    case 0x80: return PanelAction::Enable;
    default: return PanelAction::Keep;
    }
}

PanelAction SgbAction(std::uint8_t flag)
{
    switch (flag) {
    case 0x00: return PanelAction::Disable;
    case 0x03: return PanelAction::Enable;
    default: return PanelAction::Keep;
    }
}

PanelAction JapAction(std::uint8_t destination)
{
    switch (destination) {
    case 0x00: return PanelAction::Enable;
    case 0x01: return PanelAction::Disable;
    default: return PanelAction::Keep;
    }
}

const char *RomSizeText(std::uint8_t code)
{
    switch (code) {
    case 0x00: return "256KBit";
    case 0x01: return "512KBit";
    case 0x02: return "1MBit";
    case 0x03: return "2MBit";
    case 0x04: return "4MBit";
    case 0x05: return "8MBit";
    case 0x06: return "16MBit";
    case 0x52: return "9MBit";
    case 0x53: return "10MBit";
    case 0x54: return "12MBit";
    default: return "?MBit";
    }
}

} // namespace

HeaderFacts InspectHeader(const std::vector<std::uint8_t> &header)
{
    HeaderFacts facts;
    if (header.size() < kHeaderLength) {
        facts.RomSizeText = "?MBit";
        return facts;
    }
    facts.CgbAction = CgbAction(header[0x143]);
    facts.SgbAction = SgbAction(header[0x146]);
    facts.JapAction = JapAction(header[0x14A]);
    facts.RomSizeText = RomSizeText(header[0x148]);
    return facts;
}

std::string PictureName(const std::string &fileName)
{
    const std::string::size_type at = fileName.find(".gb");
    if (at == std::string::npos)
        return fileName;
    return fileName.substr(0, at) + ".bmp" + fileName.substr(at + 3);
}

std::vector<PictureCandidate> PictureCandidates(const std::string &fileName)
{
    std::vector<PictureCandidate> candidates{{false, PictureName(fileName)}};
    const std::string stem = fileName.substr(0, fileName.rfind('.'));
    if (stem.empty())
        return candidates;
    for (const bool inRomFolder : {false, true}) {
        for (const char *extension : {".png", ".jpg", ".jpeg", ".bmp", ".gif"}) {
            const PictureCandidate candidate{inRomFolder, stem + extension};
            if (std::find(candidates.begin(), candidates.end(), candidate) == candidates.end())
                candidates.push_back(candidate);
        }
    }
    return candidates;
}
