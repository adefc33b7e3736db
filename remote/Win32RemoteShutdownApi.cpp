#include <windows.h>

#include "remote/RemoteShutdownApi.h"

namespace remote {
namespace {

class Win32RemoteShutdownApi final : public RemoteShutdownApi {
 public:
  bool InitiateSystemShutdownW(const wchar_t* machineName, const wchar_t* message, std::uint32_t timeout,
                               bool forceAppsClosed, bool rebootAfterShutdown) override {
    // The API takes writable pointers but never writes through them.
    return ::InitiateSystemShutdownW(const_cast<wchar_t*>(machineName), const_cast<wchar_t*>(message),
                                     timeout, forceAppsClosed ? TRUE : FALSE,
                                     rebootAfterShutdown ? TRUE : FALSE) != FALSE;
  }
  bool AbortSystemShutdownW(const wchar_t* machineName) override {
    return ::AbortSystemShutdownW(const_cast<wchar_t*>(machineName)) != FALSE;
  }
  std::uint32_t GetLastError() override { return ::GetLastError(); }
  std::uint32_t FormatMessageW(std::uint32_t flags, const void* source, std::uint32_t messageId,
                               std::uint32_t languageId, wchar_t* buffer, std::uint32_t size,
                               void* arguments) override {
    return ::FormatMessageW(flags, source, messageId, languageId, buffer, size,
                            static_cast<va_list*>(arguments));
  }
};

}  // namespace

RemoteShutdownApi& SystemRemoteShutdownApi() {
  static Win32RemoteShutdownApi api;
  return api;
}

}  // namespace remote
