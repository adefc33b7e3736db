#pragma once
// PNG files of pictures, for the large images of icons and cursors.
#include <cstdint>
#include <vector>

#include "tools/Drawing.h"

namespace assetgen {

// The smallest lossless PNG of the picture this encoder knows how to make: a
// palette of 2, 4, 16 or 256 entries (with alpha for the see-through ones)
// when the picture has that few colours, RGBA otherwise; deflated at zlib's
// best compression.
std::vector<std::uint8_t> EncodePng(const Picture& picture);

}  // namespace assetgen
