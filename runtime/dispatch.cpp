#include "runtime/form.h"
#include "runtime/run_time_error.h"
#include "runtime/services.h"

namespace gavrento {

void DispatchClick(Form& form, std::string_view control, Services& services) {
  try {
    form.Click(control);
  } catch (const RunTimeError& error) {
    services.ReportError(error);
  }
}

}  // namespace gavrento
