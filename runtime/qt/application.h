// Starts a project on Qt: its start-up window built from the records, the buttons bound
// to the window's handlers, the events dispatched until the program ends.
#pragma once

#include <functional>
#include <memory>

#include "runtime/form.h"
#include "runtime/project_descriptor.h"
#include "runtime/qt/form_window.h"
#include "runtime/qt/qt_services.h"

namespace gavrento::qt {

// A window with everything it runs on. Members are destroyed in reverse order: the
// window's code first, the window last.
struct LoadedWindow {
  std::unique_ptr<FormWindow> window;
  std::unique_ptr<QtServices> services;
  std::unique_ptr<Form> form;
};

// Needs a QApplication. Builds and binds the start-up window, with the focus set on its
// first control in tab order, but does not show it. end_program is what End() does.
LoadedWindow LoadStartupWindow(const ProjectDescriptor& project,
                               std::function<void()> end_program = EndProcessAtOnce);

// The program entry: runs until the last window closes (exit status 0) or a handler ends
// the program.
int RunProject(const ProjectDescriptor& project, int argc, char** argv);

}  // namespace gavrento::qt
