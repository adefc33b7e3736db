#include "ui/MessageBox.h"

#include "core/VersionInfo.h"

namespace ui {

const std::wstring& ProgramTitle() {
  static const std::wstring title(core::OwnVersion().Values().fileName);
  return title;
}

int ShowMessage(const std::wstring& text, UINT flags, HWND owner) {
  return MessageBoxW(owner, text.c_str(), ProgramTitle().c_str(), flags);
}

}  // namespace ui
