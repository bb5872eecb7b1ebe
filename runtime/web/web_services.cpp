#include "runtime/web/web_services.h"

#include <utility>

#include "runtime/conversions.h"
#include "runtime/web/bridge.h"
#include "runtime/window_rules.h"

namespace gavrento::web {

WebServices::WebServices(const WindowRecord& window, std::string program_name)
    : window_(window), program_name_(std::move(program_name)) {}

std::string WebServices::Text(std::string_view control) {
  return ElementText(TextBoxRecord(window_, control).name);
}

void WebServices::SetText(std::string_view control, std::string_view text) {
  SetElementText(TextBoxRecord(window_, control).name, text);
}

int WebServices::MsgBox(const Variant& prompt, int style, const Variant& title) {
  const std::string separator = DecimalSeparator();
  ShowMessageBox(MessageBoxTitle(title, program_name_, separator), VariantToText(prompt, separator),
                 MessageBoxIcon(style));
  return kVbOK;
}

std::string WebServices::DecimalSeparator() {
  return BrowserDecimalSeparator();
}

void WebServices::End() {
  EndPage(program_name_ + " è terminato", "Avvia di nuovo " + program_name_);
}

void WebServices::ReportError(const RunTimeError& error) {
  ShowMessageBox(program_name_, ErrorReportText(error), MessageIcon::kCritical);
}

}  // namespace gavrento::web
