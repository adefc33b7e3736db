#include "launcher/StripSettings.h"

#include <cstdint>

namespace launcher {

StripSettings ReadStripSettings(const settings::WindowSettings& helper) {
  StripSettings s;
  const std::int16_t pos = helper.ReadSetting(L"Pos", std::int16_t{0});
  if (pos >= 0 && pos <= static_cast<std::int16_t>(Corner::BottomLeft)) s.corner = static_cast<Corner>(pos);
  s.topMost = helper.ReadSetting(L"TopMost", false);
  s.largeButtons = helper.ReadSetting(L"LageButton", false);
  s.powerOff = helper.ReadSetting(L"Powerdown", false);
  s.autoEject = helper.ReadSetting(L"AutoEject", false);
  s.standbyButton = helper.ReadSetting(L"Standby", false);
  return s;
}

void WriteStripSettings(settings::WindowSettings& helper, const StripSettings& s) {
  helper.WriteSetting(L"Pos", static_cast<std::int16_t>(s.corner));
  helper.WriteSetting(L"TopMost", s.topMost);
  helper.WriteSetting(L"LageButton", s.largeButtons);
  helper.WriteSetting(L"Powerdown", s.powerOff);
  helper.WriteSetting(L"AutoEject", s.autoEject);
  helper.WriteSetting(L"Standby", s.standbyButton);
}

}  // namespace launcher
