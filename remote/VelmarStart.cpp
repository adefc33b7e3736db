#include "remote/VelmarStart.h"

#include "core/SessionEnd.h"
#include "remote/ConsoleTexts.h"

namespace remote {

std::unique_ptr<ConsoleWindow> StartVelmar(const ConsoleServices& services, const std::wstring& caption) {
  auto console = std::make_unique<ConsoleWindow>(services);
  console->Open();
  SetWindowTextW(console->Handle(), caption.c_str());
  ShowWindow(console->Handle(), SW_SHOW);
  UpdateWindow(console->Handle());
  if (!core::IsWindowsNT(services.session)) {
    console->ShowMessage(kNotWindowsNT, MB_ICONSTOP);
    console->Close(ui::CloseReason::Code);
  }
  return console;
}

}  // namespace remote
