#pragma once
// The unexpected errors of the console window's handlers: a step that raises
// instead of returning a result. The handler shows the error's description and
// number; this turns whatever was thrown into those two.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace remote {

// An error with the number and description it is to be shown with.
class RaisedError : public std::runtime_error {
 public:
  RaisedError(std::int32_t number, std::wstring description)
      : std::runtime_error("raised error"), number_(number), description_(std::move(description)) {}
  std::int32_t Number() const { return number_; }
  const std::wstring& Description() const { return description_; }

 private:
  std::int32_t number_;
  std::wstring description_;
};

struct ErrorReport {
  std::wstring description;
  std::int32_t number = 0;
};

// The description and number of the exception being handled; call it only
// inside a catch block.
ErrorReport ReportCurrentException();

}  // namespace remote
