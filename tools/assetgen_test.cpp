#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "tools/AssetFormat.h"
#include "tools/Png.h"

using assetgen::AssetError;
using assetgen::Rgb;
using ::testing::HasSubstr;

namespace {

using Bytes = std::vector<std::uint8_t>;

unsigned U16(const Bytes& b, std::size_t at) { return b.at(at) | b.at(at + 1) << 8; }
std::uint32_t U32(const Bytes& b, std::size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }
std::int32_t I32(const Bytes& b, std::size_t at) { return static_cast<std::int32_t>(U32(b, at)); }

Bytes Make(const std::string& text) { return assetgen::EncodeAsset(assetgen::ParseAsset(text)); }

std::string Grid(int width, int height, char c) {
  std::string rows;
  for (int y = 0; y < height; ++y) rows += std::string(static_cast<std::size_t>(width), c) + "\n";
  return rows;
}

std::string ReadSource(const std::string& name) {
  std::ifstream in(std::string(ASSET_SOURCE_DIR) + "/" + name + ".txt", std::ios::binary);
  EXPECT_TRUE(in) << name;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The error ParseAsset reports for a source, or "" when it is accepted.
std::string ErrorOf(const std::string& text, int* line = nullptr) {
  try {
    assetgen::ParseAsset(text);
  } catch (const AssetError& error) {
    if (line) *line = error.line();
    return error.what();
  }
  return "";
}

// --- .bmp --------------------------------------------------------------------

const char* const kSmallBitmap =
    "kind bmp\n"
    "# three by two\n"
    "colour r FF0000  # red\n"
    "colour g 00FF00# green\n"
    "colour b 0000FF\n"
    "colour w 102030\n"
    "image 3x2\n"
    "rgb\n"
    "wwr\n";

TEST(Bitmap, HeadersDescribeABottomUpPictureWithAPaletteOfItsColours) {
  Bytes bmp = Make(kSmallBitmap);
  ASSERT_EQ(bmp.size(), 54u + 4 * 4 + 2 * 4);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(U32(bmp, 2), bmp.size());
  EXPECT_EQ(U32(bmp, 6), 0u);
  EXPECT_EQ(U32(bmp, 10), 54u + 4 * 4);
  EXPECT_EQ(U32(bmp, 14), 40u);
  EXPECT_EQ(I32(bmp, 18), 3);
  EXPECT_EQ(I32(bmp, 22), 2);
  EXPECT_EQ(U16(bmp, 26), 1u);
  EXPECT_EQ(U16(bmp, 28), 4u) << "four colours take four bits";
  EXPECT_EQ(U32(bmp, 30), 0u);
  EXPECT_EQ(U32(bmp, 34), 2u * 4);
  EXPECT_EQ(U32(bmp, 46), 4u) << "the palette holds only the colours used";
  // Blue, green, red and a zero, in the order of first use.
  EXPECT_EQ(Bytes(bmp.begin() + 54, bmp.begin() + 70),
            (Bytes{0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0, 0x30, 0x20, 0x10, 0}));
}

TEST(Bitmap, RowsAreBottomFirstAndPaddedToFourBytes) {
  Bytes bmp = Make(kSmallBitmap);
  EXPECT_EQ(Bytes(bmp.begin() + 70, bmp.end()), (Bytes{0x33, 0x00, 0, 0, 0x01, 0x20, 0, 0}));
}

TEST(Bitmap, TwoColoursTakeOneBitPerPixel) {
  Bytes bmp = Make("kind bmp\ncolour r FF0000\ncolour b 0000FF\nimage 9x1\nrbrbrbrbr\n");
  EXPECT_EQ(U16(bmp, 28), 1u);
  EXPECT_EQ(U32(bmp, 46), 2u);
  EXPECT_EQ(Bytes(bmp.begin() + 62, bmp.end()), (Bytes{0x55, 0x00, 0, 0}));
}

TEST(Bitmap, WindowsCrlfLineEndsAreAccepted) {
  std::string text = kSmallBitmap;
  for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2)) {
    text.insert(at, "\r");
  }
  EXPECT_EQ(Make(text), Make(kSmallBitmap));
}

// --- PNG, as Windows reads it in an icon -------------------------------------

std::uint32_t Big32(const Bytes& b, std::size_t at) {
  return static_cast<std::uint32_t>(b.at(at)) << 24 | static_cast<std::uint32_t>(b.at(at + 1)) << 16 |
         static_cast<std::uint32_t>(b.at(at + 2)) << 8 | b.at(at + 3);
}

