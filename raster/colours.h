#pragma once

#include <cstdint>

namespace vemrik {

/// A colour as 0x00BBGGRR.
using Colour = std::uint32_t;

inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kGrey = 0x808080;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kGreen = 0x008000;
/// What a read outside the image returns: no colour any page paints or any sensor reacts to.
inline constexpr Colour kOutside = 0xFF000000;

}  // namespace vemrik
