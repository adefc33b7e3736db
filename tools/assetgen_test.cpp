#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <zlib.h>

#include <algorithm>
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
    "kind bmp24\n"
    "# three by two\n"
    "colour r FF0000  # red\n"
    "colour g 00FF00# green\n"
    "colour b 0000FF\n"
    "colour w 102030\n"
    "image 3x2\n"
    "rgb\n"
    "wwr\n";

TEST(Bitmap, HeadersDescribeABottomUp24BitPicture) {
  Bytes bmp = Make(kSmallBitmap);
  ASSERT_EQ(bmp.size(), 54u + 2 * 12);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(U32(bmp, 2), bmp.size());
  EXPECT_EQ(U32(bmp, 6), 0u);
  EXPECT_EQ(U32(bmp, 10), 54u);
  EXPECT_EQ(U32(bmp, 14), 40u);
  EXPECT_EQ(I32(bmp, 18), 3);
  EXPECT_EQ(I32(bmp, 22), 2);
  EXPECT_EQ(U16(bmp, 26), 1u);
  EXPECT_EQ(U16(bmp, 28), 24u);
  EXPECT_EQ(U32(bmp, 30), 0u);
  EXPECT_EQ(U32(bmp, 34), 24u);
}

TEST(Bitmap, RowsAreBottomFirstInBlueGreenRedOrderAndPaddedToFourBytes) {
  Bytes bmp = Make(kSmallBitmap);
  Bytes pixels(bmp.begin() + 54, bmp.end());
  EXPECT_EQ(pixels, (Bytes{0x30, 0x20, 0x10, 0x30, 0x20, 0x10, 0x00, 0x00, 0xFF, 0, 0, 0,  //
                           0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0, 0, 0}));
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

// --- .ico --------------------------------------------------------------------

// A 32x32 image of grey with a red pixel top left, a transparent one beside it
// and a white one bottom right, and a 16x16 image of lime, transparent on its
// top row.
std::string SampleIcon() {
  std::string large = Grid(32, 32, 'g');
  large[0] = 'r';
  large[1] = '.';
  large[32 * 33 - 2] = 'w';
  std::string small = std::string(16, '.') + "\n" + Grid(16, 15, 'l');
  return "kind ico\n"
         "colour . transparent\n"
         "colour g 808080\n"
         "colour r FF0000\n"
         "colour w FFFFFF\n"
         "colour l 00FF00\n"
         "image 32x32\n" +
         large + "image 16x16\n" + small;
}

constexpr std::size_t kLargeImageSize = 40 + 16 * 4 + 32 * 16 + 32 * 4;
constexpr std::size_t kSmallImageSize = 40 + 16 * 4 + 16 * 8 + 16 * 4;
constexpr std::size_t kLargeOffset = 6 + 2 * 16;
constexpr std::size_t kSmallOffset = kLargeOffset + kLargeImageSize;

TEST(Icon, DirectoryListsA32And16PixelImageOf16Colours) {
  Bytes ico = Make(SampleIcon());
  ASSERT_EQ(ico.size(), kSmallOffset + kSmallImageSize);
  EXPECT_EQ(U16(ico, 0), 0u);
  EXPECT_EQ(U16(ico, 2), 1u);
  EXPECT_EQ(U16(ico, 4), 2u);
  const std::size_t sides[] = {32, 16};
  const std::size_t sizes[] = {kLargeImageSize, kSmallImageSize};
  const std::size_t offsets[] = {kLargeOffset, kSmallOffset};
  for (std::size_t i = 0; i < 2; ++i) {
    std::size_t entry = 6 + 16 * i;
    EXPECT_EQ(ico[entry], sides[i]) << i;
    EXPECT_EQ(ico[entry + 1], sides[i]) << i;
    EXPECT_EQ(ico[entry + 2], 16) << i;
    EXPECT_EQ(ico[entry + 3], 0) << i;
    EXPECT_EQ(U16(ico, entry + 4), 1u) << i;
    EXPECT_EQ(U16(ico, entry + 6), 4u) << i;
    EXPECT_EQ(U32(ico, entry + 8), sizes[i]) << i;
    EXPECT_EQ(U32(ico, entry + 12), offsets[i]) << i;
    std::size_t header = offsets[i];
    EXPECT_EQ(U32(ico, header), 40u) << i;
    EXPECT_EQ(I32(ico, header + 4), static_cast<std::int32_t>(sides[i])) << i;
    EXPECT_EQ(I32(ico, header + 8), static_cast<std::int32_t>(2 * sides[i])) << i;
    EXPECT_EQ(U16(ico, header + 12), 1u) << i;
    EXPECT_EQ(U16(ico, header + 14), 4u) << i;
  }
}

TEST(Icon, EachImageCarriesTheStandardPalette) {
  Bytes ico = Make(SampleIcon());
  for (std::size_t offset : {kLargeOffset, kSmallOffset}) {
    for (std::size_t i = 0; i < 16; ++i) {
      std::size_t at = offset + 40 + 4 * i;
      const Rgb& want = assetgen::kStandardPalette[i];
      EXPECT_EQ((Bytes{ico[at], ico[at + 1], ico[at + 2], ico[at + 3]}), (Bytes{want.b, want.g, want.r, 0}))
          << "entry " << i;
    }
  }
}

TEST(Icon, ColourIndicesAreStoredBottomRowFirst) {
  Bytes ico = Make(SampleIcon());
  std::size_t bits = kLargeOffset + 40 + 64;
  std::size_t topRow = bits + 31 * 16;
  EXPECT_EQ(ico[topRow], 0x90);      // red (9), then transparent stored as black (0)
  EXPECT_EQ(ico[topRow + 1], 0x88);  // grey (8)
  EXPECT_EQ(ico[bits + 15], 0x8F);   // bottom row ends grey, white (15)
  std::size_t smallBits = kSmallOffset + 40 + 64;
  EXPECT_EQ(ico[smallBits], 0xAA);           // lime (10)
  EXPECT_EQ(ico[smallBits + 15 * 8], 0x00);  // the transparent top row
}

TEST(Icon, AndMaskIsSetExactlyForTransparentPixels) {
  Bytes ico = Make(SampleIcon());
  std::size_t mask = kLargeOffset + 40 + 64 + 32 * 16;
  for (std::size_t row = 0; row < 32; ++row) {
    Bytes want = row == 31 ? Bytes{0x40, 0, 0, 0} : Bytes{0, 0, 0, 0};
    EXPECT_EQ(Bytes(ico.begin() + mask + 4 * row, ico.begin() + mask + 4 * row + 4), want) << row;
  }
  std::size_t smallMask = kSmallOffset + 40 + 64 + 16 * 8;
  for (std::size_t row = 0; row < 16; ++row) {
    Bytes want = row == 15 ? Bytes{0xFF, 0xFF, 0, 0} : Bytes{0, 0, 0, 0};
    EXPECT_EQ(Bytes(ico.begin() + smallMask + 4 * row, ico.begin() + smallMask + 4 * row + 4), want) << row;
  }
}

// --- .cur --------------------------------------------------------------------

std::string SampleCursor(const std::string& hotspot) {
  std::string grid = Grid(32, 32, '.');
  grid[2 * 33 + 5] = 'K';
  grid[2 * 33 + 6] = 'W';
  return "kind cur\n" + hotspot +
         "colour . transparent\n"
         "colour K 000000\n"
         "colour W FFFFFF\n"
         "image 32x32\n" +
         grid;
}

TEST(Cursor, DirectoryEntryHoldsTheHotSpot) {
  Bytes cur = Make(SampleCursor("hotspot 5 2\n"));
  EXPECT_EQ(U16(cur, 0), 0u);
  EXPECT_EQ(U16(cur, 2), 2u);
  EXPECT_EQ(U16(cur, 4), 1u);
  EXPECT_EQ(cur[6], 32);
  EXPECT_EQ(cur[7], 32);
  EXPECT_EQ(cur[8], 2);
  EXPECT_EQ(U16(cur, 10), 5u);
  EXPECT_EQ(U16(cur, 12), 2u);
  EXPECT_EQ(U32(cur, 14), 40u + 8 + 32 * 4 + 32 * 4);
  EXPECT_EQ(U32(cur, 18), 22u);
  EXPECT_EQ(cur.size(), 22u + U32(cur, 14));
}

TEST(Cursor, IsMonochromeWithBlackAndWhite) {
  Bytes cur = Make(SampleCursor("hotspot 0 0\n"));
  EXPECT_EQ(U16(cur, 22 + 14), 1u);
  EXPECT_EQ(Bytes(cur.begin() + 62, cur.begin() + 70), (Bytes{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}));
  std::size_t row2 = 70 + (31 - 2) * 4;
  EXPECT_EQ(Bytes(cur.begin() + row2, cur.begin() + row2 + 4), (Bytes{0x02, 0, 0, 0}));
  std::size_t mask2 = 70 + 32 * 4 + (31 - 2) * 4;
  EXPECT_EQ(Bytes(cur.begin() + mask2, cur.begin() + mask2 + 4), (Bytes{0xF9, 0xFF, 0xFF, 0xFF}));
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
  EXPECT_EQ(ErrorOf("kind png\n"), "unknown kind 'png'; expected bmp24, ico or cur");
  EXPECT_EQ(ErrorOf("kind bmp24\nkind bmp24\n"), "'kind' given twice");
  EXPECT_EQ(ErrorOf("kind bmp24\ncolour K 00000\n"), "colour '00000' is not RRGGBB in hex");
  EXPECT_EQ(ErrorOf("kind bmp24\ncolour K 00000G\n"), "colour '00000G' is not RRGGBB in hex");
  EXPECT_EQ(ErrorOf("kind bmp24\ncolour KK 000000\n"),
            "a pixel character must be a single character, not 'KK'");
  EXPECT_EQ(ErrorOf("kind bmp24\ncolour K 000000\ncolour K FFFFFF\n"), "character 'K' declared twice");
  EXPECT_EQ(ErrorOf("kind bmp24\ncolour # 000000\n"),
            "expected 'colour <character> <RRGGBB or transparent>'");
  EXPECT_EQ(ErrorOf("kind bmp24\ncolour . transparent\n"), "a bmp24 picture has no transparent pixels");
  EXPECT_EQ(ErrorOf("kind bmp24\ncolour K 000000\nimage 3\n"), "expected 'image <width>x<height>', not '3'");
  EXPECT_EQ(ErrorOf("kind bmp24\ncolour K 000000\nimage 0x2\n"),
            "an image is 1 to 1024 pixels wide and high");
  EXPECT_EQ(ErrorOf("kind bmp24\ncolour K 000000\nsize 3x2\n"), "unknown line 'size 3x2'");
  EXPECT_EQ(ErrorOf("kind bmp24\nimage 1x1\nK\n"), "declare the colours before the first image");
  EXPECT_EQ(ErrorOf("kind bmp24\ncolour K 000000\nimage 1x1\nK\ncolour W FFFFFF\n"),
            "colours must be declared before the first image");
  EXPECT_EQ(ErrorOf("kind bmp24\ncolour K 000000\nimage 1x1\nK\nimage 1x1\nK\n"),
            "a bmp24 picture holds one image");
  EXPECT_EQ(ErrorOf("kind bmp24\ncolour K 000000\n"), "a bmp24 picture needs 1 image(s), found 0");
}

TEST(Rejects, AnIconWithTheWrongImagesOrColours) {
  EXPECT_EQ(ErrorOf("kind ico\ncolour K 000000\nimage 16x16\n"), "image 1 of an icon must be 32x32");
  std::string icon = SampleIcon();
  EXPECT_EQ(ErrorOf(icon.substr(0, icon.find("image 16x16"))), "an icon needs 2 image(s), found 1");
  EXPECT_EQ(ErrorOf("kind ico\ncolour K 123456\n"),
            "colour 123456 cannot be used in an icon; use one of the 16 standard colours");
  EXPECT_EQ(ErrorOf("kind ico\ncolour . transparent\ncolour , transparent\n"),
            "only one character may be transparent");
  EXPECT_EQ(ErrorOf("kind ico\nhotspot 1 1\n"), "only a cursor has a hot spot");
}

TEST(Rejects, ACursorWithoutAValidHotSpotOrWithColour) {
  EXPECT_EQ(ErrorOf(SampleCursor("")), "a cursor needs a 'hotspot' line");
  EXPECT_EQ(ErrorOf(SampleCursor("hotspot 32 0\n")), "the hot spot must be two numbers from 0 to 31");
  EXPECT_EQ(ErrorOf(SampleCursor("hotspot 1 -1\n")), "the hot spot must be two numbers from 0 to 31");
  EXPECT_EQ(ErrorOf(SampleCursor("hotspot 1\n")), "expected 'hotspot <column> <row>'");
  EXPECT_EQ(ErrorOf("kind cur\ncolour R FF0000\n"),
            "colour FF0000 cannot be used in a cursor; use 000000 or FFFFFF");
}

// --- The suite's own pictures ---------------------------------------------------

struct Decoded {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // top row first
  const Rgb& At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

Decoded ReadBitmap(const Bytes& bmp) {
  Decoded image;
  image.width = I32(bmp, 18);
  image.height = I32(bmp, 22);
  std::size_t stride = (static_cast<std::size_t>(image.width) * 3 + 3) / 4 * 4;
  for (int y = 0; y < image.height; ++y) {
    std::size_t row = U32(bmp, 10) + stride * static_cast<std::size_t>(image.height - 1 - y);
    for (int x = 0; x < image.width; ++x) {
      std::size_t at = row + 3 * static_cast<std::size_t>(x);
      image.pixels.push_back(Rgb{bmp.at(at + 2), bmp.at(at + 1), bmp.at(at)});
    }
  }
  return image;
}

constexpr Rgb kBlue{0, 0, 0xFF};

TEST(Buttons, BlueSurroundsEachPictureAndNeverAppearsInsideIt) {
  for (int set : {1, 2}) {
    for (int number = 1; number <= 4; ++number) {
      std::string name = "button" + std::to_string(set * 100 + number) + ".bmp";
      SCOPED_TRACE(name);
      Decoded image = ReadBitmap(Make(ReadSource(name)));
      int side = set == 1 ? 32 : 16;
      ASSERT_EQ(image.width, side);
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

// The opaque colours of one image of a 4-bit icon, read back from the file.
std::vector<std::vector<std::optional<Rgb>>> ReadIconImage(const Bytes& ico, std::size_t index) {
  std::size_t entry = 6 + 16 * index;
  int side = ico.at(entry);
  std::size_t header = U32(ico, entry + 12);
  std::size_t bits = header + 40 + 64;
  std::size_t mask = bits + static_cast<std::size_t>(side * side / 2);
  std::vector<std::vector<std::optional<Rgb>>> rows(static_cast<std::size_t>(side));
  for (int y = 0; y < side; ++y) {
    std::size_t stored = static_cast<std::size_t>(side - 1 - y);
    for (int x = 0; x < side; ++x) {
      std::size_t ux = static_cast<std::size_t>(x);
      bool transparent = ico.at(mask + stored * 4 + ux / 8) & (0x80 >> (x % 8));
      std::uint8_t pair = ico.at(bits + stored * static_cast<std::size_t>(side / 2) + ux / 2);
      std::size_t colour = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
      std::size_t entryAt = header + 40 + 4 * colour;
      Rgb rgb{ico.at(entryAt + 2), ico.at(entryAt + 1), ico.at(entryAt)};
      rows[static_cast<std::size_t>(y)].push_back(transparent ? std::nullopt : std::optional<Rgb>(rgb));
    }
  }
  return rows;
}

constexpr Rgb kRed{0xFF, 0, 0}, kDarkRed{0x80, 0, 0};
constexpr Rgb kYellow{0xFF, 0xFF, 0}, kOlive{0x80, 0x80, 0};
constexpr Rgb kLime{0, 0xFF, 0}, kDarkGreen{0, 0x80, 0};
constexpr Rgb kSilver{0xC0, 0xC0, 0xC0};

// The mean row of the pixels of one colour, or -1 if there are none.
double MeanRow(const std::vector<std::vector<std::optional<Rgb>>>& rows, const Rgb& colour) {
  double sum = 0;
  int count = 0;
  for (std::size_t y = 0; y < rows.size(); ++y) {
    for (const auto& pixel : rows[y]) {
      if (pixel == colour) {
        sum += static_cast<double>(y);
        ++count;
      }
    }
  }
  return count == 0 ? -1 : sum / count;
}

TEST(Signals, UseTheStandardPaletteWithOneLampLitRedOverYellowOverGreen) {
  // signalN lights lamp N counted from the bottom: green, yellow, red.
  const Rgb lit[3][3] = {
      {kDarkRed, kOlive, kLime}, {kDarkRed, kYellow, kDarkGreen}, {kRed, kOlive, kDarkGreen}};
  for (int n = 0; n < 3; ++n) {
    std::string name = "signal" + std::to_string(n) + ".ico";
    SCOPED_TRACE(name);
    Bytes ico = Make(ReadSource(name));
    ASSERT_EQ(U16(ico, 4), 2u);
    for (std::size_t image = 0; image < 2; ++image) {
      SCOPED_TRACE("image " + std::to_string(image));
      std::size_t header = U32(ico, 6 + 16 * image + 12);
      EXPECT_EQ(U16(ico, 6 + 16 * image + 6), 4u);
      EXPECT_EQ(U16(ico, header + 14), 4u);
      for (std::size_t i = 0; i < 16; ++i) {
        std::size_t at = header + 40 + 4 * i;
        EXPECT_EQ((Rgb{ico[at + 2], ico[at + 1], ico[at]}), assetgen::kStandardPalette[i]);
      }
      auto rows = ReadIconImage(ico, image);
      const Rgb(&lamps)[3] = lit[n];
      double top = MeanRow(rows, lamps[0]);
      double middle = MeanRow(rows, lamps[1]);
      double bottom = MeanRow(rows, lamps[2]);
      EXPECT_GE(top, 0);
      EXPECT_LT(top, middle);
      EXPECT_LT(middle, bottom);
      EXPECT_GE(MeanRow(rows, kSilver), 0);
      std::set<std::uint32_t> used;
      for (const auto& row : rows) {
        for (const auto& pixel : row) {
          if (pixel) used.insert(static_cast<std::uint32_t>(pixel->r << 16 | pixel->g << 8 | pixel->b));
        }
      }
      for (const Rgb& other : {kRed, kDarkRed, kYellow, kOlive, kLime, kDarkGreen}) {
        bool wanted = std::find(std::begin(lamps), std::end(lamps), other) != std::end(lamps);
        EXPECT_EQ(used.contains(static_cast<std::uint32_t>(other.r << 16 | other.g << 8 | other.b)), wanted)
            << "lamp colour " << int(other.r) << "," << int(other.g) << "," << int(other.b);
      }
      EXPECT_FALSE(rows[0][0].has_value()) << "the corners are transparent";
      EXPECT_FALSE(rows.back().back().has_value()) << "the corners are transparent";
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
