#pragma once

#include <cstdint>

namespace vemrik {

/// Heap allocations made by this test program so far; linking allocation_counter.cpp replaces
/// the global operator new to count them.
std::uint64_t heapAllocations();

}  // namespace vemrik
