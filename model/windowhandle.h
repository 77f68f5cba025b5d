#pragma once

#include <cstdint>

// Handle of another application's top-level window; 0 is none.
using WindowHandle = std::uint64_t;
