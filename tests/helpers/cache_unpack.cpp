// Unpacks an archive's entry into the cache the launcher uses
// ($XDG_CACHE_HOME/vexa/), as Run does, with the bound given in bytes; prints
// the ROM's path, or why not on standard error (exit 1). For the shell tests
// that run it as one user while another plants things in the cache.
// Usage: cache_unpack ARCHIVE ENTRY [BOUND]
#include "platform/RomCache.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc < 3)
        return 2;
    const RomCache cache(RomCache::DefaultFolder(),
                         argc > 3 ? std::strtoull(argv[3], nullptr, 10) : RomCache::kDefaultBoundBytes);
    std::string why;
    const std::string rom = cache.Unpack(argv[1], argv[2], &why);
    if (rom.empty()) {
        std::fprintf(stderr, "cache_unpack: %s\n", why.c_str());
        return 1;
    }
    std::printf("%s\n", rom.c_str());
    return 0;
}
