#include "dovra/DovraCommand.h"

#include "core/SessionEnd.h"

namespace dovra {
namespace {

// The way each option letter names, in either case.
std::optional<core::SessionEndMode> ModeOfOption(wchar_t letter) {
  switch (core::AsciiUpper(letter)) {
    case L'S':
      return core::SessionEndMode::Shutdown;
    case L'R':
      return core::SessionEndMode::Restart;
    case L'L':
      return core::SessionEndMode::Logoff;
    case L'P':
      return core::SessionEndMode::PowerOff;
    default:
      return std::nullopt;
  }
}

}  // namespace

std::wstring_view ArgumentText(std::wstring_view commandLine) {
  // The program name ends at its closing quote, or at the first blank.
  std::size_t end = 0;
  if (!commandLine.empty() && commandLine.front() == L'"') {
    end = commandLine.find(L'"', 1);
    end = end == std::wstring_view::npos ? commandLine.size() : end + 1;
  } else {
    while (end < commandLine.size() && !core::IsBlank(commandLine[end])) ++end;
  }
  commandLine.remove_prefix(end);
  return core::TrimBlanks(commandLine);
}

std::optional<std::uint32_t> OptionFlags(std::wstring_view argumentText) {
  // Every option is a slash and one letter.
  if (argumentText.size() != 2 || argumentText[0] != L'/') return std::nullopt;
  const std::optional<core::SessionEndMode> mode = ModeOfOption(argumentText[1]);
  return mode ? core::ExitFlagsOf(*mode) : std::nullopt;
}

std::uint32_t ExitCodeOf(const core::RequestAnswer& answer) {
  constexpr std::uint32_t kGeneralFailure = 31;
  if (answer.accepted) return 0;
  return answer.errorCode != 0 ? answer.errorCode : kGeneralFailure;
}

UsageBoxText UsageText(const core::VersionValues& version) {
  UsageBoxText text;
  text +=
      L"コマンドラインでWindowsを終了\r\n"
      L"オプション\r\n"
      L"  /s  終了\r\n"
      L"  /r  再起動\r\n"
      L"  /l  ログオフ\r\n"
      L"  /p  電源断(可能なら)\r\n"
      L"\r\n"
      L"複数指定は出来ません\r\n"
      L"\r\n";
  text += version.fileName;
  text += L".exe Ver";
  text += core::Decimal(version.major);
  text += L".";
  text += core::Decimal(version.minor);
  text += L".";
  text += core::Decimal(version.revision);
  text += L"\r\n";
  text += version.legalCopyright;
  if (!version.companyName.empty()) {
    text += L"(";
    text += version.companyName;
    text += L")";
  }
  return text;
}

}  // namespace dovra
