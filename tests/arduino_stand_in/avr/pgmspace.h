// Program memory is plain memory on the host.
#pragma once

#include <cstdint>
#include <cstring>

#define PROGMEM

inline std::uint8_t pgm_read_byte(const void* p) { return *static_cast<const std::uint8_t*>(p); }
inline void* memcpy_P(void* to, const void* from, std::size_t n) { return std::memcpy(to, from, n); }
