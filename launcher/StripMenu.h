#pragma once
// The launcher's popup menu: its items in the order shown, what each is, its
// check and enabled state, and what choosing it does to the settings.
#include <array>

#include "launcher/StripSettings.h"

namespace launcher {

inline constexpr int kMenuItemCount = 13;

enum class MenuItemKind { Corner, Separator, Check, NtOnlyCheck, Quit };

struct MenuItem {
  const wchar_t* caption;
  MenuItemKind kind;
  Corner corner = Corner::TopLeft;         // where a corner item docks the strip
  bool StripSettings::*setting = nullptr;  // the setting a check item holds
};

const std::array<MenuItem, kMenuItemCount>& MenuItems();

struct MenuState {
  std::array<bool, kMenuItemCount> checked{};
  std::array<bool, kMenuItemCount> enabled{};
  friend bool operator==(const MenuState&, const MenuState&) = default;
};

// The checks as the window's load sets them. Off Windows NT the power-off
// and ejection items are disabled and unchecked, while their settings keep
// what was stored.
MenuState MenuStateAtLoad(const StripSettings& settings, bool isWindowsNT);

enum class MenuOutcome { ApplySettings, Quit, Nothing };

// Item k was chosen: a corner moves the radio mark and the corner; a check
// item inverts its mark and its setting takes the new mark. A separator or a
// disabled item does nothing.
MenuOutcome ChooseMenuItem(int k, MenuState& state, StripSettings& settings);

}  // namespace launcher
