#pragma once

#include <string>
#include <string_view>
#include <vector>

// The versions of one game (its regions, revisions, betas) and which of them
// is shown first when the library shows one row per game. Names follow the
// preservation groups' habit: "Game (USA, Europe) (Rev 1) (Beta) [b]".

enum class ReleaseStatus { Released, Beta, Proto, Demo };

// What a title says of its version.
struct Version {
    std::string key;                 // the game: the same for every version of it
    std::string name;                // the whole title folded, to order equal versions
    std::vector<std::string> places; // every comma-separated part of the round-bracket tags, folded
    int revision = 0;                // "(Rev 2)" 2, "(Rev B)" 2, "(v1.1)" 1; none 0
    ReleaseStatus status = ReleaseStatus::Released;
};

// The version a title names. The game is the DAT's parent game when cloneOf
// names one, else the title itself, either without its bracketed tags and
// without case or accents: "Game (USA) (Rev 1)" and "game (Japan)" are "game".
Version ReadVersion(std::string_view title, std::string_view cloneOf = {});

// The title without its round- and square-bracketed tags, its blanks trimmed.
std::string WithoutTags(std::string_view title);

// The regions a user wants first, in order: a version's rank is the place of
// the first of its regions in this list; a version naming none of them comes
// after all that do.
class RegionOrder
{
public:
    RegionOrder(); // World, USA, Europe, Japan
    explicit RegionOrder(std::vector<std::string> regions);
    // "Japan, Europe" as a list; an empty text gives the default order.
    static RegionOrder FromText(std::string_view text);
    // The regions as they are stored and edited: "World, USA, Europe, Japan".
    std::string Text() const;
    const std::vector<std::string> &Regions() const { return regions_; }
    int Rank(const Version &version) const;

private:
    std::vector<std::string> regions_;
    std::vector<std::string> folded_;
};

// Whether a is shown before b: the better region, then the higher revision,
// then released before Beta, Proto and Demo, then the title.
bool ShownBefore(const Version &a, const Version &b, const RegionOrder &order);

// The games among the versions: each group lists the indices of one game's
// versions, the one shown first at the front and the others in that order;
// the groups come in the order of their first version in the list.
std::vector<std::vector<int>> GroupVersions(const std::vector<Version> &versions, const RegionOrder &order);
