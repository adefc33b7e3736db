#pragma once
// The ordered record of calls a recording fake received, one line per call,
// written as name(arg, arg, ...).
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace testing_support {

inline std::string Hex(std::uint64_t value) {
  std::ostringstream out;
  out << "0x" << std::hex << std::uppercase << value;
  return out.str();
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
    lines_.push_back(line.str());
  }
  const std::vector<std::string>& Lines() const { return lines_; }
  void Clear() { lines_.clear(); }

 private:
  std::vector<std::string> lines_;
};

}  // namespace testing_support
