#include "core/VersionInfo.h"

#include <windows.h>

#include <vector>

namespace core {
namespace {

std::wstring OwnPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring BaseNameWithoutExtension(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  const auto dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos) name.resize(dot);
  return name;
}

std::wstring QueryString(const std::vector<BYTE>& block, const wchar_t* translation, const wchar_t* key) {
  const std::wstring sub = std::wstring(L"\\StringFileInfo\\") + translation + L"\\" + key;
  wchar_t* text = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), sub.c_str(), reinterpret_cast<void**>(&text), &length) || !text)
    return {};
  return std::wstring(text, wcsnlen(text, length));
}

}  // namespace

VersionValues ReadOwnVersion() {
  VersionValues values;
  const std::wstring path = OwnPath();
  values.fileName = BaseNameWithoutExtension(path);

  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return values;
  std::vector<BYTE> block(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return values;

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed) {
    values.major = HIWORD(fixed->dwFileVersionMS);
    values.minor = LOWORD(fixed->dwFileVersionMS);
    values.revision = LOWORD(fixed->dwFileVersionLS);
  }

  // The strings live under the first translation the resource lists.
  struct Translation {
    WORD language;
    WORD codePage;
  }* translations = nullptr;
  if (VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                     &length) &&
      translations && length >= sizeof(Translation)) {
    wchar_t key[9];
    swprintf(key, 9, L"%04x%04x", translations->language, translations->codePage);
    values.legalCopyright = QueryString(block, key, L"LegalCopyright");
    values.companyName = QueryString(block, key, L"CompanyName");
    values.comments = QueryString(block, key, L"Comments");
  }
  return values;
}

}  // namespace core
