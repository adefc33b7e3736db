#include "core/VersionInfo.h"

#include <windows.h>

#include "core/VersionResource.h"

namespace core {
namespace {

// The longest path Windows hands out, in characters.
constexpr DWORD kLongestPath = 32768;

std::wstring_view BaseNameWithoutExtension(std::wstring_view path) {
  const auto slash = path.find_last_of(L"\\/");
  if (slash != std::wstring_view::npos) path.remove_prefix(slash + 1);
  const auto dot = path.find_last_of(L'.');
  if (dot != std::wstring_view::npos) path.remove_suffix(path.size() - dot);
  return path;
}

// UTF-16 in the loaded resource, which is wchar_t's on Windows.
std::wstring_view Wide(std::u16string_view text) {
  return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

}  // namespace

void OwnVersion::HeapFree::operator()(void* block) const { ::HeapFree(GetProcessHeap(), 0, block); }

OwnVersion::OwnVersion() {
  const HANDLE heap = GetProcessHeap();
  DWORD pathLength = 0;
  for (DWORD capacity = MAX_PATH;; capacity *= 2) {
    path_.reset(static_cast<wchar_t*>(HeapAlloc(heap, 0, capacity * sizeof(wchar_t))));
    if (!path_) return;
    pathLength = GetModuleFileNameW(nullptr, path_.get(), capacity);
    if (pathLength < capacity || capacity >= kLongestPath) break;
  }
  if (pathLength == 0) return;
  values_.fileName = BaseNameWithoutExtension({path_.get(), pathLength});

  // The resource stays mapped with the program's image: the views live as long.
  const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
  const HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  const void* block = loaded ? LockResource(loaded) : nullptr;
  if (!block) return;
  const VersionResourceFields fields =
      ReadVersionResource(static_cast<const unsigned char*>(block), SizeofResource(nullptr, found));
  values_.major = fields.major;
  values_.minor = fields.minor;
  values_.revision = fields.revision;
  values_.legalCopyright = Wide(fields.legalCopyright);
  values_.companyName = Wide(fields.companyName);
  values_.comments = Wide(fields.comments);
}

}  // namespace core