// A PNG read back: every chunk's CRC checked, the rows inflated and unfiltered.
assetgen::Picture ReadPng(const Bytes& png) {
  const Bytes signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_EQ(Bytes(png.begin(), png.begin() + 8), signature);
  int side = 0, bits = 0, type = 0;
  Bytes palette, alphas, packed;
  for (std::size_t at = 8; at < png.size();) {
    std::uint32_t length = Big32(png, at);
    std::string name(png.begin() + static_cast<std::ptrdiff_t>(at + 4),
                     png.begin() + static_cast<std::ptrdiff_t>(at + 8));
    Bytes data(png.begin() + static_cast<std::ptrdiff_t>(at + 8),
               png.begin() + static_cast<std::ptrdiff_t>(at + 8 + length));
    EXPECT_EQ(Big32(png, at + 8 + length), crc32(0, png.data() + at + 4, length + 4)) << name;
    if (name == "IHDR") {
      EXPECT_EQ(Big32(data, 0), Big32(data, 4)) << "square";
      side = static_cast<int>(Big32(data, 0));
      bits = data.at(8);
      type = data.at(9);
      EXPECT_EQ(Bytes(data.begin() + 10, data.end()), (Bytes{0, 0, 0}))
          << "deflate, adaptive filters, no interlace";
    }
    if (name == "PLTE") palette = data;
    if (name == "tRNS") alphas = data;
    if (name == "IDAT") packed.insert(packed.end(), data.begin(), data.end());
    at += 12 + length;
  }
  EXPECT_TRUE(type == 3 || (type == 6 && bits == 8)) << "palette or RGBA";
  std::size_t channels = type == 6 ? 4 : 1;
  std::size_t stride = (static_cast<std::size_t>(side) * channels * static_cast<std::size_t>(bits) + 7) / 8;
  uLongf size = static_cast<uLongf>((stride + 1) * static_cast<std::size_t>(side));
  Bytes rows(size + 1);
  uLongf inflated = static_cast<uLongf>(rows.size());
  EXPECT_EQ(uncompress(rows.data(), &inflated, packed.data(), static_cast<uLong>(packed.size())), Z_OK);
  EXPECT_EQ(inflated, size) << "inflates to exactly the rows of the picture";
  assetgen::Picture picture{side, {}};
  std::size_t step = std::max<std::size_t>(1, channels * static_cast<std::size_t>(bits) / 8);
  Bytes previous(stride, 0);
  for (std::size_t y = 0; y < static_cast<std::size_t>(side); ++y) {
    std::uint8_t filter = rows.at(y * (stride + 1));
    EXPECT_LE(filter, 4);
    Bytes row(rows.begin() + static_cast<std::ptrdiff_t>(y * (stride + 1) + 1),
              rows.begin() + static_cast<std::ptrdiff_t>((y + 1) * (stride + 1)));
    for (std::size_t i = 0; i < stride; ++i) {
      int left = i >= step ? row[i - step] : 0, up = previous[i], corner = i >= step ? previous[i - step] : 0;
      int p = left + up - corner;
      int paeth = std::abs(p - left) <= std::abs(p - up) && std::abs(p - left) <= std::abs(p - corner) ? left
                  : std::abs(p - up) <= std::abs(p - corner)                                           ? up
                                                             : corner;
      const int predicted[] = {0, left, up, (left + up) / 2, paeth};
      row[i] = static_cast<std::uint8_t>(row[i] + predicted[std::min<int>(filter, 4)]);
    }
    for (std::size_t x = 0; x < static_cast<std::size_t>(side); ++x) {
      if (type == 6) {
        picture.pixels.push_back({row[4 * x], row[4 * x + 1], row[4 * x + 2], row[4 * x + 3]});
        continue;
      }
      std::size_t bit = x * static_cast<std::size_t>(bits);
      std::size_t index = (row[bit / 8] >> (8 - bits - static_cast<int>(bit % 8))) & ((1u << bits) - 1);
      EXPECT_LT(3 * index, palette.size());
      picture.pixels.push_back({palette.at(3 * index), palette.at(3 * index + 1), palette.at(3 * index + 2),
                                index < alphas.size() ? alphas[index] : std::uint8_t{0xFF}});
    }
    previous = row;
  }
  return picture;
}

assetgen::Picture Filled(int side, assetgen::Rgba colour) {
  return {side, std::vector<assetgen::Rgba>(static_cast<std::size_t>(side * side), colour)};
}

TEST(Png, APaletteOfFewColoursTakesTheFewestBitsAndKeepsAlpha) {
  assetgen::Picture picture = Filled(9, {0x10, 0x20, 0x30, 0xFF});
  picture.pixels[4] = {};
  picture.pixels[5] = {0xFF, 0, 0, 0x80};
  Bytes png = assetgen::EncodePng(picture);
  EXPECT_EQ(png[24], 2) << "three colours fit in two bits";
  EXPECT_EQ(png[25], 3) << "palette";
  EXPECT_EQ(ReadPng(png).pixels, picture.pixels);
}

TEST(Png, ManyColoursAreStoredAsRgbaExactly) {
  assetgen::Picture picture = Filled(20, {});
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    picture.pixels[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i / 3),
                         static_cast<std::uint8_t>(255 - i % 256), static_cast<std::uint8_t>(1 + i % 255)};
  }
  Bytes png = assetgen::EncodePng(picture);
  EXPECT_EQ(png[24], 8);
  EXPECT_EQ(png[25], 6) << "RGBA";
  EXPECT_EQ(ReadPng(png).pixels, picture.pixels);
}

// --- .ico and .cur ------------------------------------------------------------

// A 32x32 grey square with a red pixel top left and a transparent one beside
// it, a 16x16 one of lime, transparent on its top row, and a drawing of a
// half see-through silver disc on a black square for the other sizes.
std::string SampleIcon() {
  std::string large = Grid(32, 32, 'g');
  large[0] = 'r';
  large[1] = '.';
  std::string small = std::string(16, '.') + "\n" + Grid(16, 15, 'l');
  return "kind ico\n"
         "colour . transparent\n"
         "colour g 808080\n"
         "colour r FF0000\n"
         "colour l 00FF00\n"
         "colour K 000000\n"
         "colour s C0C0C080\n"
         "image 32x32\n" +
         large + "image 16x16\n" + small +
         "design 10\n"
         "rect K 2 2 6 6\n"
         "ellipse s 5 5 4\n";
}

struct Entry {
  int side = 0;
  unsigned planesOrHotX = 0;
  unsigned bitsOrHotY = 0;
  Bytes data;
};

std::vector<Entry> Entries(const Bytes& file) {
  std::vector<Entry> entries;
  for (std::size_t i = 0; i < U16(file, 4); ++i) {
    std::size_t at = 6 + 16 * i;
    EXPECT_EQ(file.at(at + 1), file.at(at)) << "square";
    EXPECT_EQ(file.at(at + 2), 0) << "no palette";
    std::size_t offset = U32(file, at + 12);
    EXPECT_LE(offset + U32(file, at + 8), file.size());
    entries.push_back({file[at] == 0 ? 256 : file[at], U16(file, at + 4), U16(file, at + 6),
                       Bytes(file.begin() + static_cast<std::ptrdiff_t>(offset),
                             file.begin() + static_cast<std::ptrdiff_t>(offset + U32(file, at + 8)))});
  }
  return entries;
}

bool IsPng(const Bytes& data) { return data.size() > 8 && data[0] == 0x89 && data[1] == 'P'; }

