#include "GameCount.h"

#include <algorithm>

int StoredGameCount(std::size_t listed)
{
    return static_cast<int>(std::min<std::size_t>(listed, 32767));
}
