#include "runtime/web/web_services.h"

#include <utility>

#include "runtime/conversions.h"
#include "runtime/web/bridge.h"
#include "runtime/window_rules.h"

namespace gavrento::web {

namespace {

BoxIcon IconFor(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kCritical:
      return BoxIcon::kCritical;
    case MessageIcon::kQuestion:
      return BoxIcon::kQuestion;
    case MessageIcon::kExclamation:
      return BoxIcon::kExclamation;
    case MessageIcon::kInformation:
      return BoxIcon::kInformation;
    case MessageIcon::kNone:
      break;
  }
  return BoxIcon::kNone;
}

}  // namespace

WebServices::WebServices(const WindowRecord& window, std::string program_name)
    : window_(window), program_name_(std::move(program_name)) {}

std::string WebServices::Text(std::string_view control) {
  return ElementText(TextBoxRecord(window_, control).name);
}

void WebServices::SetText(std::string_view control, std::string_view text) {
  SetElementText(TextBoxRecord(window_, control).name, text);
}

int WebServices::MsgBox(const Variant& prompt, int style, const Variant& title) {
  const BoxIcon icon = IconFor(MessageBoxIcon(style));
  const std::string separator = DecimalSeparator();
  ShowMessageBox(MessageBoxTitle(title, program_name_, separator), VariantToText(prompt, separator),
                 icon);
  return kVbOK;
}

std::string WebServices::DecimalSeparator() {
  return BrowserDecimalSeparator();
}

void WebServices::End() {
  EndPage(program_name_ + " è terminato", "Avvia di nuovo " + program_name_);
}

void WebServices::ReportError(const RunTimeError& error) {
  ShowMessageBox(program_name_, ErrorReportText(error), BoxIcon::kCritical);
}

}  // namespace gavrento::web
