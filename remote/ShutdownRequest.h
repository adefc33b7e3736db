#pragma once
// Velmar's request object: the parameters of a shutdown request, the request
// to a named or the local machine, its abort, and the text of the last
// failure. It shows nothing; the console window shows LastError.
#include <cstdint>
#include <string>

#include "core/SessionApi.h"
#include "remote/RemoteShutdownApi.h"

namespace remote {

class ShutdownRequest {
 public:
  ShutdownRequest(core::SessionApi& session, RemoteShutdownApi& remote);

  // Asks the machine (empty: the local one) to shut down; true when accepted.
  bool Send(std::wstring machine);
  // Asks the machine (empty: the local one) to abort a pending shutdown.
  bool Abort(std::wstring machine);

  // What the next Send asks for; each stays as set until set again.
  void Message(std::wstring message) { message_ = std::move(message); }
  void TimeOut(std::int32_t timeOut) { timeOut_ = timeOut; }
  void ForceAppsClosed(bool forceAppsClosed) { forceAppsClosed_ = forceAppsClosed; }
  void RebootAfterShutdown(bool rebootAfterShutdown) { rebootAfterShutdown_ = rebootAfterShutdown; }
  const std::wstring& LastError() const { return lastError_; }

 private:
  std::wstring ErrorTextFor(std::uint32_t code);
  bool Finish(core::RequestAnswer answer);

  core::SessionApi& session_;
  RemoteShutdownApi& remote_;
  bool forceAppsClosed_ = true;
  std::wstring message_;
  std::int32_t timeOut_ = 0;
  bool rebootAfterShutdown_ = true;
  std::wstring lastError_;
};

}  // namespace remote
