#pragma once
// The one owner of the programs' handles: whatever Windows hands out that
// must be given back (a kernel handle, a registry key, a GDI object, a
// module), held by one object, moved and never copied, and given back
// exactly once with the call that matches how it was made. A traits type
// says which handle and how:
//
//   struct Traits {
//     using Type = HANDLE;                               // the handle
//     static constexpr Type Empty() { return nullptr; }  // or INVALID_HANDLE_VALUE
//     static void Close(Type handle);                    // never called on Empty()
//   };
//
// ScopeExit does the same for a pair of calls that is no handle (a paint
// begun and ended, a reason registered and withdrawn). Nothing here needs
// <windows.h>: the traits of each kind of handle sit with the code that
// owns it.
#include <utility>

namespace core {

template <typename Traits>
class Unique {
 public:
  using Type = typename Traits::Type;

  Unique() = default;
  explicit Unique(Type value) noexcept : value_(value) {}
  ~Unique() { reset(); }
  Unique(Unique&& other) noexcept : value_(other.release()) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;

  Type get() const noexcept { return value_; }
  explicit operator bool() const noexcept { return value_ != Traits::Empty(); }
  // Gives the handle up without closing it: its caller owns it now.
  [[nodiscard]] Type release() noexcept { return std::exchange(value_, Traits::Empty()); }
  // Closes what is held, and holds <value> instead.
  void reset(Type value = Traits::Empty()) noexcept {
    const Type previous = std::exchange(value_, value);
    if (previous != Traits::Empty()) Traits::Close(previous);
  }
  // For a call that hands a new handle back through a pointer: closes what
  // is held, and gives the place the new handle goes to.
  Type* put() noexcept {
    reset();
    return &value_;
  }

 private:
  Type value_ = Traits::Empty();
};

// The traits of a handle closed by one call, whose empty value is null: most
// of Windows' handles.
template <typename Handle, auto CloseCall>
struct NullIsEmpty {
  using Type = Handle;
  static constexpr Type Empty() { return nullptr; }
  static void Close(Type handle) { CloseCall(handle); }
};

// Runs <action> when the scope ends, however it ends, unless dismissed.
template <typename Action>
class ScopeExit {
 public:
  explicit ScopeExit(Action action) : action_(std::move(action)) {}
  ~ScopeExit() {
    if (armed_) action_();
  }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;
  void Dismiss() noexcept { armed_ = false; }

 private:
  Action action_;
  bool armed_ = true;
};

}  // namespace core
