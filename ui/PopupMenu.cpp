#include "ui/PopupMenu.h"

#include "core/CheckedCall.h"

namespace ui {

PopupMenu::PopupMenu() : menu_(core::CheckedCall(CreatePopupMenu(), "CreatePopupMenu")) {}

void PopupMenu::AddItem(UINT id, const std::wstring& caption, bool radioStyle) const {
  MENUITEMINFOW item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
  item.fType = MFT_STRING | (radioStyle ? MFT_RADIOCHECK : 0);
  item.wID = id;
  item.dwTypeData = const_cast<wchar_t*>(caption.c_str());
  InsertMenuItemW(menu_.get(), GetMenuItemCount(menu_.get()), TRUE, &item);
}

void PopupMenu::AddSeparator(UINT id) const {
  MENUITEMINFOW item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_ID | MIIM_FTYPE;
  item.fType = MFT_SEPARATOR;
  item.wID = id;
  InsertMenuItemW(menu_.get(), GetMenuItemCount(menu_.get()), TRUE, &item);
}

void PopupMenu::SetChecked(UINT id, bool checked) const {
  CheckMenuItem(menu_.get(), id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool PopupMenu::IsChecked(UINT id) const {
  const UINT state = GetMenuState(menu_.get(), id, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & MF_CHECKED);
}

void PopupMenu::SetEnabled(UINT id, bool enabled) const {
  EnableMenuItem(menu_.get(), id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool PopupMenu::IsEnabled(UINT id) const {
  const UINT state = GetMenuState(menu_.get(), id, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

UINT PopupMenu::Track(HWND owner, POINT screenPoint) const {
  // A popup menu closes on a click elsewhere only while its owner is the
  // foreground window, and the owner must get a message after it closes.
  SetForegroundWindow(owner);
  const UINT chosen =
      static_cast<UINT>(TrackPopupMenu(menu_.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD,
                                       screenPoint.x, screenPoint.y, 0, owner, nullptr));
  PostMessageW(owner, WM_NULL, 0, 0);
  return chosen;
}

}  // namespace ui
