#pragma once
// The real helpers behind NewFormHelper and TheSystemHelper: defined by the
// Win32 sources, and by NoRealHelpers.cpp in the host build, which has none.
#include <memory>

#include "brevok/FormHelper.h"
#include "brevok/SystemHelper.h"

namespace brevok {

std::unique_ptr<FormHelper> NewRealFormHelper();
SystemHelper& RealSystemHelper();

}  // namespace brevok
