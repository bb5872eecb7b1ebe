#include "runtime/services.h"

namespace gavrento {

int Services::MsgBox(const Variant& prompt, int style, const Variant& title) {
  ShowMessageBox(HandlerMessageBox(prompt, style, title, program_name_, DecimalSeparator()));
  return kVbOK;
}

void Services::ReportError(const RunTimeError& error) {
  ShowMessageBox(ErrorReportBox(error, program_name_));
}

}  // namespace gavrento
