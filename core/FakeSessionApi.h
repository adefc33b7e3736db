#pragma once
#include "core/SessionApi.h"
#include "testing/CallLog.h"

namespace testing_support {

// Records every session-end call; answers as the test scripts it.
class FakeSessionApi : public core::SessionApi {
 public:
  CallLog log;
  bool versionSucceeds = true;
  std::uint32_t platformId = 2;
  bool tokenOpens = true;
  core::Handle token = 0x44;
  core::Luid shutdownLuid{0x13, 0};

  bool GetVersionExA(core::OsVersionRecord& record) override {
    log.Add("GetVersionExA", "size=" + std::to_string(record.size));
    if (versionSucceeds) record.platformId = platformId;
    return versionSucceeds;
  }
  core::Handle GetCurrentProcess() override {
    log.Add("GetCurrentProcess");
    return static_cast<core::Handle>(-1);
  }
  bool OpenProcessToken(core::Handle process, std::uint32_t access, core::Handle& out) override {
    log.Add("OpenProcessToken", process == static_cast<core::Handle>(-1) ? "current" : Hex(process),
            Hex(access));
    out = tokenOpens ? token : 0;
    return tokenOpens;
  }
  bool LookupPrivilegeValueA(const char* systemName, const char* name, core::Luid& luid) override {
    log.Add("LookupPrivilegeValueA", Quoted(systemName), Quoted(name));
    luid = shutdownLuid;
    return true;
  }
  bool AdjustTokenPrivileges(core::Handle handle, bool disableAll, const core::TokenPrivileges& wanted,
                             std::uint32_t length, core::TokenPrivileges&, std::uint32_t&) override {
    log.Add("AdjustTokenPrivileges", Hex(handle), disableAll ? 1 : 0,
            "{count=" + std::to_string(wanted.count) + " luid=" + std::to_string(wanted.luid.lowPart) + ":" +
                std::to_string(wanted.luid.highPart) + " attributes=" + std::to_string(wanted.attributes) +
                "}",
            length);
    return handle != 0;
  }
  bool CloseHandle(core::Handle handle) override {
    log.Add("CloseHandle", Hex(handle));
    return true;
  }
  bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reserved) override {
    log.Add("ExitWindowsEx", flags, reserved);
    return true;
  }
};

}  // namespace testing_support
