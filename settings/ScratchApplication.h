#pragma once
// A throwaway application name for registry tests: unique to the process and
// the test, its whole key under HKCU\Software deleted when the test ends.
// Windows build only.
#include <windows.h>

#include <string>

namespace testing_support {

class ScratchApplication {
 public:
  explicit ScratchApplication(const std::wstring& test)
      : name_(L"BrevokTest_" + std::to_wstring(GetCurrentProcessId()) + L"_" + test) {
    Remove();
  }
  ~ScratchApplication() { Remove(); }
  ScratchApplication(const ScratchApplication&) = delete;
  ScratchApplication& operator=(const ScratchApplication&) = delete;

  const std::wstring& name() const { return name_; }
  std::wstring Path(const std::wstring& section) const { return L"Software\\" + name_ + L"\\" + section; }

 private:
  void Remove() const {
    HKEY software = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_ALL_ACCESS, &software) == ERROR_SUCCESS) {
      RegDeleteTreeW(software, name_.c_str());
      RegCloseKey(software);
    }
  }
  std::wstring name_;
};

}  // namespace testing_support
