#pragma once
// The ordered record of calls a recording fake received, one line per call,
// written as name(arg, arg, ...), with wide text as UTF-8. The fakes beside
// the interfaces of every folder write into it, so it sits in the lowest one;
// tests only. Requests asked side by side write into it from their threads.
#include <cstdint>
#include <mutex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

inline std::string Hex(std::uint64_t value) {
  std::ostringstream out;
  out << "0x" << std::hex << std::uppercase << value;
  return out.str();
}

// Wide text as UTF-8, for call logs and test messages.
inline std::string Utf8(std::wstring_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = static_cast<char32_t>(text[i]);
    // wchar_t is UTF-16 on Windows: join a surrogate pair first.
    if (sizeof(wchar_t) == 2 && c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
      c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[++i]) - 0xDC00);
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
  return out;
}

inline std::string Quoted(const char* text) { return text ? "\"" + std::string(text) + "\"" : "null"; }

class CallLog {
 public:
  template <typename... Args>
  void Add(const std::string& name, const Args&... args) {
    std::ostringstream line;
    line << name << '(';
    [[maybe_unused]] const char* separator = "";
    ((line << separator << args, separator = ", "), ...);
    line << ')';
    const std::lock_guard<std::mutex> lock(mutex_);
    lines_.push_back(line.str());
  }
  // Read once the calls have been made.
  const std::vector<std::string>& Lines() const { return lines_; }
  void Clear() { lines_.clear(); }

 private:
  std::mutex mutex_;
  std::vector<std::string> lines_;
};

}  // namespace testing_support
