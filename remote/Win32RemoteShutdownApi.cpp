#include <windows.h>

#include "remote/RemoteShutdownApi.h"

namespace remote {
namespace {

// The longest system text Velmar shows, in characters; a longer one counts as none.
constexpr DWORD kSystemTextSize = 255;

// Windows wants an absent machine name or message as a null pointer; the API
// takes writable pointers but never writes through them.
wchar_t* OrNull(const std::wstring& text) {
  return text.empty() ? nullptr : const_cast<wchar_t*>(text.c_str());
}

// The error code is read straight after the call, before anything can replace it.
RemoteAnswer AnswerOf(BOOL accepted) {
  return accepted ? RemoteAnswer{} : RemoteAnswer{false, ::GetLastError()};
}

class Win32RemoteShutdownApi final : public RemoteShutdownApi {
 public:
  RemoteAnswer AskToShutDown(const std::wstring& machine, const std::wstring& message,
                             std::uint32_t timeOutSeconds, bool closeApplications, bool restart) override {
    return AnswerOf(::InitiateSystemShutdownW(OrNull(machine), OrNull(message), timeOutSeconds,
                                              closeApplications ? TRUE : FALSE, restart ? TRUE : FALSE));
  }
  RemoteAnswer AbortShutDown(const std::wstring& machine) override {
    return AnswerOf(::AbortSystemShutdownW(OrNull(machine)));
  }
  std::wstring SystemText(std::uint32_t code) override {
    // One line: the message box shows the text directly followed by the code.
    constexpr DWORD kFlags =
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK;
    wchar_t buffer[kSystemTextSize + 1] = {};
    const DWORD stored =
        ::FormatMessageW(kFlags, nullptr, code, LANG_USER_DEFAULT, buffer, kSystemTextSize, nullptr);
    return std::wstring(buffer, stored);
  }
};

}  // namespace

RemoteShutdownApi& SystemRemoteShutdownApi() {
  static Win32RemoteShutdownApi api;
  return api;
}

}  // namespace remote
