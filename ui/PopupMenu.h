#pragma once
// A popup menu the window owns: items by command id, with check marks
// (plain or radio-style), enabled states and separators.
#include <windows.h>

#include <string>

#include "ui/Handles.h"

namespace ui {

class PopupMenu {
 public:
  PopupMenu();

  HMENU Handle() const { return menu_.get(); }
  // A radio-style item shows a bullet instead of a tick when checked.
  void AddItem(UINT id, const std::wstring& caption, bool radioStyle = false) const;
  void AddSeparator(UINT id) const;

  void SetChecked(UINT id, bool checked) const;
  bool IsChecked(UINT id) const;
  void SetEnabled(UINT id, bool enabled) const;
  bool IsEnabled(UINT id) const;

  // Shows the menu at a screen point and waits for the choice: the chosen
  // id, or 0 when the menu was dismissed.
  UINT Track(HWND owner, POINT screenPoint) const;

 private:
  UniqueMenu menu_;
};

}  // namespace ui
