#pragma once
// The start of Velmar once it knows it is the only copy running: the window
// is loaded, captioned and shown; on a platform other than Windows NT the
// refusal follows and the window is unloaded again (its settings written).
#include <memory>
#include <string>

#include "remote/ConsoleWindow.h"

namespace remote {

// The loaded window, or an unloaded one after the refusal.
std::unique_ptr<ConsoleWindow> StartVelmar(const ConsoleServices& services, const std::wstring& caption);

}  // namespace remote
