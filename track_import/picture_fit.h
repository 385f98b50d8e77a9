#pragma once

#include <cstdint>

namespace vemrik {

struct PictureSize {
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(PictureSize, PictureSize) = default;
};

/// The largest size of the picture's shape within `room`, each side rounded down: what a picture
/// is scaled to before it becomes a track, in the window and in the page alike. Nothing for a
/// picture or room without pixels.
constexpr PictureSize fittedPictureSize(PictureSize picture, PictureSize room) {
    if (picture.width <= 0 || picture.height <= 0 || room.width <= 0 || room.height <= 0) return {};
    const std::int64_t byHeight = std::int64_t{room.height} * picture.width / picture.height;
    if (byHeight <= room.width) return {static_cast<int>(byHeight), room.height};
    return {room.width, static_cast<int>(std::int64_t{room.width} * picture.height / picture.width)};
}

}  // namespace vemrik