// The picture of an entry, a 32-bit DIB (its AND mask checked against its
// alpha) or a PNG.
assetgen::Picture ReadEntry(const Entry& entry) {
  const Bytes& d = entry.data;
  if (IsPng(d)) return ReadPng(d);
  int side = entry.side;
  EXPECT_EQ(U32(d, 0), 40u);
  EXPECT_EQ(I32(d, 4), side);
  EXPECT_EQ(I32(d, 8), 2 * side);
  EXPECT_EQ(U16(d, 14), 32u);
  std::size_t maskStride = static_cast<std::size_t>((side + 31) / 32 * 4);
  std::size_t mask = 40 + static_cast<std::size_t>(4 * side * side);
  EXPECT_EQ(d.size(), mask + maskStride * static_cast<std::size_t>(side));
  assetgen::Picture picture{side, {}};
  for (int y = 0; y < side; ++y) {
    std::size_t row = static_cast<std::size_t>(side - 1 - y);
    for (int x = 0; x < side; ++x) {
      std::size_t at = 40 + 4 * (row * static_cast<std::size_t>(side) + static_cast<std::size_t>(x));
      assetgen::Rgba c{d.at(at + 2), d.at(at + 1), d.at(at), d.at(at + 3)};
      bool masked = d.at(mask + row * maskStride + static_cast<std::size_t>(x / 8)) & (0x80 >> (x % 8));
      EXPECT_EQ(masked, c.a == 0) << x << "," << y;
      picture.pixels.push_back(c);
    }
  }
  return picture;
}

TEST(Icon, HoldsTheEightSizesIn32BitsSmallOnesAsDibsLargeOnesAsPng) {
  Bytes ico = Make(SampleIcon());
  EXPECT_EQ(U16(ico, 0), 0u);
  EXPECT_EQ(U16(ico, 2), 1u);
  std::vector<Entry> entries = Entries(ico);
  ASSERT_EQ(entries.size(), std::size(assetgen::kIconSides));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    SCOPED_TRACE(entries[i].side);
    EXPECT_EQ(entries[i].side, assetgen::kIconSides[i]);
    EXPECT_EQ(entries[i].planesOrHotX, 1u);
    EXPECT_EQ(entries[i].bitsOrHotY, 32u);
    EXPECT_EQ(IsPng(entries[i].data), entries[i].side >= assetgen::kPngFromSide);
    EXPECT_EQ(ReadEntry(entries[i]).side, entries[i].side);
  }
  EXPECT_TRUE(IsPng(entries.back().data)) << "256 is always a PNG";
  EXPECT_FALSE(IsPng(entries.front().data)) << "16 is always a DIB";
}

TEST(Icon, SizesWithAGridKeepItPixelForPixel) {
  std::vector<Entry> entries = Entries(Make(SampleIcon()));
  assetgen::Picture large = ReadEntry(entries[3]);
  ASSERT_EQ(large.side, 32);
  EXPECT_EQ(large.At(0, 0), (assetgen::Rgba{0xFF, 0, 0, 0xFF}));
  EXPECT_EQ(large.At(1, 0), assetgen::Rgba{});
  EXPECT_EQ(large.At(31, 31), (assetgen::Rgba{0x80, 0x80, 0x80, 0xFF}));
  assetgen::Picture small = ReadEntry(entries[0]);
  ASSERT_EQ(small.side, 16);
  for (int x = 0; x < 16; ++x) EXPECT_EQ(small.At(x, 0), assetgen::Rgba{}) << x;
  EXPECT_EQ(small.At(7, 8), (assetgen::Rgba{0, 0xFF, 0, 0xFF}));
}

TEST(Icon, DrawnSizesBlendTranslucentPaintAndSmoothTheEdges) {
  assetgen::Asset icon = assetgen::ParseAsset(SampleIcon());
  for (const Entry& entry : Entries(assetgen::EncodeAsset(icon))) {
    if (entry.side == 16 || entry.side == 32) continue;
    SCOPED_TRACE(entry.side);
    assetgen::Picture picture = ReadEntry(entry);
    EXPECT_EQ(picture.pixels, assetgen::PictureOf(icon, entry.side).pixels);
    int centre = entry.side / 2;
    // Half see-through silver over black, and the silver alone outside it.
    EXPECT_EQ(picture.At(centre, centre), (assetgen::Rgba{0x60, 0x60, 0x60, 0xFF}));
    EXPECT_EQ(picture.At(centre, 3 * entry.side / 20), (assetgen::Rgba{0xC0, 0xC0, 0xC0, 0x80}));
    EXPECT_EQ(picture.At(0, 0), assetgen::Rgba{});
    std::set<int> alphas;
    for (const assetgen::Rgba& c : picture.pixels) alphas.insert(c.a);
    EXPECT_GT(alphas.size(), 4u) << "the disc's edge fades out in steps";
  }
}

std::string SampleCursor(const std::string& hotspot) {
  std::string grid = Grid(32, 32, '.');
  grid[2 * 33 + 5] = 'K';
  grid[2 * 33 + 6] = 'W';
  return "kind cur\n" + hotspot +
         "colour . transparent\n"
         "colour K 000000\n"
         "colour W FFFFFF\n"
         "image 32x32\n" +
         grid + "design 32\nline K 2 5 2 20 20\n";
}

TEST(Cursor, EverySizeHoldsTheHotSpotUnderTheSamePoint) {
  Bytes cur = Make(SampleCursor("hotspot 5 2\n"));
  EXPECT_EQ(U16(cur, 2), 2u);
  std::vector<Entry> entries = Entries(cur);
  ASSERT_EQ(entries.size(), std::size(assetgen::kIconSides));
  const unsigned want[][2] = {{2, 1}, {3, 1},  {4, 1},  {5, 2},  {6, 3},
                              {8, 3}, {11, 5}, {13, 6}, {16, 7}, {44, 20}};
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].planesOrHotX, want[i][0]) << entries[i].side;
    EXPECT_EQ(entries[i].bitsOrHotY, want[i][1]) << entries[i].side;
    EXPECT_EQ(ReadEntry(entries[i]).side, entries[i].side);
  }
  EXPECT_EQ(ReadEntry(entries[3]).At(5, 2), (assetgen::Rgba{0, 0, 0, 0xFF}));
  EXPECT_EQ(ReadEntry(entries[3]).At(6, 2), (assetgen::Rgba{0xFF, 0xFF, 0xFF, 0xFF}));
}

