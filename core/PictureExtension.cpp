#include "PictureExtension.h"

std::string PictureKey(const std::string &fileName)
{
    std::string key = fileName;
    const std::size_t dot = key.rfind('.');
    if (dot == std::string::npos)
        return key;
    for (std::size_t at = dot + 1; at < key.size(); ++at) {
        if (key[at] >= 'A' && key[at] <= 'Z')
            key[at] = static_cast<char>(key[at] - 'A' + 'a');
    }
    return key;
}
