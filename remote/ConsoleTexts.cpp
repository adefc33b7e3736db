#include "remote/ConsoleTexts.h"

#include <algorithm>
#include <cstdint>

#include "core/Text.h"

namespace remote {

std::wstring WindowCaption(std::wstring_view comments, unsigned major, unsigned minor, unsigned revision) {
  std::wstring caption(comments);
  caption += L"(Ver ";
  caption += core::Decimal(major);
  caption += L".";
  caption += core::Decimal(minor);
  caption += L".";
  caption += core::Decimal(revision);
  return caption + L")";
}

std::wstring ConfirmationText(std::wstring_view displayName) {
  return std::wstring(displayName) + L"をシャットダウンします";
}

namespace {

std::wstring Count(std::size_t count) {
  return std::wstring(core::Decimal(static_cast<std::int64_t>(count))) + L"台";
}

// A file's problem starts with the file, on a line of its own.
std::wstring AboutFile(std::wstring_view file, std::wstring_view text) {
  return file.empty() ? std::wstring(text) : std::wstring(file) + L"\n" + std::wstring(text);
}

}  // namespace

std::wstring RoomConfirmationText(const std::vector<MachineChoice>& machines) {
  std::wstring text = Count(machines.size()) + L"のマシンをシャットダウンします\n";
  const std::size_t named = std::min<std::size_t>(machines.size(), std::size_t{kMachinesNamedInConfirmation});
  for (std::size_t i = 0; i < named; ++i) text += L"\n" + machines[i].displayName;
  if (machines.size() > named) text += L"\nほか" + Count(machines.size() - named);
  return text;
}

std::wstring RoomSummaryText(RoomAction action, const RoomSchedule& answers) {
  std::wstring text = Count(answers.AcceptedCount()) +
                      (action == RoomAction::ShutDown ? L"が受け付けました。" : L"が中止を受け付けました。") +
                      Count(answers.AnsweredCount() - answers.AcceptedCount()) + L"が受け付けませんでした。";
  for (const RefusalGroup& group : answers.Refusals()) {
    text += L"\n\n" + group.refusal + L"\n";
    for (std::size_t i = 0; i < group.machines.size(); ++i) text += (i ? L"、" : L"") + group.machines[i];
  }
  return text;
}

std::wstring ListProblemText(ListProblem problem, std::wstring_view file) {
  if (problem == ListProblem::TooManyMachines) {
    return AboutFile(file, Count(kMostMachinesInAList) +
                               L"を超えるマシンが指定されています。一度に指定できるのは" +
                               Count(kMostMachinesInAList) + L"までです。");
  }
  return AboutFile(file, L"マシン名がありません。");
}

std::wstring ListFileTooLargeText(std::wstring_view file) {
  return AboutFile(file, L"ファイルが大きすぎます。マシンの一覧のファイルは1MB(1048576バイト)までです。");
}

std::wstring ListFileUnreadableText(std::wstring_view file, std::wstring_view errorText) {
  return AboutFile(file, errorText);
}

}  // namespace remote
