#pragma once
// What ending a session asks of Windows, said by intent: the real
// implementation (Win32SessionApi.cpp) makes the calls, the fake beside it
// records what was asked. The exact calls are proven by the journeys on the
// shipped programs.
#include <cstdint>

#include "core/RequestAnswer.h"

namespace core {

class SessionApi {
 public:
  virtual ~SessionApi() = default;
  // The platform id Windows reports (2 for Windows NT); 0 when it cannot be read.
  virtual std::uint32_t PlatformId() = 0;
  // Enables SeShutdownPrivilege in the process's own token. Every step runs
  // whatever the one before answered; nothing is reported.
  virtual void EnableShutdownPrivilege() = 0;
  // Asks for the end of the session with an ExitWindowsEx flag word and the
  // planned reason (SessionEnd.h): Windows accepts the request, and goes on
  // to ask every program, or refuses it at once (no privilege in this
  // session, a policy).
  virtual RequestAnswer RequestExit(std::uint32_t flags) = 0;
};

// The process-wide real implementation (Windows builds only).
SessionApi& SystemSessionApi();

}  // namespace core
