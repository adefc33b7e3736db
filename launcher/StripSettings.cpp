#include "launcher/StripSettings.h"

namespace launcher {

StripSettings ReadStripSettings(settings::WindowSettings& helper) {
  StripSettings s;
  const std::int16_t pos = helper.ReadSetting(L"Pos", std::int16_t{kTopLeft});
  s.Pos = pos >= kTopLeft && pos <= kBottomLeft ? pos : std::int16_t{kTopLeft};
  s.TopMost = helper.ReadSetting(L"TopMost", false);
  s.LageButton = helper.ReadSetting(L"LageButton", false);
  s.Powerdown = helper.ReadSetting(L"Powerdown", false);
  s.AutoEject = helper.ReadSetting(L"AutoEject", false);
  s.Standby = helper.ReadSetting(L"Standby", false);
  return s;
}

void WriteStripSettings(settings::WindowSettings& helper, const StripSettings& s) {
  helper.WriteSetting(L"Pos", s.Pos);
  helper.WriteSetting(L"TopMost", s.TopMost);
  helper.WriteSetting(L"LageButton", s.LageButton);
  helper.WriteSetting(L"Powerdown", s.Powerdown);
  helper.WriteSetting(L"AutoEject", s.AutoEject);
  helper.WriteSetting(L"Standby", s.Standby);
}

}  // namespace launcher
