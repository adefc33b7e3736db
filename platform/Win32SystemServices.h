#pragma once
// The real SystemServices, built over the session-end and suspend calls it is
// given, so a test can watch those calls go to fakes. Windows build only.
#include "core/SessionApi.h"
#include "platform/PowerApi.h"
#include "platform/SystemServices.h"

namespace platform {

class Win32SystemServices : public SystemServices {
 public:
  Win32SystemServices(core::SessionApi& session, PowerApi& power) : session_(session), power_(power) {}

  std::int32_t WorkAreaLeft() override;
  std::int32_t WorkAreaTop() override;
  std::int32_t WorkAreaWidth() override;
  std::int32_t WorkAreaBottom() override;
  void DoShutdown() override;
  void DoLogoff() override;
  void DoRestart() override;
  void DoPowerOff() override;
  void DoStandby() override;
  std::uint32_t DriveType(const std::wstring& letter) override;
  bool IsWindowsNT() override;

 private:
  core::SessionApi& session_;
  PowerApi& power_;
};

}  // namespace platform
