#pragma once
// Reading a list file named by "@path": its bytes, up to the size a list may
// have, and the ANSI code page a file without a Unicode mark is read in.
// Windows build only.
#include <cstdint>
#include <string>
#include <string_view>

namespace remote {

struct ListFileBytes {
  std::string bytes;
  std::uint32_t errorCode = 0;  // Windows' code when the file cannot be read
  bool tooLarge = false;        // larger than kLargestListFile: not read
};

ListFileBytes ReadListFileBytes(const std::wstring& path);

// Bytes in the ANSI code page of this Windows, as text.
std::wstring FromAnsiCodePage(std::string_view bytes);

}  // namespace remote
