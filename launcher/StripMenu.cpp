#include "launcher/StripMenu.h"

namespace launcher {

const std::array<MenuItem, kMenuItemCount>& MenuItems() {
  static const std::array<MenuItem, kMenuItemCount> items{{
      {L"左上", MenuItemKind::Corner, Corner::TopLeft},
      {L"右上", MenuItemKind::Corner, Corner::TopRight},
      {L"右下", MenuItemKind::Corner, Corner::BottomRight},
      {L"左下", MenuItemKind::Corner, Corner::BottomLeft},
      {L"-", MenuItemKind::Separator},
      {L"常に手前", MenuItemKind::Check, {}, &StripSettings::topMost},
      {L"大きいボタン", MenuItemKind::Check, {}, &StripSettings::largeButtons},
      {L"終了で電源断", MenuItemKind::NtOnlyCheck, {}, &StripSettings::powerOff},
      {L"スタンバイボタン", MenuItemKind::Check, {}, &StripSettings::standbyButton},
      {L"-", MenuItemKind::Separator},
      {L"MO自動排出", MenuItemKind::NtOnlyCheck, {}, &StripSettings::autoEject},
      {L"-", MenuItemKind::Separator},
      {L"VuriRivuを終了", MenuItemKind::Quit},
  }};
  return items;
}

MenuState MenuStateAtLoad(const StripSettings& settings, bool isWindowsNT) {
  MenuState state;
  state.enabled.fill(true);
  for (std::size_t k = 0; k < MenuItems().size(); ++k) {
    const MenuItem& item = MenuItems()[k];
    switch (item.kind) {
      case MenuItemKind::Corner:
        state.checked[k] = settings.corner == item.corner;
        break;
      case MenuItemKind::Check:
        state.checked[k] = settings.*item.setting;
        break;
      case MenuItemKind::NtOnlyCheck:
        state.enabled[k] = isWindowsNT;
        state.checked[k] = isWindowsNT && settings.*item.setting;
        break;
      case MenuItemKind::Separator:
      case MenuItemKind::Quit:
        break;
    }
  }
  return state;
}

MenuOutcome ChooseMenuItem(int k, MenuState& state, StripSettings& settings) {
  if (k < 0 || k >= kMenuItemCount || !state.enabled[static_cast<std::size_t>(k)])
    return MenuOutcome::Nothing;
  const auto index = static_cast<std::size_t>(k);
  const MenuItem& item = MenuItems()[index];
  switch (item.kind) {
    case MenuItemKind::Corner:
      for (std::size_t i = 0; i < MenuItems().size(); ++i)
        if (MenuItems()[i].kind == MenuItemKind::Corner) state.checked[i] = i == index;
      settings.corner = item.corner;
      return MenuOutcome::ApplySettings;
    case MenuItemKind::Check:
    case MenuItemKind::NtOnlyCheck:
      state.checked[index] = !state.checked[index];
      settings.*item.setting = state.checked[index];
      return MenuOutcome::ApplySettings;
    case MenuItemKind::Quit:
      return MenuOutcome::Quit;
    case MenuItemKind::Separator:
      break;
  }
  return MenuOutcome::Nothing;
}

}  // namespace launcher