// --- Drawings ------------------------------------------------------------------

TEST(Drawing, ShapesCoverWhatTheySayAtEverySize) {
  assetgen::Drawing drawing{8, {}};
  const assetgen::Rgba red{0xFF, 0, 0, 0xFF}, blue{0, 0, 0xFF, 0xFF};
  drawing.shapes = {{assetgen::ShapeType::kRect, red, {0, 0, 4, 8}},
                    {assetgen::ShapeType::kPolygon, blue, {4, 0, 8, 0, 8, 4}},
                    {assetgen::ShapeType::kArc, red, {4, 4, 3, 2, 90, 180}},
                    {assetgen::ShapeType::kLine, blue, {1.6, 5, 7.2, 7.8, 7.2}},
                    {assetgen::ShapeType::kEllipse, blue, {2.5, 2.5, 1.5, 0.9}}};
  for (int side : {8, 16, 64}) {
    SCOPED_TRACE(side);
    assetgen::Picture picture = assetgen::Rasterize(drawing, side);
    auto at = [&](double x, double y) {
      return picture.At(static_cast<int>(x * side / 8), static_cast<int>(y * side / 8));
    };
    EXPECT_EQ(at(0.5, 7.5), red) << "the rectangle";
    EXPECT_EQ(at(7.5, 0.5), blue) << "the polygon";
    EXPECT_EQ(at(4.5, 3.5), assetgen::Rgba{}) << "below the polygon's diagonal";
    EXPECT_EQ(at(6.5, 4.2), red) << "the arc between 3 and 6 o'clock";
    EXPECT_EQ(at(4, 1), assetgen::Rgba{}) << "no arc at 12 o'clock";
    EXPECT_EQ(at(6.5, 7.5), blue) << "the line";
    EXPECT_EQ(at(2.5, 2.5), blue) << "the ellipse";
    EXPECT_EQ(at(2.5, 0.5), red) << "above the flat ellipse";
  }
}

TEST(Drawing, OnAKeyColourEdgesBlendOnlyAmongThePaints) {
  assetgen::Drawing drawing{4, {}};
  const assetgen::Rgba black{0, 0, 0, 0xFF}, red{0xE0, 0x20, 0x20, 0xFF};
  drawing.shapes = {{assetgen::ShapeType::kEllipse, black, {2, 2, 1.6}},
                    {assetgen::ShapeType::kEllipse, red, {2, 2, 1.1}}};
  const assetgen::Rgb key{0, 0, 0xFF};
  assetgen::Picture picture = assetgen::RasterizeOnKey(drawing, 40, key);
  std::set<std::uint32_t> blends;
  for (const assetgen::Rgba& c : picture.pixels) {
    EXPECT_EQ(c.a, 0xFF);
    if (assetgen::Rgb{c.r, c.g, c.b} == key) continue;
    EXPECT_EQ(c.b, c.g) << "a blend of red and black, never of blue";
    EXPECT_LE(c.r, 0xE0);
    if (c != black && c != red) blends.insert(static_cast<std::uint32_t>(c.r));
  }
  EXPECT_GE(blends.size(), 3u) << "the edge between red and black is smoothed";
  EXPECT_EQ(picture.At(0, 0), (assetgen::Rgba{0, 0, 0xFF, 0xFF}));
  EXPECT_EQ(picture.At(20, 20), red);
}

// --- Rejected sources ---------------------------------------------------------

TEST(Rejects, ARowOfTheWrongLength) {
  std::string text = kSmallBitmap;
  text.replace(text.find("wwr"), 3, "wwrr");
  int line = 0;
  EXPECT_EQ(ErrorOf(text, &line), "row 2 of image 1 has 4 pixels, expected 3");
  EXPECT_EQ(line, 9);
}

TEST(Rejects, AnUndeclaredCharacter) {
  std::string text = kSmallBitmap;
  text.replace(text.find("wwr"), 3, "wxr");
  int line = 0;
  EXPECT_EQ(ErrorOf(text, &line), "row 2 of image 1, column 1: undeclared character 'x'");
  EXPECT_EQ(line, 9);
}

TEST(Rejects, TooFewRows) {
  std::string text = kSmallBitmap;
  text.erase(text.find("wwr"));
  EXPECT_EQ(ErrorOf(text), "image 1 ends after 1 of its 2 rows");
  std::string icon = SampleIcon();
  icon.erase(icon.find("image 16x16") - 33, 33);
  EXPECT_EQ(ErrorOf(icon), "row 32 of image 1 has 11 pixels, expected 32");
}

TEST(Rejects, TooManyRows) {
  int line = 0;
  EXPECT_THAT(ErrorOf(std::string(kSmallBitmap) + "rgb\n", &line), HasSubstr("already has all its 2 rows"));
  EXPECT_EQ(line, 10);
}

