#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vemrik {

/// Sets n pixels from first on to c. Spans of a wide line are a dozen pixels, too short for the
/// compiler's own loop to pay off, so four go at a time where the machine allows it.
inline void fillPixels(std::uint32_t* first, std::size_t n, std::uint32_t c) {
#if defined(__SSE2__)
    const __m128i four = _mm_set1_epi32(static_cast<int>(c));
    for (; n >= 4; n -= 4, first += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(first), four);
#endif
    const std::uint64_t two = (std::uint64_t{c} << 32) | c;
    for (; n >= 2; n -= 2, first += 2) std::memcpy(first, &two, sizeof two);
    if (n != 0) *first = c;
}

}  // namespace vemrik
