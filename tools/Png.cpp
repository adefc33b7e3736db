#include "tools/Png.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>

namespace assetgen {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void Chunk(Bytes& out, const char (&type)[5], const Bytes& data) {
  Put32(out, static_cast<std::uint32_t>(data.size()));
  std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  uLong crc = crc32(0, out.data() + start, static_cast<uInt>(out.size() - start));
  Put32(out, static_cast<std::uint32_t>(crc));
}

std::uint32_t Key(const Rgba& c) {
  return static_cast<std::uint32_t>(c.r) << 24 | static_cast<std::uint32_t>(c.g) << 16 |
         static_cast<std::uint32_t>(c.b) << 8 | c.a;
}

// The colours of a picture, see-through ones first so that the transparency
// chunk, which lists alpha up to the last translucent entry, stays short.
std::vector<Rgba> ColoursOf(const Picture& picture) {
  std::map<std::uint32_t, Rgba> unique;
  for (const Rgba& pixel : picture.pixels) unique.emplace(Key(pixel), pixel);
  std::vector<Rgba> colours;
  for (const auto& [key, colour] : unique) colours.push_back(colour);
  std::stable_partition(colours.begin(), colours.end(), [](const Rgba& c) { return c.a < 0xFF; });
  return colours;
}

// Palette rows: each starts with filter type 0 (none), which suits indices,
// whose differences mean nothing.
Bytes PaletteRows(const Picture& picture, const std::vector<Rgba>& colours, int bits) {
  std::map<std::uint32_t, std::uint8_t> index;
  for (std::size_t i = 0; i < colours.size(); ++i) index[Key(colours[i])] = static_cast<std::uint8_t>(i);
  std::size_t stride = (static_cast<std::size_t>(picture.side) * static_cast<std::size_t>(bits) + 7) / 8;
  Bytes rows;
  for (int y = 0; y < picture.side; ++y) {
    rows.push_back(0);
    std::size_t start = rows.size();
    rows.resize(start + stride, 0);
    for (int x = 0; x < picture.side; ++x) {
      std::size_t bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits);
      rows[start + bit / 8] |=
          static_cast<std::uint8_t>(index[Key(picture.At(x, y))] << (8 - bits - bit % 8));
    }
  }
  return rows;
}

std::uint8_t Paeth(int a, int b, int c) {
  int p = a + b - c;
  int pa = std::abs(p - a);
  int pb = std::abs(p - b);
  int pc = std::abs(p - c);
  return static_cast<std::uint8_t>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// RGBA rows, each with the filter whose output has the least sum of absolute
// values: the usual guess at what deflates best.
Bytes RgbaRows(const Picture& picture) {
  constexpr std::size_t kPixel = 4;
  std::size_t stride = static_cast<std::size_t>(picture.side) * kPixel;
  Bytes previous(stride, 0);
  Bytes rows;
  for (int y = 0; y < picture.side; ++y) {
    Bytes row;
    for (int x = 0; x < picture.side; ++x) {
      const Rgba& c = picture.At(x, y);
      row.insert(row.end(), {c.r, c.g, c.b, c.a});
    }
    Bytes best;
    long bestCost = -1;
    for (std::uint8_t filter = 0; filter <= 4; ++filter) {
      Bytes out{filter};
      long cost = 0;
      for (std::size_t i = 0; i < stride; ++i) {
        int a = i >= kPixel ? row[i - kPixel] : 0;
        int b = previous[i];
        int c = i >= kPixel ? previous[i - kPixel] : 0;
        int predicted = filter == 0   ? 0
                        : filter == 1 ? a
                        : filter == 2 ? b
                        : filter == 3 ? (a + b) / 2
                                      : Paeth(a, b, c);
        auto value = static_cast<std::uint8_t>(row[i] - predicted);
        out.push_back(value);
        cost += value < 128 ? value : 256 - value;
      }
      if (bestCost < 0 || cost < bestCost) {
        bestCost = cost;
        best = std::move(out);
      }
    }
    rows.insert(rows.end(), best.begin(), best.end());
    previous = std::move(row);
  }
  return rows;
}

Bytes Deflate(const Bytes& data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  Bytes out(size);
  if (compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), Z_BEST_COMPRESSION) !=
      Z_OK) {
    throw std::runtime_error("zlib could not compress a picture");
  }
  out.resize(size);
  return out;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const Picture& picture) {
  constexpr std::uint8_t kPalette = 3;
  constexpr std::uint8_t kRgba = 6;
  std::vector<Rgba> colours = ColoursOf(picture);
  bool palette = colours.size() <= 256;
  int bits = 8;
  if (palette) {
    bits = colours.size() <= 2 ? 1 : colours.size() <= 4 ? 2 : colours.size() <= 16 ? 4 : 8;
  }
  Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  Put32(header, static_cast<std::uint32_t>(picture.side));
  Put32(header, static_cast<std::uint32_t>(picture.side));
  header.insert(header.end(), {static_cast<std::uint8_t>(bits), palette ? kPalette : kRgba, 0, 0, 0});
  Chunk(out, "IHDR", header);
  if (palette) {
    Bytes entries;
    Bytes alphas;
    for (const Rgba& c : colours) {
      entries.insert(entries.end(), {c.r, c.g, c.b});
      if (c.a < 0xFF) alphas.push_back(c.a);
    }
    Chunk(out, "PLTE", entries);
    if (!alphas.empty()) Chunk(out, "tRNS", alphas);
  }
  Chunk(out, "IDAT", Deflate(palette ? PaletteRows(picture, colours, bits) : RgbaRows(picture)));
  Chunk(out, "IEND", {});
  return out;
}

}  // namespace assetgen
