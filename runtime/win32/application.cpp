#include "runtime/win32/application.h"

#include <windows.h>

#include <memory>
#include <string>

#include "runtime/win32/form_window.h"
#include "runtime/win32/win32_services.h"

namespace gavrento::win32 {

namespace {

// Status for a window Windows would not build; nothing was shown to close.
constexpr int kWindowNotCreated = 1;

// The dialog manager gives the window Tab between its controls and Space on buttons, as
// in a dialog box, without making it one.
int RunMessageLoop(HWND window) {
  MSG message{};
  BOOL got = FALSE;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) != 0) {
    if (got == -1) return static_cast<int>(GetLastError());  // the queue itself failed
    if (IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int RunProject(const ProjectDescriptor& project, int show_command) {
  FormWindow window(*project.startup.record);
  if (!window.Create()) return kWindowNotCreated;
  Win32Services services(window, std::string(project.name));
  const std::unique_ptr<Form> form = project.startup.create(services);
  window.Bind(*form, services);
  window.Show(show_command);
  return RunMessageLoop(window.Handle());
}

}  // namespace gavrento::win32
