#pragma once

#include <cstdint>

// Milliseconds since the system started, as a 32-bit count that wraps after
// about 49.7 days.
std::uint32_t TickCount();
