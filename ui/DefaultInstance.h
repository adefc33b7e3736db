#pragma once
// The program-wide default instance of a window class: made on first use and
// dropped by the window's unload step, so the next use gets a fresh object
// with fresh fields. A caller that is still running on the old object (a
// modal ShowEx waiting for its answer) keeps it alive through its own copy.
#include <memory>

namespace ui {

template <typename Form>
class DefaultInstance {
 public:
  static std::shared_ptr<Form> Get() {
    auto& slot = Slot();
    if (!slot) slot = std::make_shared<Form>();
    return slot;
  }
  // True when the default instance currently exists.
  static bool Exists() { return static_cast<bool>(Slot()); }
  // Only the current object drops itself: an old one, still unloading while
  // a fresh one already serves, leaves the fresh one alone.
  static void Drop(const Form* form) {
    auto& slot = Slot();
    if (slot.get() == form) slot.reset();
  }

 private:
  static std::shared_ptr<Form>& Slot() {
    static std::shared_ptr<Form> slot;
    return slot;
  }
};

}  // namespace ui
