#pragma once
// Message boxes of the program, each under the program's title.
#include <windows.h>

#include <string>

namespace ui {

// The program's title: its executable's name without extension.
const std::wstring& ProgramTitle();

// Shows a message box; flags are the usual MB_ values. Answers the button.
int ShowMessage(const std::wstring& text, UINT flags = MB_OK, HWND owner = nullptr);

}  // namespace ui
