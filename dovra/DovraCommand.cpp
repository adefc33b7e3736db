#include "dovra/DovraCommand.h"

#include "core/SessionEnd.h"
#include "core/Text.h"

namespace dovra {
namespace {

wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

}  // namespace

std::wstring ArgumentText(std::wstring_view commandLine) {
  // The program name ends at its closing quote, or at the first blank.
  std::size_t end = 0;
  if (!commandLine.empty() && commandLine.front() == L'"') {
    end = commandLine.find(L'"', 1);
    end = end == std::wstring_view::npos ? commandLine.size() : end + 1;
  } else {
    while (end < commandLine.size() && !core::IsBlank(commandLine[end])) ++end;
  }
  return std::wstring(core::TrimBlanks(commandLine.substr(end)));
}

std::optional<std::uint32_t> OptionFlags(std::wstring_view argumentText) {
  std::wstring upper(argumentText);
  for (auto& c : upper) c = AsciiUpper(c);
  if (upper == L"/S") return core::kExitShutdown;
  if (upper == L"/R") return core::kExitReboot;
  if (upper == L"/L") return core::kExitLogoff;
  if (upper == L"/P") return core::kExitPowerOff;
  return std::nullopt;
}

std::wstring UsageText(const core::VersionValues& version) {
  std::wstring text =
      L"コマンドラインでWindowsを終了\r\n"
      L"オプション\r\n"
      L"  /s  終了\r\n"
      L"  /r  再起動\r\n"
      L"  /l  ログオフ\r\n"
      L"  /p  電源断(可能なら)\r\n"
      L"\r\n"
      L"複数指定は出来ません\r\n"
      L"\r\n";
  text += version.fileName + L".exe Ver" + std::to_wstring(version.major) + L"." +
          std::to_wstring(version.minor) + L"." + std::to_wstring(version.revision) + L"\r\n";
  text += version.legalCopyright;
  if (!version.companyName.empty()) text += L"(" + version.companyName + L")";
  return text;
}

}  // namespace dovra
