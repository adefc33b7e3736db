#pragma once
// Windows' answer to a request the programs make of it (end the session,
// suspend, shut a machine down): accepted, or refused with the error code it
// left at the refusal (0 when it left none). An accepted request to end the
// session is not yet an ended session: Windows asks every program first, and
// any of them, or the user, may still stop it.
#include <cstdint>

namespace core {

struct RequestAnswer {
  bool accepted = true;
  std::uint32_t errorCode = 0;

  static RequestAnswer Refused(std::uint32_t errorCode) { return {false, errorCode}; }
};

}  // namespace core
