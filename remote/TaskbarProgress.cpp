#include "remote/TaskbarProgress.h"

#include <shobjidl.h>

#include <optional>

#include "core/SystemLibrary.h"

namespace remote {
namespace {

// Written here rather than linked from the SDK's uuid library.
constexpr CLSID kTaskbarList = {0x56FDF344, 0xFD6D, 0x11D0, {0x95, 0x8A, 0x00, 0x60, 0x97, 0xC9, 0xA0, 0x90}};
constexpr IID kTaskbarList3 = {0xEA1AFB91, 0x9E28, 0x4B86, {0x90, 0xE9, 0x9E, 0x9F, 0x8A, 0x5E, 0xEF, 0xAF}};

class Win32TaskbarProgress final : public TaskbarProgress {
 public:
  ~Win32TaskbarProgress() override {
    if (taskbar_) taskbar_->Release();
  }

  void Show(HWND window, std::size_t answered, std::size_t total, bool anyRefused) override {
    ITaskbarList3* const taskbar = Taskbar();
    if (!taskbar) return;
    taskbar->SetProgressState(window, anyRefused ? TBPF_ERROR : TBPF_NORMAL);
    taskbar->SetProgressValue(window, answered, total);
  }

  void Clear(HWND window) override {
    if (ITaskbarList3* const taskbar = Taskbar()) taskbar->SetProgressState(window, TBPF_NOPROGRESS);
  }

 private:
  ITaskbarList3* Taskbar() {
    if (asked_) return taskbar_;
    asked_ = true;
    // COM from the system directory only, and only once a room is asked.
    ole32_.emplace(L"ole32.dll");
    const auto initialize = ole32_->Find<HRESULT(WINAPI*)(LPVOID, DWORD)>("CoInitializeEx");
    const auto create =
        ole32_->Find<HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*)>("CoCreateInstance");
    // The window's thread stays in its apartment for the program's life.
    if (!initialize || !create || FAILED(initialize(nullptr, COINIT_APARTMENTTHREADED))) return nullptr;
    void* made = nullptr;
    if (FAILED(create(kTaskbarList, nullptr, CLSCTX_INPROC_SERVER, kTaskbarList3, &made)) || !made)
      return nullptr;
    auto* const taskbar = static_cast<ITaskbarList3*>(made);
    if (FAILED(taskbar->HrInit())) {
      taskbar->Release();
      return nullptr;
    }
    taskbar_ = taskbar;
    return taskbar_;
  }

  bool asked_ = false;
  std::optional<core::SystemLibrary> ole32_;
  ITaskbarList3* taskbar_ = nullptr;
};

}  // namespace

TaskbarProgress& SystemTaskbarProgress() {
  static Win32TaskbarProgress progress;
  return progress;
}

}  // namespace remote
