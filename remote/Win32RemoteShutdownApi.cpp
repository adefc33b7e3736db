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
  std::uint32_t SystemMessage(std::uint32_t code, wchar_t* buffer, std::uint32_t size) override {
    // One line: the message box shows the text directly followed by the code.
    constexpr DWORD kFlags =
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK;
    return ::FormatMessageW(kFlags, nullptr, code, LANG_USER_DEFAULT, buffer, size, nullptr);
  }
};

}  // namespace

RemoteShutdownApi& SystemRemoteShutdownApi() {
  static Win32RemoteShutdownApi api;
  return api;
}

}  // namespace remote
