#include "runtime/web/web_services.h"

#include <utility>

#include "runtime/web/bridge.h"
#include "runtime/window_rules.h"

namespace gavrento::web {

WebServices::WebServices(const WindowRecord& window, std::string program_name)
    : Services(std::move(program_name)), window_(window) {}

std::string WebServices::Text(std::string_view control) {
  return ElementText(TextBoxRecord(window_, control).name);
}

void WebServices::SetText(std::string_view control, std::string_view text) {
  SetElementText(TextBoxRecord(window_, control).name, text);
}

std::string WebServices::DecimalSeparator() {
  return BrowserDecimalSeparator();
}

void WebServices::End() {
  EndPage(ProgramName() + " è terminato", "Avvia di nuovo " + ProgramName());
}

void WebServices::ShowMessageBox(const MessageBoxContent& box) {
  web::ShowMessageBox(box.title, box.text, box.icon);
}

}  // namespace gavrento::web
