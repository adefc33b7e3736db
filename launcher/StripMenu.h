#pragma once
// The launcher's popup menu items 0 to 12: what each item is, its
// check and enabled state, and what choosing it does to the settings.
#include <array>

#include "launcher/StripSettings.h"

namespace launcher {

inline constexpr int kMenuItemCount = 13;
inline constexpr int kMenuQuit = 12;

enum class MenuItemKind { Corner, Separator, Check, NtOnlyCheck, Quit };

struct MenuItem {
  const wchar_t* caption;
  MenuItemKind kind;
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

enum class MenuOutcome { ApplySettings, Unload, Nothing };

// Item k was chosen: a corner moves the radio mark and Pos; a check item
// inverts its mark and its setting takes the new mark. A separator or a
// disabled item does nothing.
MenuOutcome ChooseMenuItem(int k, MenuState& state, StripSettings& settings);

}  // namespace launcher
