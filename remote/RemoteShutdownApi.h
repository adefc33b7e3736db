#pragma once
// The Windows calls Velmar's request object makes, and nothing more: the real
// implementation forwards them to Windows, the fake in testing/ records them.
// The wide-character calls keep machine names and messages that the ANSI code
// page cannot hold intact.
#include <cstdint>

namespace remote {

class RemoteShutdownApi {
 public:
  virtual ~RemoteShutdownApi() = default;
  virtual bool InitiateSystemShutdownW(const wchar_t* machineName, const wchar_t* message,
                                       std::uint32_t timeout, bool forceAppsClosed,
                                       bool rebootAfterShutdown) = 0;
  virtual bool AbortSystemShutdownW(const wchar_t* machineName) = 0;
  virtual std::uint32_t GetLastError() = 0;
  // The system's one-line text for an error code in the user's language,
  // written into buffer (size characters with the terminator); the number of
  // characters written, 0 when the system has no text for the code.
  virtual std::uint32_t SystemMessage(std::uint32_t code, wchar_t* buffer, std::uint32_t size) = 0;
};

// The process-wide real implementation (Windows builds only).
RemoteShutdownApi& SystemRemoteShutdownApi();

}  // namespace remote
