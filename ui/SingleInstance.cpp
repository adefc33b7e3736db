#include "ui/SingleInstance.h"

namespace ui {

SingleInstance::SingleInstance(const std::wstring& programName)
    : mutex_(CreateMutexW(nullptr, FALSE, (L"Local\\" + programName + L".SingleInstance").c_str())) {
  // When even the mutex cannot be made, the program runs rather than stay away.
  anotherIsRunning_ = mutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
}

}  // namespace ui
