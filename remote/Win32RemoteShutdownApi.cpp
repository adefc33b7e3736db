#include <windows.h>

#include "core/ErrorText.h"
#include "core/SessionEnd.h"
#include "remote/RemoteShutdownApi.h"

namespace remote {
namespace {

// Windows wants an absent machine name or message as a null pointer; the API
// takes writable pointers but never writes through them.
wchar_t* OrNull(const std::wstring& text) {
  return text.empty() ? nullptr : const_cast<wchar_t*>(text.c_str());
}

// The error code is read straight after the call, before anything can replace it.
core::RequestAnswer AnswerOf(BOOL accepted) {
  return accepted ? core::RequestAnswer{} : core::RequestAnswer::Refused(::GetLastError());
}

class Win32RemoteShutdownApi final : public RemoteShutdownApi {
 public:
  core::RequestAnswer AskToShutDown(const std::wstring& machine, const std::wstring& message,
                                    std::uint32_t timeOutSeconds, bool closeApplications,
                                    bool restart) override {
    return AnswerOf(::InitiateSystemShutdownExW(OrNull(machine), OrNull(message), timeOutSeconds,
                                                closeApplications ? TRUE : FALSE, restart ? TRUE : FALSE,
                                                core::kPlannedReason));
  }
  core::RequestAnswer AbortShutDown(const std::wstring& machine) override {
    return AnswerOf(::AbortSystemShutdownW(OrNull(machine)));
  }
  std::wstring SystemText(std::uint32_t code) override { return core::SystemErrorText(code); }
};

}  // namespace

RemoteShutdownApi& SystemRemoteShutdownApi() {
  static Win32RemoteShutdownApi api;
  return api;
}

}  // namespace remote
