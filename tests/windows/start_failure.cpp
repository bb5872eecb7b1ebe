// The program when Windows will not create its window: the window's creation is refused from
// inside this process (a CBT hook, as a policy tool or an exhausted desktop heap would refuse
// it), then the program is started exactly as Gavrento.exe starts it. The user must be told,
// in a message box, and the program must end with status 1: the harness answers the box and
// reads the status. Message boxes themselves are let through.

#include <windows.h>

#include "runtime/progetto.h"
#include "runtime/win32/application.h"

namespace {

// The class of dialog boxes, message boxes among them, as an atom.
constexpr WORD kDialogClassAtom = 32770;

bool IsDialogClass(LPCWSTR class_name) {
  return IS_INTRESOURCE(class_name) &&
         LOWORD(reinterpret_cast<ULONG_PTR>(class_name)) == kDialogClassAtom;
}

// Refuses every top-level window but a dialog box; children are let through.
LRESULT CALLBACK RefuseTopLevelWindows(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_CREATEWND) {
    const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lparam)->lpcs;
    if (create->hwndParent == nullptr && !IsDialogClass(create->lpszClass)) return 1;
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                    int show_command) {
  if (SetWindowsHookExW(WH_CBT, &RefuseTopLevelWindows, nullptr, GetCurrentThreadId()) == nullptr) {
    return 2;
  }
  return gavrento::win32::RunProject(gavrento::kProgetto, show_command);
}
