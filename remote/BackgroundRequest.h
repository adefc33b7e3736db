#pragma once
// A remote request run on a thread of its own. Windows may hold a request to
// a machine that is off, misspelt or behind a firewall for tens of seconds;
// the window that asked must keep answering meanwhile, or Windows offers the
// user to end it and the inputs of the run are lost. One request an object:
// the window starts it, is told when it has ended, and takes its outcome on
// its own thread. A room of machines has one of these for each machine.
// Windows build only.
#include <exception>
#include <functional>
#include <memory>
#include <optional>

namespace remote {

class BackgroundRequest {
 public:
  struct Outcome {
    bool accepted = false;
    // What the request raised instead of answering; empty when it answered.
    std::exception_ptr error;
  };

  // The object may go while its request still runs (the session ends): the
  // request finishes on its own, and its ended goes nowhere harmful.
  BackgroundRequest() = default;
  BackgroundRequest(const BackgroundRequest&) = delete;
  BackgroundRequest& operator=(const BackgroundRequest&) = delete;

  // Started and its outcome not taken yet.
  bool UnderWay() const { return state_ != nullptr; }

  // Runs request on a new thread, then ended on that same thread: it only
  // tells the owner (a posted message), never touches it. Only when no
  // request is under way; throws what starting a thread throws.
  void Start(std::function<bool()> request, std::function<void()> ended);

  // The outcome once the request has ended; nothing while it runs or when
  // none was started. Taking it ends the request's time under way.
  std::optional<Outcome> Take();

 private:
  struct State;
  // The thread's start: the C runtime's own, not the thread library's, which
  // adds calls of its own around the request that the recorded journeys
  // would see.
  static unsigned __stdcall Run(void* state);

  std::shared_ptr<State> state_;
};

}  // namespace remote
