#pragma once
// The order in which a room of machines is asked, side by side: at most so
// many requests under way at once, the local machine only once every other
// machine has answered (a short time-out must not end this session before the
// room has been asked), and each machine's time-out shortened by the whole
// seconds since the first request left, so that the room goes down together.
// It keeps every answer and groups the refusals for the summary. No threads
// and no clock of its own: its owner says when.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "remote/MachineHistory.h"

namespace remote {

// As many requests as PowerShell's Stop-Computer has under way at once.
inline constexpr std::size_t kMostRequestsAtOnce = 32;

struct MachineAnswer {
  bool accepted = false;
  // A refusal's text: Windows' text and its code, as one machine's box shows it.
  std::wstring refusal;
};

struct RefusalGroup {
  std::wstring refusal;
  std::vector<std::wstring> machines;  // display names, in the list's order
};

class RoomSchedule {
 public:
  struct Ask {
    std::size_t index;
    std::wstring target;  // empty: the local machine
    std::uint32_t timeOutSeconds;
  };

  RoomSchedule(std::vector<MachineChoice> machines, std::size_t mostAtOnce, std::uint32_t timeOutSeconds);

  // The next machine to ask at nowMs (any steady clock's milliseconds), when
  // the bound and the order let one go now.
  std::optional<Ask> Next(std::uint64_t nowMs);
  void Answered(std::size_t index, MachineAnswer answer);

  const std::vector<MachineChoice>& Machines() const { return machines_; }
  std::size_t AnsweredCount() const { return answered_; }
  bool Done() const { return answered_ == machines_.size(); }
  bool AnyRefused() const { return answered_ > accepted_; }
  std::size_t AcceptedCount() const { return accepted_; }
  // The machines that accepted, in the list's order.
  std::vector<MachineChoice> Accepted() const;
  // One group per refusal text, in the order each first stands in the list.
  std::vector<RefusalGroup> Refusals() const;

 private:
  std::vector<MachineChoice> machines_;
  std::vector<std::size_t> order_;  // every other machine in the list's order, then the local one
  std::size_t mostAtOnce_;
  std::uint32_t timeOutSeconds_;
  std::size_t started_ = 0;
  std::size_t answered_ = 0;
  std::size_t accepted_ = 0;
  std::optional<std::uint64_t> firstLeftMs_;
  std::vector<std::optional<MachineAnswer>> answers_;
};

}  // namespace remote
