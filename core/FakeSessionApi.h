#pragma once
#include "core/CallLog.h"
#include "core/SessionApi.h"

namespace testing_support {

// Records what was asked of the session; answers the platform as the test sets it.
class FakeSessionApi : public core::SessionApi {
 public:
  CallLog log;
  std::uint32_t platformId = 2;    // 0: the version cannot be read
  core::RequestAnswer exitAnswer;  // how Windows answers an exit request

  std::uint32_t PlatformId() override {
    log.Add("PlatformId");
    return platformId;
  }
  void EnableShutdownPrivilege() override { log.Add("EnableShutdownPrivilege"); }
  core::RequestAnswer RequestExit(std::uint32_t flags) override {
    log.Add("RequestExit", flags);
    return exitAnswer;
  }
};

}  // namespace testing_support
