#pragma once
// The picture sources of the suite and the Windows image files made from them.
//
// A source is plain text. Outside the pixel grids, blank lines are ignored
// and a '#' starts a comment that runs to the end of the line. A source
// starts with the kind of file to make:
//
//   kind bmp             # a button picture at 100 %, and drawn again at 125,
//                        # 150, 200, 250 and 300 %, each in as few bits per
//                        # pixel as hold its colours exactly
//   kind ico             # an icon of 16, 20, 24, 32, 40, 48, 64, 80, 96 and
//                        # 256 pixels, 32 bits per pixel with alpha
//   kind cur             # a cursor of the same ten sizes
//
// then declares the paints (any character but a space or '#'), for a button
// picture the key colour its painter makes see-through, and for a cursor the
// hot spot:
//
//   colour K 000000      # K is black (RRGGBB in hex)
//   colour s C0C0C080    # s is half see-through silver (RRGGBBAA; icons and cursors)
//   colour . transparent # . is see-through (icons and cursors only)
//   key .                # . is the key colour (button pictures)
//   hotspot 12 1         # column and row of the pixel that points, in the
//                        # 32x32 picture; other sizes point at the same spot
//
// A picture is drawn by hand as a pixel grid, an "image WxH" line followed by
// exactly H rows of exactly W characters, one per pixel, top row first; and
// for the sizes that have no grid, as a drawing: a "design N" line giving the
// side of its square grid, then shapes painted in order, in grid units (any
// decimal number), each named by the paint character:
//
//   design 32
//   rect K 4 2 24 28 [3]       # x y width height [corner radius]
//   ellipse r 16 16 12 [10]    # centre x y, radius [vertical radius]
//   arc r 16 17 10 4 40 320    # centre x y, radius, stroke width, from and to
//                              # in degrees clockwise from 12 o'clock
//   polygon g 2 2 9 2 5 8      # three or more corners, x y each
//   line K 2 4 4 12 12 20 4    # stroke width, then two or more points
//
// Arcs and lines have round ends. A button picture has one grid, its 100 %
// picture; its other scales come from its drawing, whose background is the
// key colour and which may not paint with it. An icon or cursor takes each
// size from the grid of that size if it has one, otherwise from its drawing.
// Every mistake is an AssetError naming the line it was found on.
#include <cstdint>
#include <iterator>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "tools/Drawing.h"
#include "ui/PictureScale.h"

namespace assetgen {

// The sides of the images in every icon and cursor, the ones the programs
// load (ui/PictureScale.h).
using ui::kIconSides;

// Images this large or larger are stored as PNG, which Windows reads in icons
// and cursors since Vista; smaller ones as 32-bit DIBs. Measured on the
// suite's seven files, each size kept as a DIB adds 1 to 16 KB to every file
// (DIBs up to 64 pixels: 44 to 49 KB a file; PNG from 20: 4.7 to 11.5 KB),
// and every file ships inside a program with a size budget. 16 pixels stays
// a DIB: the size drawn most (title bar, taskbar, notification area), 1.1 KB,
// and read by every icon reader there is.
inline constexpr int kPngFromSide = 20;

// The scales, in per cent, of the button pictures beyond their 100 % picture.
inline constexpr std::span<const int> kButtonScales{std::begin(ui::kPictureScales) + 1,
                                                    std::end(ui::kPictureScales)};

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
  std::optional<Drawing> drawing;
  std::optional<Rgb> key;  // button pictures: the colour their painter makes see-through
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

// A button picture's side at a scale: side x percent / 100, halves rounded up.
int ScaledSide(int side, int percent);

// The picture of a side: its grid if the source has one of that side, its
// drawing otherwise (over the key colour for a button picture).
Picture PictureOf(const Asset& asset, int side);

// The bytes of the .bmp (at 100 %), .ico or .cur file made from a parsed
// source. A .bmp holds the fewest bits per pixel (1, 4, 8 or 24) that keep
// its colours exact.
std::vector<std::uint8_t> EncodeAsset(const Asset& asset);

// The bytes of a button picture's .bmp at another scale, drawn for that size.
std::vector<std::uint8_t> EncodeScaledBitmap(const Asset& asset, int percent);

}  // namespace assetgen
