// The handlers' services on Win32: the window's text boxes, Windows' message box, the
// user's decimal separator from the regional settings.
#pragma once

#include <string>

#include "runtime/services.h"
#include "runtime/win32/form_window.h"

namespace gavrento::win32 {

class Win32Services : public Services {
 public:
  // The window whose controls the handlers reach; the program's name titles error reports.
  Win32Services(const FormWindow& window, std::string program_name);

  std::string Text(std::string_view control) override;
  void SetText(std::string_view control, std::string_view text) override;
  std::string DecimalSeparator() override;
  [[noreturn]] void End() override;

 private:
  HWND TextBox(std::string_view control) const;
  void ShowMessageBox(const MessageBoxContent& box) override;

  const FormWindow& window_;
};

}  // namespace gavrento::win32
