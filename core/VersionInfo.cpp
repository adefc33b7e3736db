#include "core/VersionInfo.h"

#include <windows.h>

#include "core/Text.h"

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

std::wstring_view QueryString(const void* block, std::wstring_view translation, std::wstring_view key) {
  FixedText<64> sub;
  sub += L"\\StringFileInfo\\";
  sub += translation;
  sub += L"\\";
  sub += key;
  wchar_t* text = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block, sub.CStr(), reinterpret_cast<void**>(&text), &length) || !text) return {};
  return {text, wcsnlen(text, length)};
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

  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path_.get(), &ignored);
  if (size == 0) return;
  block_.reset(static_cast<unsigned char*>(HeapAlloc(heap, 0, size)));
  if (!block_ || !GetFileVersionInfoW(path_.get(), 0, size, block_.get())) return;

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (VerQueryValueW(block_.get(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed) {
    values_.major = HIWORD(fixed->dwFileVersionMS);
    values_.minor = LOWORD(fixed->dwFileVersionMS);
    values_.revision = LOWORD(fixed->dwFileVersionLS);
  }

  // The strings live under the first translation the resource lists.
  struct Translation {
    WORD language;
    WORD codePage;
  }* translations = nullptr;
  if (VerQueryValueW(block_.get(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                     &length) &&
      translations && length >= sizeof(Translation)) {
    FixedText<8> key;
    key += HexDigits(translations->language, 4);
    key += HexDigits(translations->codePage, 4);
    values_.legalCopyright = QueryString(block_.get(), key, L"LegalCopyright");
    values_.companyName = QueryString(block_.get(), key, L"CompanyName");
    values_.comments = QueryString(block_.get(), key, L"Comments");
  }
}

}  // namespace core
