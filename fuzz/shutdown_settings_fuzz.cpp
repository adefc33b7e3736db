// The launcher's six settings, whatever its registry section holds: the
// corner is always one of the four, each setting is what its stored text
// says or its default, and what the window writes back reads the same.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz/FuzzInput.h"
#include "launcher/StripSettings.h"
#include "settings/FakeSettingsStore.h"
#include "settings/SettingText.h"
#include "settings/WindowSettings.h"

namespace {

constexpr wchar_t kSection[] = L"frmShutDown";

bool ExpectedFlag(const testing_support::FakeSettingsStore& store, const wchar_t* key) {
  const auto text = store.ReadText(kSection, key);
  return text && settings::TextToBool(*text).value_or(false);
}

// The stored corner's number, or top left's 0.
long ExpectedPos(const testing_support::FakeSettingsStore& store) {
  const auto text = store.ReadText(kSection, L"Pos");
  const auto corner = text ? fuzz::DecimalWithin(fuzz::ReadDecimal(*text), 0, 3) : std::nullopt;
  return corner.value_or(0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using fuzz::Require;
  testing_support::FakeSettingsStore state;
  for (const auto& [section, values] : fuzz::ParseSections(fuzz::Lines(fuzz::WideText(data, size)))) {
    for (const auto& [key, text] : values) state.sections[section][key] = text;
  }
  settings::WindowSettings helper(state, kSection);

  const launcher::StripSettings s = launcher::ReadStripSettings(helper);
  const int pos = static_cast<int>(s.corner);
  Require(pos >= 0 && pos <= 3, "Pos is 0..3");
  Require(pos == ExpectedPos(state), "Pos is the stored corner, or top left");
  Require(s.topMost == ExpectedFlag(state, L"TopMost"), "TopMost is the stored Boolean, or False");
  Require(s.largeButtons == ExpectedFlag(state, L"LageButton"), "LageButton is the stored Boolean, or False");
  Require(s.powerOff == ExpectedFlag(state, L"Powerdown"), "Powerdown is the stored Boolean, or False");
  Require(s.autoEject == ExpectedFlag(state, L"AutoEject"), "AutoEject is the stored Boolean, or False");
  Require(s.standbyButton == ExpectedFlag(state, L"Standby"), "Standby is the stored Boolean, or False");
  Require(std::none_of(state.log.Lines().begin(), state.log.Lines().end(),
                       [](const std::string& call) { return call.starts_with("Write"); }),
          "reading writes nothing");

  launcher::WriteStripSettings(helper, s);
  for (const wchar_t* key : {L"TopMost", L"LageButton", L"Powerdown", L"AutoEject", L"Standby"}) {
    const auto text = state.ReadText(kSection, key);
    Require(text == L"True" || text == L"False", "a Boolean is written True or False");
  }
  Require(state.ReadText(kSection, L"Pos") == std::to_wstring(pos), "Pos is written in decimal");
  Require(launcher::ReadStripSettings(helper) == s, "what was written reads the same");
  return 0;
}
