#include "launcher/Countdown.h"

#include "core/Text.h"

namespace launcher {

CountdownCaptions CountdownCaptionsFor(SessionEndMode mode) {
  switch (mode) {
    case SessionEndMode::Logoff:
      return {L"ログオフ", L"秒後にログオフします"};
    case SessionEndMode::Restart:
      return {L"再起動", L"秒後に再起動します"};
    case SessionEndMode::Standby:
      return {L"スタンバイ", L"秒後にスタンバイ状態になります"};
    case SessionEndMode::Shutdown:
    case SessionEndMode::PowerOff:
      break;
  }
  return {L"終了", L"秒後に終了します"};
}

std::optional<int> SignalLamp(int count) {
  if (count < 0 || count > 9) return std::nullopt;
  // 9, 6, 3, 0 green; 8, 5, 2 yellow; 7, 4, 1 red.
  return (9 - count) % 3;
}

CountdownStep NextCountdownStep(int count, const std::wstring& suffix) {
  CountdownStep step;
  step.count = count - 1;
  step.label = std::wstring(core::Decimal(step.count)) + suffix;
  step.lamp = SignalLamp(step.count);
  step.finished = step.count <= 0;
  return step;
}

}  // namespace launcher
