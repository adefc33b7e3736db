#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "remote/RemoteShutdownApi.h"
#include "testing/CallLog.h"
#include "testing/WideText.h"

namespace testing_support {

// A wide text for the call record, quoted; "null" for a null pointer.
inline std::string QuotedWide(const wchar_t* text) { return text ? "\"" + Utf8(text) + "\"" : "null"; }

// Records every remote-shutdown call; answers as the test scripts it. It can
// write into another fake's log, so a test sees the order across both seams.
class FakeRemoteShutdownApi : public remote::RemoteShutdownApi {
  CallLog ownLog_;
  std::uint32_t lastError_ = 0;

 public:
  FakeRemoteShutdownApi() : log(ownLog_) {}
  explicit FakeRemoteShutdownApi(CallLog& sharedLog) : log(sharedLog) {}
  FakeRemoteShutdownApi(const FakeRemoteShutdownApi&) = delete;
  FakeRemoteShutdownApi& operator=(const FakeRemoteShutdownApi&) = delete;

  CallLog& log;
  bool initiateAccepts = true;
  bool abortAccepts = true;
  std::uint32_t errorCode = 0;                        // what GetLastError answers after a refusal
  std::map<std::uint32_t, std::wstring> systemTexts;  // codes the fake "system" has text for
  // Runs inside each request, while the caller waits for Windows: a test looks
  // at the caller's state there, or raises an error from the call.
  std::function<void()> duringRequest;

  bool InitiateSystemShutdownW(const wchar_t* machineName, const wchar_t* message, std::uint32_t timeout,
                               bool forceAppsClosed, bool rebootAfterShutdown) override {
    log.Add("InitiateSystemShutdownW", QuotedWide(machineName), QuotedWide(message), timeout,
            forceAppsClosed ? 1 : 0, rebootAfterShutdown ? 1 : 0);
    if (duringRequest) duringRequest();
    lastError_ = initiateAccepts ? 0 : errorCode;
    return initiateAccepts;
  }
  bool AbortSystemShutdownW(const wchar_t* machineName) override {
    log.Add("AbortSystemShutdownW", QuotedWide(machineName));
    if (duringRequest) duringRequest();
    lastError_ = abortAccepts ? 0 : errorCode;
    return abortAccepts;
  }
  std::uint32_t GetLastError() override {
    log.Add("GetLastError");
    return lastError_;
  }
  std::uint32_t SystemMessage(std::uint32_t code, wchar_t* buffer, std::uint32_t size) override {
    log.Add("SystemMessage", code, size);
    const auto found = systemTexts.find(code);
    if (found == systemTexts.end() || found->second.size() >= size) return 0;
    found->second.copy(buffer, found->second.size());
    buffer[found->second.size()] = L'\0';
    return static_cast<std::uint32_t>(found->second.size());
  }
};

}  // namespace testing_support