TEST(Rejects, ABadHeader) {
  EXPECT_EQ(ErrorOf(""), "the source is empty");
  EXPECT_EQ(ErrorOf("colour K 000000\n"), "the source must start with a 'kind' line");
  EXPECT_EQ(ErrorOf("kind png\n"), "unknown kind 'png'; expected bmp, ico or cur");
  EXPECT_EQ(ErrorOf("kind bmp\nkind bmp\n"), "'kind' given twice");
  EXPECT_EQ(ErrorOf("kind bmp\ncolour K 00000\n"), "colour '00000' is not RRGGBB or RRGGBBAA in hex");
  EXPECT_EQ(ErrorOf("kind bmp\ncolour K 00000G\n"), "colour '00000G' is not RRGGBB or RRGGBBAA in hex");
  EXPECT_EQ(ErrorOf("kind bmp\ncolour KK 000000\n"),
            "a pixel character must be a single character, not 'KK'");
  EXPECT_EQ(ErrorOf("kind bmp\ncolour K 000000\ncolour K FFFFFF\n"), "character 'K' declared twice");
  EXPECT_EQ(ErrorOf("kind bmp\ncolour # 000000\n"),
            "expected 'colour <character> <RRGGBB, RRGGBBAA or transparent>'");
  EXPECT_EQ(ErrorOf("kind bmp\ncolour . transparent\n"), "a bmp picture has no transparent pixels");
  EXPECT_EQ(ErrorOf("kind bmp\ncolour K 000000\nimage 3\n"), "expected 'image <width>x<height>', not '3'");
  EXPECT_EQ(ErrorOf("kind bmp\ncolour K 000000\nimage 0x2\n"), "an image is 1 to 1024 pixels wide and high");
  EXPECT_EQ(ErrorOf("kind bmp\ncolour K 000000\nsize 3x2\n"), "unknown line 'size 3x2'");
  EXPECT_EQ(ErrorOf("kind bmp\nimage 1x1\nK\n"), "declare the colours before the first image");
  EXPECT_EQ(ErrorOf("kind bmp\ncolour K 000000\nimage 1x1\nK\ncolour W FFFFFF\n"),
            "colours must be declared before the first image or shape");
  EXPECT_EQ(ErrorOf("kind bmp\ncolour K 000000\nimage 1x1\nK\nimage 1x1\nK\n"),
            "a bmp picture holds one image, its 100 % picture");
  EXPECT_EQ(ErrorOf("kind bmp\ncolour K 000000\n"), "a bmp picture needs its 100 % image");
}

TEST(Rejects, AnIconWithTheWrongImages) {
  EXPECT_EQ(ErrorOf("kind ico\ncolour K 000000\nimage 16x20\n"),
            "an image of an icon is 16x16, 20x20, 24x24, 32x32, 40x40, 48x48, 64x64 or 256x256");
  EXPECT_EQ(ErrorOf("kind ico\ncolour K 000000\nimage 18x18\n"),
            "an image of an icon is 16x16, 20x20, 24x24, 32x32, 40x40, 48x48, 64x64 or 256x256");
  EXPECT_EQ(ErrorOf("kind ico\ncolour K 000000\nimage 16x16\n" + Grid(16, 16, 'K') + "image 16x16\n"),
            "a second 16x16 image");
  std::string icon = SampleIcon();
  EXPECT_EQ(ErrorOf(icon.substr(0, icon.find("design"))), "an icon without a drawing needs a 20x20 image");
  EXPECT_EQ(ErrorOf("kind ico\ncolour . transparent\ncolour , transparent\n"),
            "only one character may be transparent");
  EXPECT_EQ(ErrorOf("kind ico\nhotspot 1 1\n"), "only a cursor has a hot spot");
  EXPECT_EQ(ErrorOf("kind ico\nkey K\n"), "only a bmp picture has a key colour");
}

TEST(Rejects, SeeThroughColoursWhereTheyCannotBe) {
  EXPECT_EQ(ErrorOf("kind bmp\ncolour K 00000080\n"), "a bmp picture has no see-through colours");
  EXPECT_EQ(ErrorOf("kind ico\ncolour K 00000000\n"),
            "colour '00000000' is see-through; declare it 'transparent'");
  EXPECT_EQ(ErrorOf("kind ico\ncolour K 00000080\nimage 16x16\n" + Grid(16, 16, 'K')),
            "row 1 of image 1, column 0: see-through colour 'K' is for drawings; a grid is opaque");
}

// A button source with a drawing, and the line a broken shape would be on.
std::string SampleButton(const std::string& shape) {
  return "kind bmp\n"
         "colour . 0000FF\n"
         "colour K 000000\n"
         "colour B 0000FF\n"
         "key .\n"
         "image 2x2\n..\n.K\n"
         "design 2\n"  // line 9
         "rect K 0.5 0.5 1 1\n" +
         shape;
}

TEST(Rejects, MalformedShapesNamingTheirLine) {
  struct Case {
    std::string shape;
    std::string error;
  };
  const Case cases[] = {
      {"rect K 1 1 1\n",
       "expected 'rect <paint> <x> <y> <width> <height> [<corner radius>]' with sizes above 0"},
      {"rect K 1 1 0 1\n",
       "expected 'rect <paint> <x> <y> <width> <height> [<corner radius>]' with sizes above 0"},
      {"rect K 0 0 2 2 1.5\n",
       "expected 'rect <paint> <x> <y> <width> <height> [<corner radius>]' with sizes above 0"},
      {"ellipse K 1 1 -1\n",
       "expected 'ellipse <paint> <centre x> <centre y> <radius> [<vertical radius>]' with sizes above 0"},
      {"arc K 1 1 1 1 90 45\n",
       "expected 'arc <paint> <centre x> <centre y> <radius> <width> <from> <to>' with sizes above 0"},
      {"polygon K 0 0 1 1\n", "expected 'polygon <paint> <x> <y> <x> <y> <x> <y> ...' with sizes above 0"},
      {"line K 1 0 0 1\n", "expected 'line <paint> <width> <x> <y> <x> <y> ...' with sizes above 0"},
      {"line K 1 0 0 1 x\n", "'x' is not a number; expected 'line <paint> <width> <x> <y> <x> <y> ...'"},
      {"rect Q 0 0 1 1\n", "undeclared character 'Q'"},
      {"rect\n", "expected 'rect <paint> <x> <y> <width> <height> [<corner radius>]'"},
      {"rect B 0 0 1 1\n", "a shape cannot be painted with the key colour: it would become see-through"},
      {"design 4\n", "'design' given twice"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shape);
    int line = 0;
    EXPECT_EQ(ErrorOf(SampleButton(c.shape), &line), c.error);
    EXPECT_EQ(line, 11);
  }
  EXPECT_EQ(ErrorOf(SampleButton("")), "");
  EXPECT_EQ(ErrorOf("kind ico\ncolour K 000000\nrect K 0 0 1 1\n"),
            "a 'design' line must come before the first shape");
  EXPECT_EQ(ErrorOf("kind ico\ncolour . transparent\ndesign 2\nrect . 0 0 1 1\n"),
            "a shape cannot be painted with the transparent character '.'");
  EXPECT_EQ(ErrorOf("kind ico\ndesign 0\n"), "expected 'design <side of the grid>', a number above 0");
  EXPECT_EQ(ErrorOf("kind bmp\ncolour . 0000FF\ndesign 2\nkey .\n"),
            "'key' must come before the drawing, whose shapes may not use it");
  std::string keyless = SampleButton("");
  keyless.erase(keyless.find("key .\n"), 6);
  EXPECT_EQ(ErrorOf(keyless), "a bmp drawing needs a 'key' line naming its background");
}

