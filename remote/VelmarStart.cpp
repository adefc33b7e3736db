#include "remote/VelmarStart.h"

#include "core/SessionEnd.h"
#include "remote/ConsoleTexts.h"

namespace remote {

std::unique_ptr<ConsoleWindow> StartVelmar(const ConsoleServices& services, const std::wstring& caption) {
  auto form = std::make_unique<ConsoleWindow>(services);
  form->Load();
  SetWindowTextW(form->Handle(), caption.c_str());
  ShowWindow(form->Handle(), SW_SHOW);
  UpdateWindow(form->Handle());
  if (!core::IsWindowsNT(services.session)) {
    form->ShowMessage(kNotWindowsNT, MB_ICONSTOP);
    form->Close(ui::CloseReason::Code);
  }
  return form;
}

}  // namespace remote
