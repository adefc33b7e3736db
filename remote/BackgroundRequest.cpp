#include "remote/BackgroundRequest.h"

#include <process.h>
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <utility>

#include "core/CheckedCall.h"

namespace remote {

// Shared by the owner and the thread, so that either may be the last to let
// go of it.
struct BackgroundRequest::State {
  std::function<bool()> request;
  std::function<void()> ended;
  Outcome outcome;
  std::atomic<bool> done{false};
};

unsigned __stdcall BackgroundRequest::Run(void* parameter) {
  const std::unique_ptr<std::shared_ptr<State>> handed(static_cast<std::shared_ptr<State>*>(parameter));
  State& state = **handed;
  try {
    state.outcome.accepted = state.request();
  } catch (...) {
    state.outcome.error = std::current_exception();
  }
  // The outcome stands before the owner can see that it is done.
  state.done.store(true, std::memory_order_release);
  state.ended();
  return 0;
}

void BackgroundRequest::Start(std::function<bool()> request, std::function<void()> ended) {
  auto state = std::make_shared<State>();
  state->request = std::move(request);
  state->ended = std::move(ended);
  auto handed = std::make_unique<std::shared_ptr<State>>(state);
  // A room asks up to 32 machines at once: each thread reserves 64 KB of
  // address space for its stack, not the program's default megabyte.
  constexpr unsigned kStackReserve = 64 * 1024;
  const std::uintptr_t thread =
      _beginthreadex(nullptr, kStackReserve, &Run, handed.get(), STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
  if (thread == 0) core::ThrowLastError("_beginthreadex");
  // The thread owns its share now; it is never waited for.
  handed.release();
  CloseHandle(reinterpret_cast<HANDLE>(thread));
  state_ = std::move(state);
}

std::optional<BackgroundRequest::Outcome> BackgroundRequest::Take() {
  if (!state_ || !state_->done.load(std::memory_order_acquire)) return std::nullopt;
  Outcome outcome = std::move(state_->outcome);
  state_.reset();
  return outcome;
}

}  // namespace remote
