#include <windows.h>

#include "runtime/progetto.h"
#include "runtime/win32/application.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                    int show_command) {
  return gavrento::win32::RunProject(gavrento::kProgetto, show_command);
}
