#include "remote/RoomSchedule.h"

#include <algorithm>

namespace remote {

RoomSchedule::RoomSchedule(std::vector<MachineChoice> machines, std::size_t mostAtOnce,
                           std::uint32_t timeOutSeconds)
    : machines_(std::move(machines)),
      mostAtOnce_(std::max<std::size_t>(mostAtOnce, 1)),
      timeOutSeconds_(timeOutSeconds),
      answers_(machines_.size()) {
  order_.reserve(machines_.size());
  for (std::size_t i = 0; i < machines_.size(); ++i)
    if (!machines_[i].target.empty()) order_.push_back(i);
  for (std::size_t i = 0; i < machines_.size(); ++i)
    if (machines_[i].target.empty()) order_.push_back(i);
}

std::optional<RoomSchedule::Ask> RoomSchedule::Next(std::uint64_t nowMs) {
  if (started_ == order_.size() || started_ - answered_ >= mostAtOnce_) return std::nullopt;
  const std::size_t index = order_[started_];
  if (machines_[index].target.empty() && answered_ < started_) return std::nullopt;
  if (!firstLeftMs_) firstLeftMs_ = nowMs;
  const std::uint64_t past = (nowMs - std::min(nowMs, *firstLeftMs_)) / 1000;
  ++started_;
  return Ask{index, machines_[index].target,
             past >= timeOutSeconds_ ? 0 : timeOutSeconds_ - static_cast<std::uint32_t>(past)};
}

void RoomSchedule::Answered(std::size_t index, MachineAnswer answer) {
  if (index >= answers_.size() || answers_[index]) return;
  ++answered_;
  if (answer.accepted) ++accepted_;
  answers_[index] = std::move(answer);
}

std::vector<MachineChoice> RoomSchedule::Accepted() const {
  std::vector<MachineChoice> accepted;
  for (std::size_t i = 0; i < machines_.size(); ++i)
    if (answers_[i] && answers_[i]->accepted) accepted.push_back(machines_[i]);
  return accepted;
}

std::vector<RefusalGroup> RoomSchedule::Refusals() const {
  std::vector<RefusalGroup> groups;
  for (std::size_t i = 0; i < machines_.size(); ++i) {
    if (!answers_[i] || answers_[i]->accepted) continue;
    auto group = std::find_if(groups.begin(), groups.end(),
                              [&](const RefusalGroup& g) { return g.refusal == answers_[i]->refusal; });
    if (group == groups.end()) group = groups.insert(groups.end(), {answers_[i]->refusal, {}});
    group->machines.push_back(machines_[i].displayName);
  }
  return groups;
}

}  // namespace remote
