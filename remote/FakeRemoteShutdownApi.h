#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "core/CallLog.h"
#include "remote/RemoteShutdownApi.h"

namespace testing_support {

// Records what was asked of which machine ("local" for the local one); answers
// as the test scripts it. It can write into another fake's log, so a test sees
// the order across both seams.
class FakeRemoteShutdownApi : public remote::RemoteShutdownApi {
  CallLog ownLog_;

  static std::string Machine(const std::wstring& machine) {
    return machine.empty() ? "local" : "\"" + Utf8(machine) + "\"";
  }
  core::RequestAnswer Answer(const std::wstring& machine, bool accepts) {
    if (duringRequest) duringRequest();
    if (duringRequestTo) duringRequestTo(machine);
    if (const auto refusal = refusedBy.find(machine); refusal != refusedBy.end())
      return core::RequestAnswer::Refused(refusal->second);
    return accepts ? core::RequestAnswer{} : core::RequestAnswer::Refused(errorCode);
  }

 public:
  FakeRemoteShutdownApi() : log(ownLog_) {}
  explicit FakeRemoteShutdownApi(CallLog& sharedLog) : log(sharedLog) {}
  FakeRemoteShutdownApi(const FakeRemoteShutdownApi&) = delete;
  FakeRemoteShutdownApi& operator=(const FakeRemoteShutdownApi&) = delete;

  CallLog& log;
  bool shutDownAccepts = true;
  bool abortAccepts = true;
  std::uint32_t errorCode = 0;                        // the code of a refusal
  std::map<std::uint32_t, std::wstring> systemTexts;  // codes the fake "system" has text for
  // Runs inside each request, on the thread that makes it, while Windows would
  // be contacting the machine: a test looks at the caller's state there,
  // holds the request as a slow network would, or raises an error from the
  // call.
  std::function<void()> duringRequest;
  // The same for a room, told which machine is asked.
  std::function<void(const std::wstring& machine)> duringRequestTo;
  // Machines that refuse every request with their code, whatever else is set.
  std::map<std::wstring, std::uint32_t> refusedBy;

  core::RequestAnswer AskToShutDown(const std::wstring& machine, const std::wstring& message,
                                    std::uint32_t timeOutSeconds, bool closeApplications,
                                    bool restart) override {
    log.Add("ShutDown", Machine(machine), "\"" + Utf8(message) + "\"", timeOutSeconds,
            closeApplications ? "close apps" : "keep apps", restart ? "restart" : "stay off");
    return Answer(machine, shutDownAccepts);
  }
  core::RequestAnswer AbortShutDown(const std::wstring& machine) override {
    log.Add("AbortShutDown", Machine(machine));
    return Answer(machine, abortAccepts);
  }
  std::wstring SystemText(std::uint32_t code) override {
    const auto found = systemTexts.find(code);
    return found == systemTexts.end() ? std::wstring() : found->second;
  }
};

}  // namespace testing_support
