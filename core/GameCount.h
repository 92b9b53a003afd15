#pragma once

#include <cstddef>

// The number of games stored when the launcher closes: the files the list
// holds, at most 32767, the largest count the store has ever held.
int StoredGameCount(std::size_t listed);
