#pragma once
// A room of machines asked side by side: each machine's request on a thread
// of its own (BackgroundRequest), in the order and under the bound that
// RoomSchedule keeps. It lives on the window's thread: a request's thread only
// posts the window a message that its machine has answered, and the window
// hands that on here, where the answer is taken and the machines that may go
// now are asked. Windows build only.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include <windows.h>

#include "remote/BackgroundRequest.h"
#include "remote/ConsoleTexts.h"
#include "remote/RoomSchedule.h"
#include "remote/ShutdownRequest.h"

namespace remote {

class RoomRequests {
 public:
  // parameters: the message and options of a shut-down (unused for an
  // abort); timeOutSeconds: the room's time-out. Once a machine has
  // answered, its request's thread posts answered to the window, with the
  // machine's index as its wParam.
  RoomRequests(RoomAction action, std::vector<MachineChoice> machines, const ShutdownRequest& parameters,
               std::uint32_t timeOutSeconds, HWND window, UINT answered);

  // Asks the first machines.
  void Start();
  // Machine index has answered: its answer is taken and the next machines
  // asked. False when it has not answered or was taken already.
  bool TakeAnswer(std::size_t index);
  // Takes every answer that is in and asks nobody more: the session ends.
  void TakeAnswersInNow();

  RoomAction Action() const { return action_; }
  const RoomSchedule& Answers() const { return schedule_; }

 private:
  void AskWhatMay();
  void Take(std::size_t index, const BackgroundRequest::Outcome& outcome);

  RoomAction action_;
  RoomSchedule schedule_;
  ShutdownRequest parameters_;
  HWND window_;
  UINT answered_;
  // One request object a machine, each with its own last error; shared with
  // the machine's thread.
  std::vector<std::shared_ptr<ShutdownRequest>> requests_;
  std::vector<BackgroundRequest> threads_;
};

}  // namespace remote
