// Starts a project on Win32: its start-up window built from the records, the buttons bound
// to the window's handlers, the messages dispatched until the program ends.
#pragma once

#include "runtime/project_descriptor.h"

namespace gavrento::win32 {

// The program entry: returns the exit status, 0 once the window is closed; a handler may
// end the program before that. show_command is how Windows asks the window to be shown.
int RunProject(const ProjectDescriptor& project, int show_command);

}  // namespace gavrento::win32
