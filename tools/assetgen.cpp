// assetgen <source.txt> <output> [<scale in per cent>]: makes one .bmp, .ico
// or .cur file from its text source (the format is described in
// AssetFormat.h); with a scale, a button picture at that scale.
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string_view>

#include "tools/AssetFormat.h"

int main(int argc, char** argv) {
  int percent = 100;
  if (argc == 4) {
    std::string_view scale = argv[3];
    auto [end, error] = std::from_chars(scale.data(), scale.data() + scale.size(), percent);
    if (error != std::errc() || end != scale.data() + scale.size() || percent < 1) argc = 0;
  }
  if (argc != 3 && argc != 4) {
    std::cerr << "usage: assetgen <source.txt> <output> [<scale in per cent>]\n";
    return 2;
  }
  const char* sourcePath = argv[1];
  const char* outputPath = argv[2];
  std::ifstream source(sourcePath, std::ios::binary);
  if (!source) {
    std::cerr << "assetgen: cannot read " << sourcePath << "\n";
    return 1;
  }
  std::ostringstream text;
  text << source.rdbuf();
  std::vector<std::uint8_t> bytes;
  try {
    assetgen::Asset asset = assetgen::ParseAsset(text.str());
    bytes = percent == 100 ? assetgen::EncodeAsset(asset) : assetgen::EncodeScaledBitmap(asset, percent);
  } catch (const assetgen::AssetError& error) {
    std::cerr << sourcePath << ":" << error.line() << ": error: " << error.what() << "\n";
    return 1;
  }
  std::ofstream output(outputPath, std::ios::binary | std::ios::trunc);
  output.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  output.close();
  if (!output) {
    std::cerr << "assetgen: cannot write " << outputPath << "\n";
    std::remove(outputPath);
    return 1;
  }
  return 0;
}
