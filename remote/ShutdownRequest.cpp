#include "remote/ShutdownRequest.h"

#include "core/ErrorText.h"
#include "core/SessionEnd.h"

namespace remote {

ShutdownRequest::ShutdownRequest(core::SessionApi& session, RemoteShutdownApi& remote)
    : session_(session), remote_(remote) {}

bool ShutdownRequest::Send(std::wstring machine) {
  // The privilege runs again on every request: nothing says the token kept it.
  session_.EnableShutdownPrivilege();
  return Finish(remote_.AskToShutDown(machine, message_, static_cast<std::uint32_t>(timeOut_),
                                      forceAppsClosed_, rebootAfterShutdown_));
}

bool ShutdownRequest::Abort(std::wstring machine) {
  session_.EnableShutdownPrivilege();
  return Finish(remote_.AbortShutDown(machine));
}

bool ShutdownRequest::Finish(core::RequestAnswer answer) {
  lastError_ = answer.accepted ? std::wstring() : ErrorTextFor(answer.errorCode);
  return answer.accepted;
}

std::wstring ShutdownRequest::ErrorTextFor(std::uint32_t code) {
  // Code 0 would fetch the system's text for success.
  const auto signedCode = static_cast<std::int32_t>(code);
  return core::ErrorText(signedCode, code == 0 ? std::wstring() : remote_.SystemText(code));
}

}  // namespace remote
