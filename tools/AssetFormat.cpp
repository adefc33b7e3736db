#include "tools/AssetFormat.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <map>
#include <span>

namespace assetgen {
namespace {

constexpr int kMaxBitmapSide = 1024;
constexpr int kIconLarge = 32;
constexpr int kIconSmall = 16;
constexpr Rgb kBlack{0x00, 0x00, 0x00};
constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};
constexpr Rgb kCursorPalette[2] = {kBlack, kWhite};

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

std::optional<Rgb> HexColour(std::string_view text) {
  if (text.size() != 6) return std::nullopt;
  unsigned value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return Rgb{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
             static_cast<std::uint8_t>(value)};
}

std::span<const Rgb> PaletteOf(Kind kind) {
  if (kind == Kind::kIcon) return kStandardPalette;
  if (kind == Kind::kCursor) return kCursorPalette;
  return {};
}

std::string Describe(Kind kind) {
  switch (kind) {
    case Kind::kBitmap:
      return "a bmp24 picture";
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
    } else if (words[0] == "hotspot") {
      OnHotspot(words);
    } else if (words[0] == "image") {
      OnImage(words);
    } else if (followsGrid) {
      Fail("unexpected line " + Quote(line) + ": the image above already has all its " +
           std::to_string(asset_.images.back().height) + " rows");
    } else {
      Fail("unknown line " + Quote(line));
    }
  }

  void OnKind(const std::vector<std::string_view>& words) {
    if (haveKind_) Fail("'kind' given twice");
    if (words.size() != 2) Fail("expected 'kind bmp24', 'kind ico' or 'kind cur'");
    if (words[1] == "bmp24") {
      asset_.kind = Kind::kBitmap;
    } else if (words[1] == "ico") {
      asset_.kind = Kind::kIcon;
    } else if (words[1] == "cur") {
      asset_.kind = Kind::kCursor;
    } else {
      Fail("unknown kind " + Quote(words[1]) + "; expected bmp24, ico or cur");
    }
    haveKind_ = true;
  }

  void OnColour(const std::vector<std::string_view>& words) {
    if (!asset_.images.empty()) Fail("colours must be declared before the first image");
    if (words.size() != 3) Fail("expected 'colour <character> <RRGGBB or transparent>'");
    if (words[1].size() != 1) Fail("a pixel character must be a single character, not " + Quote(words[1]));
    char c = words[1][0];
    if (palette_.contains(c)) Fail("character " + Quote(words[1]) + " declared twice");
    Pixel pixel;
    if (words[2] == "transparent") {
      if (asset_.kind == Kind::kBitmap) Fail("a bmp24 picture has no transparent pixels");
      if (haveTransparent_) Fail("only one character may be transparent");
      haveTransparent_ = true;
    } else {
      std::optional<Rgb> rgb = HexColour(words[2]);
      if (!rgb) Fail("colour " + Quote(words[2]) + " is not RRGGBB in hex");
      std::span<const Rgb> allowed = PaletteOf(asset_.kind);
      if (!allowed.empty() && std::find(allowed.begin(), allowed.end(), *rgb) == allowed.end()) {
        Fail(
            "colour " + std::string(words[2]) + " cannot be used in " + Describe(asset_.kind) +
            (asset_.kind == Kind::kIcon ? "; use one of the 16 standard colours" : "; use 000000 or FFFFFF"));
      }
      pixel = rgb;
    }
    palette_.emplace(c, pixel);
  }

  void OnHotspot(const std::vector<std::string_view>& words) {
    if (asset_.kind != Kind::kCursor) Fail("only a cursor has a hot spot");
    if (haveHotspot_) Fail("'hotspot' given twice");
    if (words.size() != 3) Fail("expected 'hotspot <column> <row>'");
    std::optional<int> x = Number(words[1]);
    std::optional<int> y = Number(words[2]);
    if (!x || !y || *x < 0 || *y < 0 || *x >= kIconLarge || *y >= kIconLarge) {
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
    std::size_t index = asset_.images.size();
    switch (asset_.kind) {
      case Kind::kBitmap:
        if (index > 0) Fail("a bmp24 picture holds one image");
        break;
      case Kind::kIcon: {
        int side = index == 0 ? kIconLarge : kIconSmall;
        if (index > 1) Fail("an icon holds two images, 32x32 and 16x16");
        if (*width != side || *height != side) {
          Fail("image " + std::to_string(index + 1) + " of an icon must be " + std::to_string(side) + "x" +
               std::to_string(side));
        }
        break;
      }
      case Kind::kCursor:
        if (index > 0) Fail("a cursor holds one image");
        if (*width != kIconLarge || *height != kIconLarge) Fail("a cursor image must be 32x32");
        break;
    }
    Image image;
    image.width = *width;
    image.height = *height;
    image.pixels.reserve(static_cast<std::size_t>(*width) * static_cast<std::size_t>(*height));
    asset_.images.push_back(std::move(image));
    rowsLeft_ = *height;
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
      if (found == palette_.end()) {
        Fail(where + ", column " + std::to_string(x) + ": undeclared character " + Quote(line.substr(x, 1)));
      }
      image.pixels.push_back(found->second);
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
    std::size_t wanted = asset_.kind == Kind::kIcon ? 2 : 1;
    if (asset_.images.size() != wanted) {
      Fail(Describe(asset_.kind) + " needs " + std::to_string(wanted) + " image(s), found " +
           std::to_string(asset_.images.size()));
    }
    if (asset_.kind == Kind::kCursor && !haveHotspot_) Fail("a cursor needs a 'hotspot' line");
  }

  Asset asset_;
  std::map<char, Pixel> palette_;
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

void InfoHeader(Writer& out, int width, int height, int bits, std::uint32_t imageSize) {
  out.U32(kInfoHeaderSize);
  out.U32(static_cast<std::uint32_t>(width));
  out.U32(static_cast<std::uint32_t>(height));  // positive: the bottom row comes first
  out.U16(1);                                   // planes
  out.U16(static_cast<unsigned>(bits));
  out.U32(0);  // uncompressed
  out.U32(imageSize);
  out.Zeros(16);  // resolution and colour counts unused
}

std::vector<std::uint8_t> EncodeBitmap(const Image& image) {
  std::uint32_t stride = Stride(image.width, 24);
  std::uint32_t imageSize = stride * static_cast<std::uint32_t>(image.height);
  Writer out;
  out.U8('B');
  out.U8('M');
  out.U32(kFileHeaderSize + kInfoHeaderSize + imageSize);
  out.U32(0);  // reserved
  out.U32(kFileHeaderSize + kInfoHeaderSize);
  InfoHeader(out, image.width, image.height, 24, imageSize);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const Rgb& rgb = *image.At(x, y);
      out.U8(rgb.b);
      out.U8(rgb.g);
      out.U8(rgb.r);
    }
    out.Zeros(stride - static_cast<std::uint32_t>(image.width * 3));
  }
  return out.Take();
}

