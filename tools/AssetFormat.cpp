#include "tools/AssetFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <map>

#include "tools/Png.h"

namespace assetgen {
namespace {

constexpr int kMaxBitmapSide = 1024;
constexpr int kHotSpotGrid = 32;
constexpr std::size_t kSideCount = std::size(kIconSides);

std::string Quote(std::string_view text) { return "'" + std::string(text) + "'"; }

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (true) {
    at = line.find_first_not_of(" \t", at);
    if (at == std::string_view::npos) return words;
    std::size_t end = line.find_first_of(" \t", at);
    if (end == std::string_view::npos) end = line.size();
    words.push_back(line.substr(at, end - at));
    at = end;
  }
}

std::optional<int> Number(std::string_view text) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<double> Decimal(std::string_view text) {
  double value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

// RRGGBB, opaque, or RRGGBBAA.
std::optional<Rgba> HexColour(std::string_view text) {
  if (text.size() != 6 && text.size() != 8) return std::nullopt;
  std::uint32_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (text.size() == 6) value = value << 8 | 0xFF;
  return Rgba{static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
              static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

std::string SideName(int side) { return std::to_string(side) + "x" + std::to_string(side); }

struct ShapeRule {
  std::string_view word;
  ShapeType type;
  std::string_view usage;
};

constexpr ShapeRule kShapeRules[] = {
    {"rect", ShapeType::kRect, "rect <paint> <x> <y> <width> <height> [<corner radius>]"},
    {"ellipse", ShapeType::kEllipse, "ellipse <paint> <centre x> <centre y> <radius> [<vertical radius>]"},
    {"arc", ShapeType::kArc, "arc <paint> <centre x> <centre y> <radius> <width> <from> <to>"},
    {"polygon", ShapeType::kPolygon, "polygon <paint> <x> <y> <x> <y> <x> <y> ..."},
    {"line", ShapeType::kLine, "line <paint> <width> <x> <y> <x> <y> ..."},
};

// Whether a shape has the right count of numbers, and sizes that are not
// negative or empty.
bool WellFormed(ShapeType type, const std::vector<double>& n) {
  switch (type) {
    case ShapeType::kRect:
      return (n.size() == 4 || n.size() == 5) && n[2] > 0 && n[3] > 0 &&
             (n.size() == 4 || (n[4] >= 0 && 2 * n[4] <= std::min(n[2], n[3])));
    case ShapeType::kEllipse:
      return (n.size() == 3 || n.size() == 4) && n[2] > 0 && (n.size() == 3 || n[3] > 0);
    case ShapeType::kArc:
      return n.size() == 6 && n[2] > 0 && n[3] > 0 && n[5] > n[4] && n[5] - n[4] <= 360;
    case ShapeType::kPolygon:
      return n.size() >= 6 && n.size() % 2 == 0;
    case ShapeType::kLine:
      return n.size() >= 5 && n.size() % 2 == 1 && n[0] > 0;
  }
  return false;
}

std::string Describe(Kind kind) {
  switch (kind) {
    case Kind::kBitmap:
      return "a bmp picture";
    case Kind::kIcon:
      return "an icon";
    case Kind::kCursor:
      return "a cursor";
  }
  return {};
}

class Parser {
 public:
  Asset Parse(std::string_view text) {
    while (!text.empty()) {
      std::size_t end = text.find('\n');
      std::string_view line = text.substr(0, end);
      text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      ++lineNumber_;
      if (rowsLeft_ > 0) {
        OnRow(line);
      } else {
        OnDirective(line);
      }
    }
    Finish();
    return asset_;
  }

 private:
  [[noreturn]] void Fail(const std::string& message) const { throw AssetError(lineNumber_, message); }

  void OnDirective(std::string_view line) {
    bool followsGrid = lastWasRow_;
    lastWasRow_ = false;
    std::vector<std::string_view> words = Words(line.substr(0, line.find('#')));
    if (words.empty()) return;
    if (!haveKind_ && words[0] != "kind") Fail("the source must start with a 'kind' line");
    if (words[0] == "kind") {
      OnKind(words);
    } else if (words[0] == "colour") {
      OnColour(words);
    } else if (words[0] == "key") {
      OnKey(words);
    } else if (words[0] == "hotspot") {
      OnHotspot(words);
    } else if (words[0] == "image") {
      OnImage(words);
    } else if (words[0] == "design") {
      OnDesign(words);
    } else if (const ShapeRule* rule = ShapeRuleOf(words[0])) {
      OnShape(*rule, words);
    } else if (followsGrid) {
      Fail("unexpected line " + Quote(line) + ": the image above already has all its " +
           std::to_string(asset_.images.back().height) + " rows");
    } else {
      Fail("unknown line " + Quote(line));
    }
  }

  void OnKind(const std::vector<std::string_view>& words) {
    if (haveKind_) Fail("'kind' given twice");
    if (words.size() != 2) Fail("expected 'kind bmp', 'kind ico' or 'kind cur'");
    if (words[1] == "bmp") {
      asset_.kind = Kind::kBitmap;
    } else if (words[1] == "ico") {
      asset_.kind = Kind::kIcon;
    } else if (words[1] == "cur") {
      asset_.kind = Kind::kCursor;
    } else {
      Fail("unknown kind " + Quote(words[1]) + "; expected bmp, ico or cur");
    }
    haveKind_ = true;
  }

  static const ShapeRule* ShapeRuleOf(std::string_view word) {
    for (const ShapeRule& rule : kShapeRules) {
      if (rule.word == word) return &rule;
    }
    return nullptr;
  }

  void OnColour(const std::vector<std::string_view>& words) {
    if (!asset_.images.empty() || asset_.drawing) {
      Fail("colours must be declared before the first image or shape");
    }
    if (words.size() != 3) Fail("expected 'colour <character> <RRGGBB, RRGGBBAA or transparent>'");
    if (words[1].size() != 1) Fail("a pixel character must be a single character, not " + Quote(words[1]));
    char c = words[1][0];
    if (palette_.contains(c)) Fail("character " + Quote(words[1]) + " declared twice");
    std::optional<Rgba> paint = Rgba{};
    if (words[2] == "transparent") {
      if (asset_.kind == Kind::kBitmap) Fail("a bmp picture has no transparent pixels");
      if (haveTransparent_) Fail("only one character may be transparent");
      haveTransparent_ = true;
    } else {
      paint = HexColour(words[2]);
      if (!paint) Fail("colour " + Quote(words[2]) + " is not RRGGBB or RRGGBBAA in hex");
      if (paint->a == 0) Fail("colour " + Quote(words[2]) + " is see-through; declare it 'transparent'");
      if (paint->a < 0xFF && asset_.kind == Kind::kBitmap) Fail("a bmp picture has no see-through colours");
    }
    palette_.emplace(c, *paint);
  }

  void OnKey(const std::vector<std::string_view>& words) {
    if (asset_.kind != Kind::kBitmap) Fail("only a bmp picture has a key colour");
    if (asset_.key) Fail("'key' given twice");
    if (asset_.drawing) Fail("'key' must come before the drawing, whose shapes may not use it");
    if (words.size() != 2) Fail("expected 'key <character>'");
    const Rgba& paint = PaintOf(words[1]);
    asset_.key = Rgb{paint.r, paint.g, paint.b};
  }

  // The paint a declared character stands for.
  const Rgba& PaintOf(std::string_view word) {
    auto found = word.size() == 1 ? palette_.find(word[0]) : palette_.end();
    if (found == palette_.end()) Fail("undeclared character " + Quote(word));
    return found->second;
  }

  void OnHotspot(const std::vector<std::string_view>& words) {
    if (asset_.kind != Kind::kCursor) Fail("only a cursor has a hot spot");
    if (haveHotspot_) Fail("'hotspot' given twice");
    if (words.size() != 3) Fail("expected 'hotspot <column> <row>'");
    std::optional<int> x = Number(words[1]);
    std::optional<int> y = Number(words[2]);
    if (!x || !y || *x < 0 || *y < 0 || *x >= kHotSpotGrid || *y >= kHotSpotGrid) {
      Fail("the hot spot must be two numbers from 0 to 31");
    }
    asset_.hotX = *x;
    asset_.hotY = *y;
    haveHotspot_ = true;
  }

  void OnImage(const std::vector<std::string_view>& words) {
    if (palette_.empty()) Fail("declare the colours before the first image");
    if (words.size() != 2) Fail("expected 'image <width>x<height>'");
    std::size_t cross = words[1].find('x');
    std::optional<int> width = Number(words[1].substr(0, cross));
    std::optional<int> height =
        cross == std::string_view::npos ? std::nullopt : Number(words[1].substr(cross + 1));
    if (!width || !height) Fail("expected 'image <width>x<height>', not " + Quote(words[1]));
    if (*width < 1 || *height < 1 || *width > kMaxBitmapSide || *height > kMaxBitmapSide) {
      Fail("an image is 1 to " + std::to_string(kMaxBitmapSide) + " pixels wide and high");
    }
    if (asset_.kind == Kind::kBitmap) {
      if (!asset_.images.empty()) Fail("a bmp picture holds one image, its 100 % picture");
    } else {
      if (*width != *height ||
          std::find(std::begin(kIconSides), std::end(kIconSides), *width) == std::end(kIconSides)) {
        Fail("an image of " + Describe(asset_.kind) +
             " is 16x16, 20x20, 24x24, 32x32, 40x40, 48x48, 64x64 or 256x256");
      }
      for (const Image& other : asset_.images) {
        if (other.width == *width) Fail("a second " + SideName(*width) + " image");
      }
    }
    Image image;
    image.width = *width;
    image.height = *height;
    image.pixels.reserve(static_cast<std::size_t>(*width) * static_cast<std::size_t>(*height));
    asset_.images.push_back(std::move(image));
    rowsLeft_ = *height;
  }

  void OnDesign(const std::vector<std::string_view>& words) {
    if (asset_.drawing) Fail("'design' given twice");
    std::optional<double> grid = words.size() == 2 ? Decimal(words[1]) : std::nullopt;
    if (!grid || *grid <= 0) Fail("expected 'design <side of the grid>', a number above 0");
    asset_.drawing = Drawing{*grid, {}};
  }

  void OnShape(const ShapeRule& rule, const std::vector<std::string_view>& words) {
    if (!asset_.drawing) Fail("a 'design' line must come before the first shape");
    if (words.size() < 2) Fail("expected '" + std::string(rule.usage) + "'");
    const Rgba& paint = PaintOf(words[1]);
    if (paint.a == 0) Fail("a shape cannot be painted with the transparent character " + Quote(words[1]));
    if (asset_.key && Rgb{paint.r, paint.g, paint.b} == *asset_.key) {
      Fail("a shape cannot be painted with the key colour: it would become see-through");
    }
    Shape shape{rule.type, paint, {}};
    for (std::size_t i = 2; i < words.size(); ++i) {
      std::optional<double> number = Decimal(words[i]);
      if (!number) Fail(Quote(words[i]) + " is not a number; expected '" + std::string(rule.usage) + "'");
      shape.numbers.push_back(*number);
    }
    if (!WellFormed(rule.type, shape.numbers)) {
      Fail("expected '" + std::string(rule.usage) + "' with sizes above 0");
    }
    asset_.drawing->shapes.push_back(std::move(shape));
  }

  void OnRow(std::string_view line) {
    Image& image = asset_.images.back();
    int row = image.height - rowsLeft_ + 1;
    std::string where = "row " + std::to_string(row) + " of image " + std::to_string(asset_.images.size());
    if (static_cast<int>(line.size()) != image.width) {
      Fail(where + " has " + std::to_string(line.size()) + " pixels, expected " +
           std::to_string(image.width));
    }
    for (std::size_t x = 0; x < line.size(); ++x) {
      auto found = palette_.find(line[x]);
      std::string at = where + ", column " + std::to_string(x) + ": ";
      if (found == palette_.end()) Fail(at + "undeclared character " + Quote(line.substr(x, 1)));
      const Rgba& paint = found->second;
      if (paint.a > 0 && paint.a < 0xFF) {
        Fail(at + "see-through colour " + Quote(line.substr(x, 1)) + " is for drawings; a grid is opaque");
      }
      image.pixels.push_back(paint.a == 0 ? Pixel() : Pixel(Rgb{paint.r, paint.g, paint.b}));
    }
    --rowsLeft_;
    lastWasRow_ = true;
  }

  void Finish() {
    if (!haveKind_) Fail("the source is empty");
    if (rowsLeft_ > 0) {
      const Image& image = asset_.images.back();
      Fail("image " + std::to_string(asset_.images.size()) + " ends after " +
           std::to_string(image.height - rowsLeft_) + " of its " + std::to_string(image.height) + " rows");
    }
    if (asset_.kind == Kind::kBitmap) {
      if (asset_.images.empty()) Fail("a bmp picture needs its 100 % image");
      if (asset_.drawing && !asset_.key) Fail("a bmp drawing needs a 'key' line naming its background");
    } else if (!asset_.drawing) {
      for (int side : kIconSides) {
        bool drawn = std::any_of(asset_.images.begin(), asset_.images.end(),
                                 [side](const Image& image) { return image.width == side; });
        if (!drawn) Fail(Describe(asset_.kind) + " without a drawing needs a " + SideName(side) + " image");
      }
    }
    if (asset_.kind == Kind::kCursor && !haveHotspot_) Fail("a cursor needs a 'hotspot' line");
  }

  Asset asset_;
  std::map<char, Rgba> palette_;
  int lineNumber_ = 0;
  int rowsLeft_ = 0;
  bool haveKind_ = false;
  bool haveTransparent_ = false;
  bool haveHotspot_ = false;
  bool lastWasRow_ = false;
};

class Writer {
 public:
  void U8(unsigned value) { bytes_.push_back(static_cast<std::uint8_t>(value)); }
  void U16(unsigned value) {
    U8(value & 0xFF);
    U8(value >> 8);
  }
  void U32(std::uint32_t value) {
    U16(value & 0xFFFF);
    U16(value >> 16);
  }
  void Zeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }
  void Append(const std::vector<std::uint8_t>& more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
  }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kFileHeaderSize = 14;

// Bytes in one row of a bitmap: rows are padded to a multiple of 4 bytes.
std::uint32_t Stride(int width, int bits) { return static_cast<std::uint32_t>((width * bits + 31) / 32 * 4); }

void InfoHeader(Writer& out, int width, int height, int bits, std::uint32_t imageSize,
                std::size_t colours = 0) {
  out.U32(kInfoHeaderSize);
  out.U32(static_cast<std::uint32_t>(width));
  out.U32(static_cast<std::uint32_t>(height));  // positive: the bottom row comes first
  out.U16(1);                                   // planes
  out.U16(static_cast<unsigned>(bits));
  out.U32(0);  // uncompressed
  out.U32(imageSize);
  out.Zeros(8);                                  // resolution unused
  out.U32(static_cast<std::uint32_t>(colours));  // palette entries that follow; 0 for none
  out.U32(0);                                    // all of them matter
}

// A bottom-up .bmp in the fewest bits per pixel that hold its colours
// exactly: a palette of just the colours used (first use first) and 1, 4 or 8
// bits per pixel, or beyond 256 colours 24 bits.
std::vector<std::uint8_t> EncodeBitmap(int width, int height, const std::vector<Rgb>& pixels) {
  std::vector<Rgb> palette;
  for (const Rgb& rgb : pixels) {
    if (std::find(palette.begin(), palette.end(), rgb) == palette.end()) palette.push_back(rgb);
    if (palette.size() > 256) break;
  }
  int bits = 24;
  if (palette.size() <= 256) {
    bits = palette.size() <= 2 ? 1 : palette.size() <= 16 ? 4 : 8;
  } else {
    palette.clear();
  }
  std::uint32_t stride = Stride(width, bits);
  std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height);
  auto offset = static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize + 4 * palette.size());
  Writer out;
  out.U8('B');
  out.U8('M');
  out.U32(offset + imageSize);
  out.U32(0);  // reserved
  out.U32(offset);
  InfoHeader(out, width, height, bits, imageSize, palette.size());
  for (const Rgb& rgb : palette) {
    out.U8(rgb.b);
    out.U8(rgb.g);
    out.U8(rgb.r);
    out.U8(0);
  }
  for (int y = height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(stride, 0);
    for (int x = 0; x < width; ++x) {
      const Rgb& rgb = pixels[static_cast<std::size_t>(y * width + x)];
      auto ux = static_cast<std::size_t>(x);
      if (bits == 24) {
        row[3 * ux] = rgb.b;
        row[3 * ux + 1] = rgb.g;
        row[3 * ux + 2] = rgb.r;
        continue;
      }
      auto index = static_cast<unsigned>(std::find(palette.begin(), palette.end(), rgb) - palette.begin());
      std::size_t bit = ux * static_cast<std::size_t>(bits);
      row[bit / 8] |= static_cast<std::uint8_t>(index << (8 - bits - static_cast<int>(bit % 8)));
    }
    out.Append(row);
  }
  return out.Take();
}

Picture FromGrid(const Image& image) {
  Picture picture{image.width, {}};
  for (const Pixel& pixel : image.pixels) {
    picture.pixels.push_back(pixel ? Rgba{pixel->r, pixel->g, pixel->b, 0xFF} : Rgba{});
  }
  return picture;
}

// One image of an .ico or .cur as a 32-bit DIB: header, blue-green-red-alpha
// pixels, then the AND mask, which readers without alpha use: a set bit lets
// the screen show through where a pixel is fully see-through.
std::vector<std::uint8_t> EncodeDib(const Picture& picture) {
  int side = picture.side;
  std::uint32_t maskStride = Stride(side, 1);
  std::uint32_t rows = static_cast<std::uint32_t>(side);
  Writer out;
  InfoHeader(out, side, side * 2, 32, (Stride(side, 32) + maskStride) * rows);
  std::vector<std::uint8_t> mask(maskStride * rows, 0);
  for (int y = side - 1; y >= 0; --y) {
    for (int x = 0; x < side; ++x) {
      const Rgba& c = picture.At(x, y);
      out.U8(c.b);
      out.U8(c.g);
      out.U8(c.r);
      out.U8(c.a);
      if (c.a == 0) {
        mask[static_cast<std::size_t>(side - 1 - y) * maskStride + static_cast<std::size_t>(x / 8)] |=
            static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
    }
  }
  out.Append(mask);
  return out.Take();
}

// The hot spot is a pixel of the 32x32 picture; at another size it is the
// pixel under the same point.
unsigned HotSpotAt(int hot, int side) {
  return static_cast<unsigned>((2 * hot + 1) * side / (2 * kHotSpotGrid));
}

std::vector<std::uint8_t> EncodeIconFile(const Asset& asset) {
  bool cursor = asset.kind == Kind::kCursor;
  constexpr std::uint32_t kDirectorySize = 6;
  constexpr std::uint32_t kEntrySize = 16;
  Writer out;
  out.U16(0);               // reserved
  out.U16(cursor ? 2 : 1);  // resource type
  out.U16(static_cast<unsigned>(kSideCount));
  std::vector<std::vector<std::uint8_t>> data;
  for (int side : kIconSides) {
    Picture picture = PictureOf(asset, side);
    data.push_back(side >= kPngFromSide ? EncodePng(picture) : EncodeDib(picture));
  }
  auto offset = static_cast<std::uint32_t>(kDirectorySize + kEntrySize * kSideCount);
  for (std::size_t i = 0; i < kSideCount; ++i) {
    unsigned side = static_cast<unsigned>(kIconSides[i]) % 256;  // 0 stands for 256
    out.U8(side);
    out.U8(side);
    out.U8(0);  // no palette
    out.U8(0);  // reserved
    if (cursor) {
      out.U16(HotSpotAt(asset.hotX, kIconSides[i]));
      out.U16(HotSpotAt(asset.hotY, kIconSides[i]));
    } else {
      out.U16(1);   // planes
      out.U16(32);  // bits per pixel
    }
    out.U32(static_cast<std::uint32_t>(data[i].size()));
    out.U32(offset);
    offset += static_cast<std::uint32_t>(data[i].size());
  }
  for (const auto& bytes : data) out.Append(bytes);
  return out.Take();
}

std::vector<Rgb> Opaque(const Picture& picture) {
  std::vector<Rgb> rgb;
  for (const Rgba& c : picture.pixels) rgb.push_back({c.r, c.g, c.b});
  return rgb;
}

}  // namespace

AssetError::AssetError(int line, const std::string& message) : std::runtime_error(message), line_(line) {}

Asset ParseAsset(std::string_view text) { return Parser().Parse(text); }

int ScaledSide(int side, int percent) { return (side * percent + 50) / 100; }

Picture PictureOf(const Asset& asset, int side) {
  for (const Image& image : asset.images) {
    if (image.width == side && image.height == side) return FromGrid(image);
  }
  if (!asset.drawing)
    throw AssetError(0, "the source has neither a " + SideName(side) + " image nor a drawing");
  if (asset.kind == Kind::kBitmap) return RasterizeOnKey(*asset.drawing, side, asset.key.value());
  return Rasterize(*asset.drawing, side);
}

std::vector<std::uint8_t> EncodeAsset(const Asset& asset) {
  if (asset.kind != Kind::kBitmap) return EncodeIconFile(asset);
  const Image& image = asset.images.at(0);
  std::vector<Rgb> pixels;
  for (const Pixel& pixel : image.pixels) pixels.push_back(*pixel);
  return EncodeBitmap(image.width, image.height, pixels);
}

std::vector<std::uint8_t> EncodeScaledBitmap(const Asset& asset, int percent) {
  const Image& image = asset.images.at(0);
  if (asset.kind != Kind::kBitmap || image.width != image.height) {
    throw AssetError(0, "only a square bmp picture has other scales");
  }
  int side = ScaledSide(image.width, percent);
  return EncodeBitmap(side, side, Opaque(PictureOf(asset, side)));
}

}  // namespace assetgen
