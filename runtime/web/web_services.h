// The handlers' services in the browser: the page's text boxes, a modal <dialog> as the
// message box, the browser language's decimal separator, and the end of the page.
#pragma once

#include <string>
#include <vector>

#include "runtime/control_record.h"
#include "runtime/services.h"
#include "runtime/window_rules.h"

namespace gavrento::web {

class WebServices : public Services {
 public:
  WebServices(const WindowRecord& window, std::string program_name);

  std::string Text(std::string_view control) override;
  void SetText(std::string_view control, std::string_view text) override;
  std::string DecimalSeparator() override;
  void End() override;

  // The texts written since the last call, in the order written.
  std::vector<WrittenText> TakeWritten();

 private:
  void ShowMessageBox(const MessageBoxContent& box) override;

  const WindowRecord& window_;
  std::vector<WrittenText> written_;
};

}  // namespace gavrento::web
