#pragma once
// For one scope, Windows shows no "no disk" box of its own for this thread's
// calls: an empty card-reader slot answers an open with an error instead of
// a box that holds the call, and everything after it, until someone closes
// it. The thread's mode before is put back after. Windows build only.
#include <windows.h>

namespace platform {

class NoCriticalErrorBoxes {
 public:
  NoCriticalErrorBoxes() { SetThreadErrorMode(GetThreadErrorMode() | SEM_FAILCRITICALERRORS, &previous_); }
  ~NoCriticalErrorBoxes() { SetThreadErrorMode(previous_, nullptr); }
  NoCriticalErrorBoxes(const NoCriticalErrorBoxes&) = delete;
  NoCriticalErrorBoxes& operator=(const NoCriticalErrorBoxes&) = delete;

 private:
  DWORD previous_ = 0;
};

}  // namespace platform
