// The picture-name rule on any name: only the first ".gb" changes.
#include "core/HeaderInspection.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string name(reinterpret_cast<const char *>(data), size);
    const std::string picture = PictureName(name);
    const std::size_t at = name.find(".gb");
    if (at == std::string::npos) {
        if (picture != name)
            abort();
        return 0;
    }
    if (picture.size() != name.size() + 1)
        abort();
    if (picture.compare(0, at, name, 0, at) != 0 || picture.compare(at, 4, ".bmp") != 0)
        abort();
    if (picture.compare(at + 4, std::string::npos, name, at + 3, std::string::npos) != 0)
        abort();
    return 0;
}
