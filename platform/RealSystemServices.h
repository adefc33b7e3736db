#pragma once
// The real services behind TheSystemServices: defined by the Win32 sources,
// and by NoRealSystemServices.cpp in the host build, which has none.
#include "platform/SystemServices.h"

namespace platform {

SystemServices& RealSystemServices();

}  // namespace platform
