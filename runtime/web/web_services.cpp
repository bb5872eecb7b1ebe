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
  const std::string_view box = TextBoxRecord(window_, control).name;
  SetElementText(box, text);
  written_.push_back({box, std::string(text)});
}

std::vector<WrittenText> WebServices::TakeWritten() {
  return std::exchange(written_, {});
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
