#include "FilePattern.h"

namespace {

char Fold(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Iterative '*' and '?' matching with one backtrack point; the glob is folded already.
bool GlobMatch(std::string_view name, std::string_view glob)
{
    std::size_t n = 0;
    std::size_t g = 0;
    std::size_t starGlob = std::string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (g < glob.size() && glob[g] == '*') {
            starGlob = ++g;
            starName = n;
        } else if (g < glob.size() && (glob[g] == '?' || glob[g] == Fold(name[n]))) {
            ++g;
            ++n;
        } else if (starGlob != std::string_view::npos) {
            g = starGlob;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (g < glob.size() && glob[g] == '*')
        ++g;
    return g == glob.size();
}

// Whether the name ends with the suffix, which is folded already.
bool EndsWithFolded(std::string_view name, std::string_view suffix)
{
    if (name.size() < suffix.size())
        return false;
    const char *end = name.data() + name.size() - suffix.size();
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        if (Fold(end[i]) != suffix[i])
            return false;
    }
    return true;
}

} // namespace

FilePattern::FilePattern(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t end = text.find(';');
        std::string_view part = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const std::size_t first = part.find_first_not_of(' ');
        if (first == std::string_view::npos)
            continue;
        part = part.substr(first, part.find_last_not_of(' ') - first + 1);
        std::string glob(part);
        for (char &c : glob)
            c = Fold(c);
        if (glob.size() > 1 && glob[0] == '*' && glob.find_first_of("*?", 1) == std::string::npos)
            suffixes_.push_back(glob.substr(1));
        else
            globs_.push_back(std::move(glob));
    }
}

bool FilePattern::Matches(std::string_view name) const
{
    for (const std::string &suffix : suffixes_) {
        if (EndsWithFolded(name, suffix))
            return true;
    }
    for (const std::string &glob : globs_) {
        if (GlobMatch(name, glob))
            return true;
    }
    return false;
}
