#pragma once
// A SystemServices answering from a script (work area, drive types, platform) and
// recording every call; the Do* requests only land in the log.
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
  // Twips; the default is a 1024 x 738 pixel work area at 96 pixels per inch.
  std::int32_t workLeft = 0;
  std::int32_t workTop = 0;
  std::int32_t workWidth = 15360;
  std::int32_t workBottom = 11070;
  bool windowsNT = true;
  // Letters not listed answer 1 (no root directory), as Windows does for an unused letter.
  std::map<wchar_t, std::uint32_t> driveTypes;
  std::set<wchar_t> failingDrives;  // DriveType throws for these

  std::int32_t WorkAreaLeft() override { return Logged("WorkAreaLeft", workLeft); }
  std::int32_t WorkAreaTop() override { return Logged("WorkAreaTop", workTop); }
  std::int32_t WorkAreaWidth() override { return Logged("WorkAreaWidth", workWidth); }
  std::int32_t WorkAreaBottom() override { return Logged("WorkAreaBottom", workBottom); }
  void DoShutdown() override { log.Add("DoShutdown"); }
  void DoLogoff() override { log.Add("DoLogoff"); }
  void DoRestart() override { log.Add("DoRestart"); }
  void DoPowerOff() override { log.Add("DoPowerOff"); }
  void DoStandby() override { log.Add("DoStandby"); }
  std::uint32_t DriveType(const std::wstring& letter) override {
    log.Add("DriveType", Utf8(letter));
    const wchar_t drive = letter.empty() ? L'\0' : letter.front();
    if (failingDrives.count(drive) != 0) throw std::runtime_error("DriveType failed");
    const auto found = driveTypes.find(drive);
    return found == driveTypes.end() ? platform::kDriveNoRootDir : found->second;
  }
  bool IsWindowsNT() override {
    log.Add("IsWindowsNT");
    return windowsNT;
  }

 private:
  std::int32_t Logged(const char* name, std::int32_t value) {
    log.Add(name);
    return value;
  }
};

}  // namespace testing_support
