#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "remote/RemoteShutdownApi.h"
#include "testing/CallLog.h"

namespace testing_support {

// UTF-8 of a wide text for the call record; "null" for a null pointer.
inline std::string QuotedWide(const wchar_t* text) {
  if (!text) return "null";
  std::string out = "\"";
  for (const wchar_t* p = text; *p; ++p) {
    char32_t c = static_cast<char32_t>(*p);
    if constexpr (sizeof(wchar_t) == 2) {
      if (c >= 0xD800 && c < 0xDC00 && p[1] >= 0xDC00 && p[1] < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(p[1]) - 0xDC00);
        ++p;
      }
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out + "\"";
}

// Records every remote-shutdown call; answers as the test scripts it. It can
// write into another fake's log, so a test sees the order across both seams.
class FakeRemoteShutdownApi : public remote::RemoteShutdownApi {
  CallLog ownLog_;
  std::uint32_t lastError_ = 0;

 public:
  FakeRemoteShutdownApi() : log(ownLog_) {}
  explicit FakeRemoteShutdownApi(CallLog& sharedLog) : log(sharedLog) {}
  FakeRemoteShutdownApi(const FakeRemoteShutdownApi&) = delete;
  FakeRemoteShutdownApi& operator=(const FakeRemoteShutdownApi&) = delete;

  CallLog& log;
  bool initiateAccepts = true;
  bool abortAccepts = true;
  std::uint32_t errorCode = 0;                        // what GetLastError answers after a refusal
  std::map<std::uint32_t, std::wstring> systemTexts;  // codes the fake "system" has text for

  bool InitiateSystemShutdownW(const wchar_t* machineName, const wchar_t* message, std::uint32_t timeout,
                               bool forceAppsClosed, bool rebootAfterShutdown) override {
    log.Add("InitiateSystemShutdownW", QuotedWide(machineName), QuotedWide(message), timeout,
            forceAppsClosed ? 1 : 0, rebootAfterShutdown ? 1 : 0);
    lastError_ = initiateAccepts ? 0 : errorCode;
    return initiateAccepts;
  }
  bool AbortSystemShutdownW(const wchar_t* machineName) override {
    log.Add("AbortSystemShutdownW", QuotedWide(machineName));
    lastError_ = abortAccepts ? 0 : errorCode;
    return abortAccepts;
  }
  std::uint32_t GetLastError() override {
    log.Add("GetLastError");
    return lastError_;
  }
  std::uint32_t FormatMessageW(std::uint32_t flags, const void* source, std::uint32_t messageId,
                               std::uint32_t languageId, wchar_t* buffer, std::uint32_t size,
                               void* arguments) override {
    log.Add("FormatMessageW", Hex(flags), source ? "source" : "null", messageId, Hex(languageId), size,
            arguments ? "arguments" : "null");
    const auto found = systemTexts.find(messageId);
    if (found == systemTexts.end() || found->second.size() >= size) return 0;
    found->second.copy(buffer, found->second.size());
    buffer[found->second.size()] = L'\0';
    return static_cast<std::uint32_t>(found->second.size());
  }
};

}  // namespace testing_support
