#pragma once
// The one translator at the edge of both windowed programs and of Velmar's
// button handlers: whatever a step raised instead of returning a result
// becomes a description a user reads and the number shown with it.
#include <cstdint>
#include <string>

namespace core {

struct ErrorReport {
  std::wstring description;
  std::int32_t number = 0;
};

// The description and number of the exception being handled; call it only
// inside a catch block.
ErrorReport ReportCurrentException();

}  // namespace core
