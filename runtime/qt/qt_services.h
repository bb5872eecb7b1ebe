// The handlers' services on Qt: the window's text boxes, Qt's message box, the system
// locale's decimal separator.
#pragma once

#include <functional>
#include <string>

#include "runtime/qt/form_window.h"
#include "runtime/services.h"

namespace gavrento::qt {

// What End() does in the program: the process ends at once, with exit status 0. No
// destructor runs, only what was registered with at_quick_exit (runtime_directory.h).
[[noreturn]] void EndProcessAtOnce();

class QtServices : public Services {
 public:
  // The window whose controls the handlers reach; the program's name titles error reports.
  // Tests replace the end of the program with a record of the request.
  QtServices(FormWindow& window, std::string program_name,
             std::function<void()> end_program = EndProcessAtOnce);

  std::string Text(std::string_view control) override;
  void SetText(std::string_view control, std::string_view text) override;
  std::string DecimalSeparator() override;
  void End() override;

 private:
  void ShowMessageBox(const MessageBoxContent& box) override;

  FormWindow& window_;
  std::function<void()> end_program_;
};

}  // namespace gavrento::qt