TEST(Rejects, ACursorWithoutAValidHotSpot) {
  EXPECT_EQ(ErrorOf(SampleCursor("")), "a cursor needs a 'hotspot' line");
  EXPECT_EQ(ErrorOf(SampleCursor("hotspot 32 0\n")), "the hot spot must be two numbers from 0 to 31");
  EXPECT_EQ(ErrorOf(SampleCursor("hotspot 1 -1\n")), "the hot spot must be two numbers from 0 to 31");
  EXPECT_EQ(ErrorOf(SampleCursor("hotspot 1\n")), "expected 'hotspot <column> <row>'");
}

// --- The suite's own pictures ---------------------------------------------------

struct Decoded {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // top row first
  const Rgb& At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// A .bmp of 1, 4, 8 or 24 bits per pixel read back.
Decoded ReadBitmap(const Bytes& bmp) {
  Decoded image;
  image.width = I32(bmp, 18);
  image.height = I32(bmp, 22);
  std::size_t bits = U16(bmp, 28);
  std::size_t colours = U32(bmp, 46);
  EXPECT_EQ(U32(bmp, 10), 54 + 4 * colours);
  EXPECT_EQ(U32(bmp, 2), bmp.size());
  std::size_t stride = (static_cast<std::size_t>(image.width) * bits + 31) / 32 * 4;
  EXPECT_EQ(bmp.size(), U32(bmp, 10) + stride * static_cast<std::size_t>(image.height));
  for (int y = 0; y < image.height; ++y) {
    std::size_t row = U32(bmp, 10) + stride * static_cast<std::size_t>(image.height - 1 - y);
    for (int x = 0; x < image.width; ++x) {
      std::size_t bit = static_cast<std::size_t>(x) * bits;
      if (bits == 24) {
        std::size_t at = row + bit / 8;
        image.pixels.push_back(Rgb{bmp.at(at + 2), bmp.at(at + 1), bmp.at(at)});
        continue;
      }
      std::size_t index = (bmp.at(row + bit / 8) >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
      EXPECT_LT(index, colours);
      std::size_t entry = 54 + 4 * index;
      image.pixels.push_back(Rgb{bmp.at(entry + 2), bmp.at(entry + 1), bmp.at(entry)});
    }
  }
  return image;
}

TEST(Bitmap, MoreThan256ColoursTake24BitsPerPixel) {
  // Seventy rings of different colours: each edge between two of them blends
  // in steps.
  std::string text = "kind bmp\ncolour . 0000FF\nkey .\n";
  std::string rings = "design 200\n";
  for (int i = 0; i < 70; ++i) {
    char paint = static_cast<char>('0' + i);
    char hex[7];
    std::snprintf(hex, sizeof hex, "%02X%02X28", 3 * i, 255 - 3 * i);
    text += std::string("colour ") + paint + " " + hex + "\n";
    rings += std::string("ellipse ") + paint + " 100 100 " + std::to_string(98 - 1.3 * i) + "\n";
  }
  assetgen::Asset asset = assetgen::ParseAsset(text + "image 100x100\n" + Grid(100, 100, '.') + rings);
  Bytes bmp = assetgen::EncodeScaledBitmap(asset, 200);
  EXPECT_EQ(U16(bmp, 28), 24u);
  EXPECT_EQ(U32(bmp, 46), 0u) << "no palette";
  Decoded image = ReadBitmap(bmp);
  std::set<std::uint32_t> used;
  for (const Rgb& c : image.pixels) used.insert(static_cast<std::uint32_t>(c.r << 16 | c.g << 8 | c.b));
  EXPECT_GT(used.size(), 256u);
  EXPECT_EQ(image.At(100, 100), (Rgb{3 * 69, 255 - 3 * 69, 0x28}));
  EXPECT_EQ(image.At(0, 0), (Rgb{0, 0, 0xFF}));
}

constexpr Rgb kBlue{0, 0, 0xFF};

// The pictures of one button source: at 100 %, then at each other scale.
std::vector<Decoded> ButtonPictures(const std::string& name) {
  assetgen::Asset asset = assetgen::ParseAsset(ReadSource(name));
  std::vector<Decoded> pictures{ReadBitmap(assetgen::EncodeAsset(asset))};
  for (int percent : assetgen::kButtonScales)
    pictures.push_back(ReadBitmap(assetgen::EncodeScaledBitmap(asset, percent)));
  return pictures;
}

std::string ButtonName(int set, int number) { return "button" + std::to_string(set * 100 + number) + ".bmp"; }

TEST(Buttons, EachScaleIsTheHundredPercentSideTimesTheScale) {
  EXPECT_EQ(assetgen::ScaledSide(32, 125), 40);
  EXPECT_EQ(assetgen::ScaledSide(16, 150), 24);
  EXPECT_EQ(assetgen::ScaledSide(16, 200), 32);
  EXPECT_EQ(assetgen::ScaledSide(10, 125), 13) << "12.5 rounds up";
  EXPECT_EQ(assetgen::ScaledSide(11, 150), 17) << "16.5 rounds up";
  for (int set : {1, 2}) {
    std::vector<Decoded> pictures = ButtonPictures(ButtonName(set, 1));
    int side = set == 1 ? 32 : 16;
    for (std::size_t i = 0; i < std::size(assetgen::kButtonScales); ++i) {
      EXPECT_EQ(pictures[i + 1].width, side * assetgen::kButtonScales[i] / 100);
      EXPECT_EQ(pictures[i + 1].height, side * assetgen::kButtonScales[i] / 100);
    }
  }
}

TEST(Buttons, TheHundredPercentPictureIsItsGridPixelForPixel) {
  for (int set : {1, 2}) {
    for (int number = 1; number <= 4; ++number) {
      SCOPED_TRACE(ButtonName(set, number));
      assetgen::Asset asset = assetgen::ParseAsset(ReadSource(ButtonName(set, number)));
      Decoded image = ReadBitmap(assetgen::EncodeAsset(asset));
      const assetgen::Image& grid = asset.images.at(0);
      ASSERT_EQ(image.width, grid.width);
      ASSERT_EQ(image.height, grid.height);
      for (int y = 0; y < grid.height; ++y) {
        for (int x = 0; x < grid.width; ++x) EXPECT_EQ(image.At(x, y), *grid.At(x, y)) << x << "," << y;
      }
    }
  }
}

TEST(Buttons, EveryScaleUsesTheFewestBitsForItsColours) {
  for (int set : {1, 2}) {
    for (int number = 1; number <= 4; ++number) {
      assetgen::Asset asset = assetgen::ParseAsset(ReadSource(ButtonName(set, number)));
      std::vector<Bytes> files{assetgen::EncodeAsset(asset)};
      for (int percent : assetgen::kButtonScales)
        files.push_back(assetgen::EncodeScaledBitmap(asset, percent));
      for (const Bytes& bmp : files) {
        SCOPED_TRACE(ButtonName(set, number) + " at " + std::to_string(I32(bmp, 18)));
        Decoded image = ReadBitmap(bmp);
        std::set<std::uint32_t> used;
        for (const Rgb& c : image.pixels) used.insert(static_cast<std::uint32_t>(c.r << 16 | c.g << 8 | c.b));
        EXPECT_EQ(U32(bmp, 46), used.size()) << "the palette holds exactly the colours used";
        unsigned bits = used.size() <= 2 ? 1 : used.size() <= 16 ? 4 : 8;
        EXPECT_EQ(U16(bmp, 28), bits);
        if (number != 2) {
          EXPECT_EQ(bits, 4u) << "two paints and the key fit in 16 colours";
        }
      }
    }
  }
}

TEST(Buttons, TheKeyColourIsNeverBlendedIntoAnEdge) {
  for (int set : {1, 2}) {
    for (int number = 1; number <= 4; ++number) {
      SCOPED_TRACE(ButtonName(set, number));
      assetgen::Asset asset = assetgen::ParseAsset(ReadSource(ButtonName(set, number)));
      std::set<std::uint32_t> paints;
      for (const assetgen::Shape& shape : asset.drawing.value().shapes) {
        paints.insert(static_cast<std::uint32_t>(shape.paint.r << 16 | shape.paint.g << 8 | shape.paint.b));
      }
      std::vector<Decoded> pictures = ButtonPictures(ButtonName(set, number));
      for (std::size_t i = 1; i < pictures.size(); ++i) {
        std::size_t blends = 0;
        for (const Rgb& c : pictures[i].pixels) {
          if (c == kBlue) continue;
          // Every paint of the buttons has less blue than red or green or is
          // black, so a pixel tinted by the key would stand out as bluer.
          EXPECT_LE(c.b, std::max({c.r, c.g, std::uint8_t{0x2B}}))
              << int(c.r) << "," << int(c.g) << "," << int(c.b);
          if (!paints.contains(static_cast<std::uint32_t>(c.r << 16 | c.g << 8 | c.b))) ++blends;
        }
        EXPECT_GT(blends, 0u) << "edges between paints are smoothed";
      }
    }
  }
}

TEST(Buttons, BlueSurroundsEachPictureAndNeverAppearsInsideIt) {
  for (int set : {1, 2}) {
    for (int number = 1; number <= 4; ++number) {
      for (const Decoded& image : ButtonPictures(ButtonName(set, number))) {
        SCOPED_TRACE(ButtonName(set, number) + " at " + std::to_string(image.width));
        int side = image.width;
        ASSERT_EQ(image.height, side);
        // The background is the blue reachable from the edge; the border is all
        // background, and any other blue pixel would be a hole in the picture.
        std::vector<bool> background(image.pixels.size(), false);
        std::vector<std::pair<int, int>> todo;
        for (int i = 0; i < side; ++i) {
          EXPECT_EQ(image.At(i, 0), kBlue) << "top edge, column " << i;
          EXPECT_EQ(image.At(i, side - 1), kBlue) << "bottom edge, column " << i;
          EXPECT_EQ(image.At(0, i), kBlue) << "left edge, row " << i;
          EXPECT_EQ(image.At(side - 1, i), kBlue) << "right edge, row " << i;
          todo.insert(todo.end(), {{i, 0}, {i, side - 1}, {0, i}, {side - 1, i}});
        }
        while (!todo.empty()) {
          auto [x, y] = todo.back();
          todo.pop_back();
          if (x < 0 || y < 0 || x >= side || y >= side) continue;
          std::size_t at = static_cast<std::size_t>(y * side + x);
          if (background[at] || !(image.At(x, y) == kBlue)) continue;
          background[at] = true;
          todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
        }
        int drawn = 0;
        for (int y = 0; y < side; ++y) {
          for (int x = 0; x < side; ++x) {
            if (background[static_cast<std::size_t>(y * side + x)]) continue;
            ++drawn;
            EXPECT_FALSE(image.At(x, y) == kBlue) << "enclosed blue at " << x << "," << y;
          }
        }
        EXPECT_GT(drawn, side * side / 8) << "the picture is nearly empty";
      }
    }
  }
}

constexpr Rgb kRed{0xFF, 0, 0}, kDarkRed{0x80, 0, 0};
constexpr Rgb kYellow{0xFF, 0xFF, 0}, kOlive{0x80, 0x80, 0};
constexpr Rgb kLime{0, 0xFF, 0}, kDarkGreen{0, 0x80, 0};

// The mean row of the opaque pixels of one colour, or -1 if there are none.
double MeanRow(const assetgen::Picture& picture, const Rgb& colour) {
  double sum = 0;
  int count = 0;
  for (int y = 0; y < picture.side; ++y) {
    for (int x = 0; x < picture.side; ++x) {
      const assetgen::Rgba& c = picture.At(x, y);
      if (c == assetgen::Rgba{colour.r, colour.g, colour.b, 0xFF}) {
        sum += y;
        ++count;
      }
    }
  }
  return count == 0 ? -1 : sum / count;
}

TEST(Signals, LightOneLampRedOverYellowOverGreenAtEverySize) {
  // signalN lights lamp N counted from the bottom: green, yellow, red.
  const Rgb lit[3][3] = {
      {kDarkRed, kOlive, kLime}, {kDarkRed, kYellow, kDarkGreen}, {kRed, kOlive, kDarkGreen}};
  for (int n = 0; n < 3; ++n) {
    std::string name = "signal" + std::to_string(n) + ".ico";
    assetgen::Asset signal = assetgen::ParseAsset(ReadSource(name));
    for (int side : assetgen::kIconSides) {
      SCOPED_TRACE(name + " at " + std::to_string(side));
      assetgen::Picture picture = assetgen::PictureOf(signal, side);
      const Rgb(&lamps)[3] = lit[n];
      double top = MeanRow(picture, lamps[0]);
      double middle = MeanRow(picture, lamps[1]);
      double bottom = MeanRow(picture, lamps[2]);
      EXPECT_GE(top, 0);
      EXPECT_LT(top, middle);
      EXPECT_LT(middle, bottom);
      for (const Rgb& other : {kRed, kDarkRed, kYellow, kOlive, kLime, kDarkGreen}) {
        bool wanted = std::find(std::begin(lamps), std::end(lamps), other) != std::end(lamps);
        EXPECT_EQ(MeanRow(picture, other) >= 0, wanted)
            << "lamp colour " << int(other.r) << "," << int(other.g) << "," << int(other.b);
      }
      EXPECT_EQ(picture.At(0, 0).a, 0) << "the corners are transparent";
      EXPECT_EQ(picture.At(side - 1, side - 1).a, 0) << "the corners are transparent";
    }
  }
}

TEST(Icons, EveryIconAndTheCursorHoldTheEightSizesIn32Bits) {
  for (const char* name :
       {"dovra.ico", "VuriRivu.ico", "Velmar.ico", "signal0.ico", "signal1.ico", "signal2.ico", "hand.cur"}) {
    SCOPED_TRACE(name);
    assetgen::Asset asset = assetgen::ParseAsset(ReadSource(name));
    std::vector<Entry> entries = Entries(assetgen::EncodeAsset(asset));
    ASSERT_EQ(entries.size(), std::size(assetgen::kIconSides));
    for (const Entry& entry : entries) {
      SCOPED_TRACE(entry.side);
      if (asset.kind == assetgen::Kind::kIcon) {
        EXPECT_EQ(entry.bitsOrHotY, 32u);
      }
      EXPECT_EQ(IsPng(entry.data), entry.side >= assetgen::kPngFromSide);
      assetgen::Picture picture = ReadEntry(entry);
      ASSERT_EQ(picture.side, entry.side);
      for (const assetgen::Image& grid : asset.images) {
        if (grid.width == entry.side) {
          EXPECT_EQ(picture.pixels, assetgen::PictureOf(asset, entry.side).pixels);
        }
      }
      int opaque = 0;
      for (const assetgen::Rgba& c : picture.pixels) opaque += c.a == 0xFF;
      EXPECT_GT(opaque, entry.side * entry.side / 8) << "the picture is nearly empty";
    }
  }
}

TEST(HandCursor, PointsWithTheTopOfTheIndexFingerAtTwelveOne) {
  assetgen::Asset hand = assetgen::ParseAsset(ReadSource("hand.cur"));
  ASSERT_EQ(hand.kind, assetgen::Kind::kCursor);
  EXPECT_EQ(hand.hotX, 12);
  EXPECT_EQ(hand.hotY, 1);
  const assetgen::Image& image = hand.images.at(0);
  for (int x = 0; x < 32; ++x) EXPECT_FALSE(image.At(x, 0).has_value()) << "row 0, column " << x;
  EXPECT_EQ(image.At(12, 1), (Rgb{0, 0, 0}));
  // The tip is the one run of pixels on row 1, centred on the hot spot.
  int first = 32;
  int last = -1;
  for (int x = 0; x < 32; ++x) {
    if (!image.At(x, 1)) continue;
    first = std::min(first, x);
    last = std::max(last, x);
  }
  for (int x = first; x <= last; ++x) EXPECT_TRUE(image.At(x, 1).has_value()) << "column " << x;
  EXPECT_EQ(first + last, 2 * 12);
}

TEST(Sources, EveryFileIsAcceptedAndMatchesItsExtension) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ASSET_SOURCE_DIR)) {
    std::filesystem::path output = entry.path().stem();
    SCOPED_TRACE(output.string());
    ASSERT_EQ(entry.path().extension(), ".txt");
    std::string error = ErrorOf(ReadSource(output.string()));
    ASSERT_EQ(error, "");
    assetgen::Kind kind = assetgen::ParseAsset(ReadSource(output.string())).kind;
    std::string extension = output.extension().string();
    EXPECT_EQ(kind, extension == ".bmp"   ? assetgen::Kind::kBitmap
                    : extension == ".ico" ? assetgen::Kind::kIcon
                                          : assetgen::Kind::kCursor);
    EXPECT_TRUE(extension == ".bmp" || extension == ".ico" || extension == ".cur") << extension;
    ++count;
  }
  EXPECT_EQ(count, 15);
}

}  // namespace
