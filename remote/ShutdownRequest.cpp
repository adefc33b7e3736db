#include "remote/ShutdownRequest.h"

#include <algorithm>

#include "core/SessionEnd.h"
#include "remote/ErrorText.h"

namespace remote {
namespace {

constexpr std::uint32_t kBufferSize = 255;

// An empty name means the local machine, which Windows wants as a null pointer.
const wchar_t* MachinePointer(const std::wstring& machine) {
  return machine.empty() ? nullptr : machine.c_str();
}

}  // namespace

ShutdownRequest::ShutdownRequest(core::SessionApi& session, RemoteShutdownApi& remote)
    : session_(session), remote_(remote) {}

bool ShutdownRequest::Send(std::wstring machine) {
  // The privilege runs again on every request: nothing says the token kept it.
  session_.EnableShutdownPrivilege();
  const bool accepted = remote_.InitiateSystemShutdownW(
      MachinePointer(machine), message_.empty() ? nullptr : message_.c_str(),
      static_cast<std::uint32_t>(timeOut_), forceAppsClosed_, rebootAfterShutdown_);
  return Finish(accepted);
}

bool ShutdownRequest::Abort(std::wstring machine) {
  session_.EnableShutdownPrivilege();
  return Finish(remote_.AbortSystemShutdownW(MachinePointer(machine)));
}

bool ShutdownRequest::Finish(bool accepted) {
  // The code is read straight after the call, before anything can replace it.
  const std::uint32_t code = remote_.GetLastError();
  lastError_ = accepted ? std::wstring() : GetErrorText(code);
  return accepted;
}

std::wstring ShutdownRequest::GetErrorText(std::uint32_t code) {
  const auto signedCode = static_cast<std::int32_t>(code);
  if (code == 0) return ErrorText(signedCode, {});
  std::wstring buffer(kBufferSize + 1, L' ');
  const std::uint32_t stored = remote_.SystemMessage(code, buffer.data(), kBufferSize);
  buffer.resize(std::min(stored, kBufferSize));
  return ErrorText(signedCode, buffer);
}

}  // namespace remote
