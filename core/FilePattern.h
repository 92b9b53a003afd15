#pragma once

#include <string>
#include <string_view>
#include <vector>

// A file-list pattern such as "*.gb; *.sgb; *cgb; *.gbc": wildcard patterns
// ('*' any run, '?' any one byte) separated by semicolons, blanks around each
// ignored. Names are matched as bytes, letters without regard to case.
class FilePattern
{
public:
    explicit FilePattern(std::string_view text = "*.*");

    bool Matches(std::string_view name) const;

private:
    // Patterns of the form "*suffix" without further wildcards, the usual
    // kind, are matched as a folded compare of the name's end; the rest by
    // the general wildcard match.
    std::vector<std::string> suffixes_;
    std::vector<std::string> globs_;
};
