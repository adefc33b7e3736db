#include "remote/ListFile.h"

#include <windows.h>

#include "core/WindowsHandles.h"
#include "remote/MachineList.h"

namespace remote {

ListFileBytes ReadListFileBytes(const std::wstring& path) {
  ListFileBytes read;
  // A file another program is writing may still be read as it stands.
  const HANDLE opened = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) {
    read.errorCode = GetLastError();
    return read;
  }
  const core::UniqueHandle file(opened);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) {
    read.errorCode = GetLastError();
    return read;
  }
  if (size.QuadPart > static_cast<LONGLONG>(kLargestListFile)) {
    read.tooLarge = true;
    return read;
  }
  // One byte more than the largest list: a file that grew meanwhile is
  // still told apart from one of exactly that size.
  read.bytes.resize(kLargestListFile + 1);
  DWORD total = 0;
  for (DWORD got = 1; got != 0 && total < read.bytes.size(); total += got) {
    if (!ReadFile(file.get(), read.bytes.data() + total, static_cast<DWORD>(read.bytes.size() - total), &got,
                  nullptr)) {
      read.errorCode = GetLastError();
      read.bytes.clear();
      return read;
    }
  }
  read.tooLarge = total > kLargestListFile;
  read.bytes.resize(read.tooLarge ? 0 : total);
  return read;
}

std::wstring FromAnsiCodePage(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  std::wstring text(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0)),
                    L'\0');
  if (!text.empty())
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), static_cast<int>(text.size()));
  return text;
}

}  // namespace remote
