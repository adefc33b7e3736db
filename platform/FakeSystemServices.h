#pragma once
// A SystemServices answering from a script (work area, drive types) and
// recording every call.
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "core/CallLog.h"
#include "platform/SystemServices.h"

namespace testing_support {

class FakeSystemServices : public platform::SystemServices {
 public:
  CallLog log;
  // Pixels; the default is a 1024 x 738 work area.
  platform::WorkArea workArea{0, 0, 1024, 738};
  // Letters not listed answer 1 (no root directory), as Windows does for an unused letter.
  std::map<wchar_t, std::uint32_t> driveTypes;
  std::set<wchar_t> failingDrives;  // DriveType throws for these

  platform::WorkArea DesktopWorkArea() override {
    log.Add("DesktopWorkArea");
    return workArea;
  }
  std::uint32_t DriveType(const std::wstring& letter) override {
    log.Add("DriveType", Utf8(letter));
    const wchar_t drive = letter.empty() ? L'\0' : letter.front();
    if (failingDrives.count(drive) != 0) throw std::runtime_error("DriveType failed");
    const auto found = driveTypes.find(drive);
    return found == driveTypes.end() ? platform::kDriveNoRootDir : found->second;
  }
};

}  // namespace testing_support
