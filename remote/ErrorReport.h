#pragma once
// The unexpected errors of the console window's handlers: a step that raises
// instead of returning a result. The handler shows the error's description and
// number; this turns whatever was thrown into those two.
#include <cstdint>
#include <string>

namespace remote {

struct ErrorReport {
  std::wstring description;
  std::int32_t number = 0;
};

// The description and number of the exception being handled; call it only
// inside a catch block.
ErrorReport ReportCurrentException();

}  // namespace remote