// One image of an .ico or .cur: header, palette, colour bits, then the AND
// mask, in which a set bit lets the screen show through. A transparent pixel
// has colour index 0 (black) so that the screen is drawn unchanged.
std::vector<std::uint8_t> EncodeIconImage(const Image& image, std::span<const Rgb> palette, int bits) {
  std::uint32_t colourStride = Stride(image.width, bits);
  std::uint32_t maskStride = Stride(image.width, 1);
  std::uint32_t rows = static_cast<std::uint32_t>(image.height);
  Writer out;
  InfoHeader(out, image.width, image.height * 2, bits, (colourStride + maskStride) * rows);
  for (const Rgb& rgb : palette) {
    out.U8(rgb.b);
    out.U8(rgb.g);
    out.U8(rgb.r);
    out.U8(0);
  }
  std::vector<std::uint8_t> colour(colourStride * rows, 0);
  std::vector<std::uint8_t> mask(maskStride * rows, 0);
  int perByte = 8 / bits;
  for (int y = 0; y < image.height; ++y) {
    std::size_t row = static_cast<std::size_t>(image.height - 1 - y);
    for (int x = 0; x < image.width; ++x) {
      const Pixel& pixel = image.At(x, y);
      if (!pixel) {
        mask[row * maskStride + static_cast<std::size_t>(x / 8)] |=
            static_cast<std::uint8_t>(0x80 >> (x % 8));
        continue;
      }
      auto index = static_cast<unsigned>(std::find(palette.begin(), palette.end(), *pixel) - palette.begin());
      int shift = 8 - bits * (x % perByte + 1);
      colour[row * colourStride + static_cast<std::size_t>(x / perByte)] |=
          static_cast<std::uint8_t>(index << shift);
    }
  }
  out.Append(colour);
  out.Append(mask);
  return out.Take();
}

std::vector<std::uint8_t> EncodeIconFile(const Asset& asset) {
  bool cursor = asset.kind == Kind::kCursor;
  std::span<const Rgb> palette = PaletteOf(asset.kind);
  int bits = cursor ? 1 : 4;
  constexpr std::uint32_t kDirectorySize = 6;
  constexpr std::uint32_t kEntrySize = 16;
  Writer out;
  out.U16(0);               // reserved
  out.U16(cursor ? 2 : 1);  // resource type
  out.U16(static_cast<unsigned>(asset.images.size()));
  std::vector<std::vector<std::uint8_t>> data;
  for (const Image& image : asset.images) data.push_back(EncodeIconImage(image, palette, bits));
  auto offset = static_cast<std::uint32_t>(kDirectorySize + kEntrySize * asset.images.size());
  for (std::size_t i = 0; i < asset.images.size(); ++i) {
    out.U8(static_cast<unsigned>(asset.images[i].width));
    out.U8(static_cast<unsigned>(asset.images[i].height));
    out.U8(static_cast<unsigned>(palette.size()));
    out.U8(0);  // reserved
    if (cursor) {
      out.U16(static_cast<unsigned>(asset.hotX));
      out.U16(static_cast<unsigned>(asset.hotY));
    } else {
      out.U16(1);  // planes
      out.U16(static_cast<unsigned>(bits));
    }
    out.U32(static_cast<std::uint32_t>(data[i].size()));
    out.U32(offset);
    offset += static_cast<std::uint32_t>(data[i].size());
  }
  for (const auto& bytes : data) out.Append(bytes);
  return out.Take();
}

}  // namespace

AssetError::AssetError(int line, const std::string& message) : std::runtime_error(message), line_(line) {}

Asset ParseAsset(std::string_view text) { return Parser().Parse(text); }

std::vector<std::uint8_t> EncodeAsset(const Asset& asset) {
  if (asset.kind == Kind::kBitmap) return EncodeBitmap(asset.images.at(0));
  return EncodeIconFile(asset);
}

}  // namespace assetgen
