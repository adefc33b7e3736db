// assetgen <source.txt> <output>: makes one .bmp, .ico or .cur file from its
// text source (the format is described in AssetFormat.h).
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/AssetFormat.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: assetgen <source.txt> <output>\n";
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
    bytes = assetgen::EncodeAsset(assetgen::ParseAsset(text.str()));
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
