#pragma once

#include <cstdint>

namespace vemrik {

/// A number no earlier call gave, in the whole program, and greater than all of them. What is
/// derived from a piece of the work keeps the stamp that piece carried when it was derived; a
/// piece given a new stamp at every edit can then be told unchanged without comparing it.
std::uint64_t newStamp();

}  // namespace vemrik
