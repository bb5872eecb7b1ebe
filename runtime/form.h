// A window's own code as the runtime sees it: the handlers bound to its controls' clicks.
#pragma once

#include <memory>
#include <string_view>

namespace gavrento {

class Services;

class Form {
 public:
  Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form() = default;

  virtual bool HasClickHandler(std::string_view control) const = 0;
  // Runs the handler bound to the control's Click; run-time errors travel out of it.
  virtual void Click(std::string_view control) = 0;
};

using FormFactory = std::unique_ptr<Form> (*)(Services& services);

// Runs a click's handler; the one place where an untrapped run-time error is caught, and
// reported. The program then goes on serving the window.
void DispatchClick(Form& form, std::string_view control, Services& services);

}  // namespace gavrento
