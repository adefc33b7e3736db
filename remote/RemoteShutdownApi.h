#pragma once
// What Velmar asks of a machine, said by intent: the real implementation
// (Win32RemoteShutdownApi.cpp) makes the Windows calls, the fake beside it
// records what was asked and answers as a test scripts it. The exact calls are
// proven by the journeys on the shipped program. An empty machine name means
// the local machine.
#include <cstdint>
#include <string>

#include "core/RequestAnswer.h"

namespace remote {

class RemoteShutdownApi {
 public:
  virtual ~RemoteShutdownApi() = default;
  // Asks the machine to shut down, or to restart, after showing the message
  // (none when empty) for timeOutSeconds, closing applications without asking
  // them or not; the request is a planned one (core/SessionEnd.h).
  virtual core::RequestAnswer AskToShutDown(const std::wstring& machine, const std::wstring& message,
                                            std::uint32_t timeOutSeconds, bool closeApplications,
                                            bool restart) = 0;
  // Aborts the shut-down pending on the machine.
  virtual core::RequestAnswer AbortShutDown(const std::wstring& machine) = 0;
  // The system's one-line text for an error code in the user's language;
  // empty when the system has none.
  virtual std::wstring SystemText(std::uint32_t code) = 0;
};

// The process-wide real implementation (Windows builds only).
RemoteShutdownApi& SystemRemoteShutdownApi();

}  // namespace remote
