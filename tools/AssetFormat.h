#pragma once
// The picture sources of the suite and the Windows image files made from them.
//
// A source is plain text. Outside the pixel grids, blank lines are ignored
// and a '#' starts a comment that runs to the end of the line. A source
// starts with the kind of file to make:
//
//   kind bmp24           # one picture, 24 bits per pixel, any size
//   kind ico             # a 32x32 and a 16x16 picture, 16 colours
//   kind cur             # one 32x32 black and white picture
//
// then declares the pixel characters (any but a space or '#') and, for a
// cursor, the hot spot:
//
//   colour K 000000      # K is black (RRGGBB in hex)
//   colour . transparent # . is see-through (icons and cursors only)
//   hotspot 12 1         # column and row of the pixel that points
//
// and ends with the pictures, each an "image WxH" line followed by exactly H
// rows of exactly W characters, one per pixel, top row first.
//
// Icons may only use the 16 standard Windows colours; cursors only black and
// white. Every mistake is an AssetError naming the line it was found on.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "tools/Drawing.h"

namespace assetgen {

// The 16-colour palette of Windows, in its usual order.
inline constexpr Rgb kStandardPalette[16] = {
    {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
};

enum class Kind { kBitmap, kIcon, kCursor };

// No value means a transparent pixel.
using Pixel = std::optional<Rgb>;

struct Image {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;  // row by row, top row first

  const Pixel& At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

struct Asset {
  Kind kind = Kind::kBitmap;
  std::vector<Image> images;
  int hotX = 0;
  int hotY = 0;
};

class AssetError : public std::runtime_error {
 public:
  AssetError(int line, const std::string& message);
  int line() const { return line_; }

 private:
  int line_;
};

// Reads a source; throws AssetError on anything malformed.
Asset ParseAsset(std::string_view text);

// The bytes of the .bmp, .ico or .cur file made from a parsed source.
std::vector<std::uint8_t> EncodeAsset(const Asset& asset);

}  // namespace assetgen
