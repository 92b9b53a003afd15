#include "VersionGroup.h"

#include "SearchFold.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

namespace {

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

// The comma-separated parts of a text, trimmed, the empty ones left out.
std::vector<std::string_view> Parts(std::string_view text)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos)
            comma = text.size();
        const std::string_view part = Trimmed(text.substr(start, comma - start));
        if (!part.empty())
            parts.push_back(part);
        start = comma + 1;
    }
    return parts;
}

bool StartsWithWord(std::string_view text, std::string_view word)
{
    if (text.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != word[i])
            return false;
    }
    return text.size() == word.size() || !std::isalpha(static_cast<unsigned char>(text[word.size()]));
}

// The number at the start of the text, or -1.
int Number(std::string_view text)
{
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text.front())))
        return -1;
    int value = 0;
    for (std::size_t i = 0; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && value < 100000; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

// "Rev 2", "Rev B" or "v1.1" as a revision number, or -1 for another tag.
int Revision(std::string_view tag)
{
    if (StartsWithWord(tag, "rev")) {
        const std::string_view rest = Trimmed(tag.substr(3));
        if (rest.size() == 1 && std::isalpha(static_cast<unsigned char>(rest[0])))
            return std::toupper(static_cast<unsigned char>(rest[0])) - 'A' + 1;
        return std::max(Number(rest), 0);
    }
    if (tag.size() >= 2 && (tag[0] == 'v' || tag[0] == 'V') && std::isdigit(static_cast<unsigned char>(tag[1]))) {
        const int major = Number(tag.substr(1));
        const std::size_t dot = tag.find('.');
        const int minor = dot == std::string_view::npos ? 0 : std::max(Number(tag.substr(dot + 1)), 0);
        return std::max(major - 1, 0) * 100 + minor;
    }
    return -1;
}

void ReadTag(std::string_view tag, Version &version)
{
    tag = Trimmed(tag);
    const int revision = Revision(tag);
    if (revision >= 0)
        version.revision = std::max(version.revision, revision);
    const std::pair<std::string_view, ReleaseStatus> statuses[] = {
        {"beta", ReleaseStatus::Beta},
        {"proto", ReleaseStatus::Proto},
        {"demo", ReleaseStatus::Demo},
        {"sample", ReleaseStatus::Demo},
    };
    for (const auto &[word, status] : statuses) {
        if (StartsWithWord(tag, word))
            version.status = std::max(version.status, status);
    }
    for (const std::string_view part : Parts(tag))
        version.places.push_back(FoldForSearch(part));
}

// Calls inside(tag) for each bracketed tag and outside(text) for the text
// between them; a bracket never closed is text.
template <typename Inside, typename Outside>
void SplitTags(std::string_view title, Inside inside, Outside outside)
{
    std::size_t from = 0;
    std::size_t i = 0;
    while (i < title.size()) {
        const char open = title[i];
        if (open == '(' || open == '[') {
            const std::size_t close = title.find(open == '(' ? ')' : ']', i + 1);
            if (close != std::string_view::npos) {
                outside(title.substr(from, i - from));
                inside(open, title.substr(i + 1, close - i - 1));
                i = from = close + 1;
                continue;
            }
        }
        ++i;
    }
    outside(title.substr(from));
}

// The text with each run of blanks one space, none at its ends.
void AppendCollapsed(std::string_view part, std::string &text)
{
    for (const char c : part) {
        if (!std::isspace(static_cast<unsigned char>(c)))
            text += c;
        else if (!text.empty() && text.back() != ' ')
            text += ' ';
    }
}

std::string Collapsed(std::string_view title)
{
    std::string text;
    AppendCollapsed(title, text);
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

} // namespace

std::string WithoutTags(std::string_view title)
{
    std::string text;
    SplitTags(
        title, [](char, std::string_view) {},
        [&text](std::string_view part) { AppendCollapsed(part, text); });
    return Collapsed(text);
}

Version ReadVersion(std::string_view title, std::string_view cloneOf)
{
    Version version;
    version.name = FoldForSearch(Collapsed(title));
    SplitTags(
        title,
        [&version](char open, std::string_view tag) {
            if (open == '(')
                ReadTag(tag, version);
        },
        [](std::string_view) {});
    const std::string_view game = cloneOf.empty() ? title : cloneOf;
    const std::string base = WithoutTags(game);
    version.key = base.empty() ? FoldForSearch(game) : FoldForSearch(base);
    return version;
}

RegionOrder::RegionOrder()
    : RegionOrder(std::vector<std::string>{"World", "USA", "Europe", "Japan"})
{
}

RegionOrder::RegionOrder(std::vector<std::string> regions)
    : regions_(std::move(regions))
{
    for (const std::string &region : regions_)
        folded_.push_back(FoldForSearch(region));
}

RegionOrder RegionOrder::FromText(std::string_view text)
{
    std::vector<std::string> regions;
    for (const std::string_view part : Parts(text))
        regions.emplace_back(part);
    return regions.empty() ? RegionOrder() : RegionOrder(std::move(regions));
}

std::string RegionOrder::Text() const
{
    std::string text;
    for (const std::string &region : regions_)
        text += (text.empty() ? "" : ", ") + region;
    return text;
}

int RegionOrder::Rank(const Version &version) const
{
    int best = static_cast<int>(folded_.size());
    for (const std::string &place : version.places) {
        const auto found = std::find(folded_.begin(), folded_.end(), place);
        best = std::min(best, static_cast<int>(found - folded_.begin()));
    }
    return best;
}

namespace {

bool Before(const Version &a, int rankA, const Version &b, int rankB)
{
    if (rankA != rankB)
        return rankA < rankB;
    if (a.revision != b.revision)
        return a.revision > b.revision;
    if (a.status != b.status)
        return a.status < b.status;
    return a.name < b.name;
}

} // namespace

bool ShownBefore(const Version &a, const Version &b, const RegionOrder &order)
{
    return Before(a, order.Rank(a), b, order.Rank(b));
}

std::vector<std::vector<int>> GroupVersions(const std::vector<Version> &versions, const RegionOrder &order)
{
    std::vector<std::vector<int>> groups;
    std::unordered_map<std::string_view, std::size_t> groupOf;
    groupOf.reserve(versions.size());
    std::vector<int> ranks;
    ranks.reserve(versions.size());
    for (std::size_t i = 0; i < versions.size(); ++i) {
        ranks.push_back(order.Rank(versions[i]));
        const auto [place, added] = groupOf.try_emplace(versions[i].key, groups.size());
        if (added)
            groups.emplace_back();
        groups[place->second].push_back(static_cast<int>(i));
    }
    for (std::vector<int> &group : groups) {
        std::stable_sort(group.begin(), group.end(), [&](int a, int b) {
            const auto x = static_cast<std::size_t>(a);
            const auto y = static_cast<std::size_t>(b);
            return Before(versions[x], ranks[x], versions[y], ranks[y]);
        });
    }
    return groups;
}
