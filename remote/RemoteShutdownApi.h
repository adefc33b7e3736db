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
  virtual std::uint32_t FormatMessageW(std::uint32_t flags, const void* source, std::uint32_t messageId,
                                       std::uint32_t languageId, wchar_t* buffer, std::uint32_t size,
                                       void* arguments) = 0;
};

// The process-wide real implementation (Windows builds only).
RemoteShutdownApi& SystemRemoteShutdownApi();

}  // namespace remote
