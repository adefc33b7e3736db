#include "launcher/StripMenu.h"

namespace launcher {
namespace {

constexpr int kTopMostItem = 5;
constexpr int kLargeItem = 6;
constexpr int kPowerdownItem = 7;
constexpr int kStandbyItem = 8;
constexpr int kAutoEjectItem = 10;

bool* SettingOf(int k, StripSettings& s) {
  switch (k) {
    case kTopMostItem:
      return &s.topMost;
    case kLargeItem:
      return &s.largeButtons;
    case kPowerdownItem:
      return &s.powerOff;
    case kStandbyItem:
      return &s.standbyButton;
    case kAutoEjectItem:
      return &s.autoEject;
    default:
      return nullptr;
  }
}

}  // namespace

const std::array<MenuItem, kMenuItemCount>& MenuItems() {
  static const std::array<MenuItem, kMenuItemCount> items{{
      {L"左上", MenuItemKind::Corner},
      {L"右上", MenuItemKind::Corner},
      {L"右下", MenuItemKind::Corner},
      {L"左下", MenuItemKind::Corner},
      {L"-", MenuItemKind::Separator},
      {L"常に手前", MenuItemKind::Check},
      {L"大きいボタン", MenuItemKind::Check},
      {L"終了で電源断", MenuItemKind::NtOnlyCheck},
      {L"スタンバイボタン", MenuItemKind::Check},
      {L"-", MenuItemKind::Separator},
      {L"MO自動排出", MenuItemKind::NtOnlyCheck},
      {L"-", MenuItemKind::Separator},
      {L"VuriRivuを終了", MenuItemKind::Quit},
  }};
  return items;
}

MenuState MenuStateAtLoad(const StripSettings& settings, bool isWindowsNT) {
  MenuState state;
  state.enabled.fill(true);
  state.checked[static_cast<std::size_t>(settings.corner)] = true;
  StripSettings copy = settings;
  for (const int k : {kTopMostItem, kLargeItem, kStandbyItem}) state.checked[k] = *SettingOf(k, copy);
  for (const int k : {kPowerdownItem, kAutoEjectItem}) {
    state.enabled[k] = isWindowsNT;
    state.checked[k] = isWindowsNT && *SettingOf(k, copy);
  }
  return state;
}

MenuOutcome ChooseMenuItem(int k, MenuState& state, StripSettings& settings) {
  if (k < 0 || k >= kMenuItemCount || !state.enabled[static_cast<std::size_t>(k)])
    return MenuOutcome::Nothing;
  const auto index = static_cast<std::size_t>(k);
  switch (MenuItems()[index].kind) {
    case MenuItemKind::Corner:
      for (int corner = kTopLeft; corner <= kBottomLeft; ++corner) state.checked[corner] = corner == k;
      settings.corner = static_cast<std::int16_t>(k);
      return MenuOutcome::ApplySettings;
    case MenuItemKind::Check:
    case MenuItemKind::NtOnlyCheck:
      state.checked[index] = !state.checked[index];
      *SettingOf(k, settings) = state.checked[index];
      return MenuOutcome::ApplySettings;
    case MenuItemKind::Quit:
      return MenuOutcome::Unload;
    case MenuItemKind::Separator:
      break;
  }
  return MenuOutcome::Nothing;
}

}  // namespace launcher
