// The handlers' services on Qt: the window's text boxes, Qt's message box, the system
// locale's decimal separator.
#pragma once

#include <string>

#include "runtime/qt/form_window.h"
#include "runtime/services.h"

namespace gavrento::qt {

class QtServices : public Services {
 public:
  // The window whose controls the handlers reach; the program's name titles error reports.
  QtServices(FormWindow& window, std::string program_name);

  std::string Text(std::string_view control) override;
  void SetText(std::string_view control, std::string_view text) override;
  int MsgBox(const Variant& prompt, int style, const Variant& title) override;
  std::string DecimalSeparator() override;
  [[noreturn]] void End() override;
  void ReportError(const RunTimeError& error) override;

 private:
  FormWindow& window_;
  std::string program_name_;
};

}  // namespace gavrento::qt
