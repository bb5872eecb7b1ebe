#include "runtime/win32/application.h"

#include <windows.h>

#include <memory>
#include <string>

#include "runtime/start_failure.h"
#include "runtime/win32/form_window.h"
#include "runtime/win32/wide_text.h"
#include "runtime/win32/win32_services.h"

namespace gavrento::win32 {

namespace {

// The dialog manager gives the window Tab between its controls and Space on buttons, as
// in a dialog box, without making it one.
int RunMessageLoop(HWND window) {
  MSG message{};
  BOOL got = FALSE;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) != 0) {
    if (got == -1) return static_cast<int>(GetLastError());  // the queue itself failed
    if (IsDialogMessageW(window, &message) != FALSE) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

// Windows' own description of an error, in the user's language; empty where it has none.
std::wstring SystemMessage(DWORD error) {
  wchar_t* message = nullptr;
  const DWORD flags =
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
  if (error == ERROR_SUCCESS ||
      FormatMessageW(flags, nullptr, error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr) ==
          0) {
    return {};
  }
  std::wstring text(message);
  LocalFree(message);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) text.pop_back();
  return text;
}

// Nothing else will be shown: without this the program would end without a word.
int ReportWindowNotOpened(const ProjectDescriptor& project, DWORD error) {
  const StartFailure failure = WindowNotOpened(Utf8(SystemMessage(error)));
  MessageBoxW(nullptr, Wide(failure.text).c_str(), Wide(project.name).c_str(),
              MB_OK | MB_ICONERROR);
  return failure.status;
}

}  // namespace

int RunProject(const ProjectDescriptor& project, int show_command) {
  FormWindow window(*project.startup.record);
  if (!window.Create()) {
    return ReportWindowNotOpened(project, GetLastError());
  }
  Win32Services services(window, std::string(project.name));
  const std::unique_ptr<Form> form = project.startup.create(services);
  window.Bind(*form, services);
  window.Show(show_command);
  return RunMessageLoop(window.Handle());
}

}  // namespace gavrento::win32
