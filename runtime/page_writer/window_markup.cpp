#include "runtime/page_writer/window_markup.h"

#include <cstddef>

#include "runtime/window_rules.h"

namespace gavrento::page_writer {

namespace {

std::string Named(std::string_view css_class, std::string_view name) {
  return " class=\"" + std::string(css_class) + "\" data-name=\"" + Escaped(name) + "\"";
}

// A text box named by labels takes its name from them, and they take the clicks and taps
// for it; a box with none is named by its record.
std::string Element(const WindowRecord& window, const ControlRecord& control, bool first_focus) {
  const std::string named = Named(KindName(control.kind), control.name);
  const std::string marks = first_focus ? " data-first-focus>" : ">";
  switch (control.kind) {
    case ControlKind::kTextBox:
      return "<input type=\"text\" id=\"" + Escaped(control.name) + "\"" + named +
             " size=\"1\" autocomplete=\"off\" spellcheck=\"false\"" +
             (IsLabelled(window, control.name)
                  ? ""
                  : " aria-label=\"" + Escaped(AccessibleName(control)) + "\"") +
             marks;
    case ControlKind::kCommandButton:
      return "<button type=\"button\"" + named + marks + Escaped(control.caption) + "</button>";
    case ControlKind::kLabel:
      break;
  }
  if (!control.labels.empty()) {
    return "<label for=\"" + Escaped(control.labels) + "\"" + named + marks +
           Escaped(control.caption) + "</label>";
  }
  return "<div" + named + marks + Escaped(control.caption) + "</div>";
}

}  // namespace

std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string WindowMarkup(const WindowRecord& window) {
  std::string out = "<div class=\"window\">\n<h1 class=\"title\">" + Escaped(window.caption) +
                    "</h1>\n<div class=\"client\">\n";
  for (const LineRecord& line : window.lines) {
    out += "<div" + Named("line", line.name) + "></div>\n";
  }
  for (const ControlRecord& control : window.controls) {
    if (!TakesFocus(control)) out += Element(window, control, false) + "\n";
  }
  const ControlRecord* first = FirstInTabOrder(window);
  for (const std::size_t index : TabOrder(window)) {
    const ControlRecord& control = window.controls[index];
    out += Element(window, control, &control == first) + "\n";
  }
  return out + "</div>\n</div>\n";
}

}  // namespace gavrento::page_writer
