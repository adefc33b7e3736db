#pragma once
// The owners of the kernel's handles and modules (core/Unique.h). Each other
// kind of handle has its owner beside the code that makes it: registry keys
// in settings/, GDI objects and windows in ui/. Windows build only.
#include <windows.h>

#include "core/Unique.h"

namespace core {

using UniqueHandle = Unique<NullIsEmpty<HANDLE, &CloseHandle>>;
using UniqueModule = Unique<NullIsEmpty<HMODULE, &FreeLibrary>>;

}  // namespace core
