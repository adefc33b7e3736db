#include "remote/RoomRequests.h"

#include <exception>
#include <utility>

#include "core/ErrorReport.h"
#include "remote/ErrorText.h"

namespace remote {
namespace {

// What an error raised instead of an answer says: its description and number,
// as a button handler's box shows them.
std::wstring TextOf(std::exception_ptr error) {
  try {
    std::rethrow_exception(std::move(error));
  } catch (...) {
    const core::ErrorReport report = core::ReportCurrentException();
    return HandlerErrorText(L"", report.description, report.number);
  }
}

}  // namespace

RoomRequests::RoomRequests(RoomAction action, std::vector<MachineChoice> machines,
                           const ShutdownRequest& parameters, std::uint32_t timeOutSeconds, HWND window,
                           UINT answered)
    : action_(action),
      schedule_(std::move(machines), kMostRequestsAtOnce, timeOutSeconds),
      parameters_(parameters),
      window_(window),
      answered_(answered),
      requests_(schedule_.Machines().size()),
      threads_(schedule_.Machines().size()) {}

void RoomRequests::Start() { AskWhatMay(); }

void RoomRequests::AskWhatMay() {
  while (const auto ask = schedule_.Next(GetTickCount64())) {
    auto request = std::make_shared<ShutdownRequest>(parameters_);
    request->TimeOut(static_cast<std::int32_t>(ask->timeOutSeconds));
    requests_[ask->index] = request;
    try {
      threads_[ask->index].Start(
          [request, target = ask->target, shutDown = action_ == RoomAction::ShutDown] {
            return shutDown ? request->Send(target) : request->Abort(target);
          },
          [window = window_, answered = answered_, index = ask->index] {
            PostMessageW(window, answered, index, 0);
          });
    } catch (...) {
      // No thread to ask this machine on: it counts as answered with the error.
      schedule_.Answered(ask->index, {false, TextOf(std::current_exception())});
    }
  }
}

void RoomRequests::Take(std::size_t index, const BackgroundRequest::Outcome& outcome) {
  if (outcome.error) {
    schedule_.Answered(index, {false, TextOf(outcome.error)});
  } else {
    schedule_.Answered(index, {outcome.accepted, outcome.accepted ? L"" : requests_[index]->LastError()});
  }
  requests_[index].reset();
}

bool RoomRequests::TakeAnswer(std::size_t index) {
  if (index >= threads_.size()) return false;
  const std::optional<BackgroundRequest::Outcome> outcome = threads_[index].Take();
  if (!outcome) return false;
  Take(index, *outcome);
  AskWhatMay();
  return true;
}

void RoomRequests::TakeAnswersInNow() {
  for (std::size_t i = 0; i < threads_.size(); ++i)
    if (const auto outcome = threads_[i].Take()) Take(i, *outcome);
}

}  // namespace remote
