// Prints the window's records for the tests written in other languages, so that they take
// their expectations from the same constexpr tables the program is built from:
//   window <tab> NAME <tab> CAPTION
//   control <tab> NAME <tab> KIND <tab> CAPTION <tab> ACCESSIBLE NAME <tab> TAB INDEX
// KIND is label, text box or button.
#include <cstdio>
#include <string_view>

#include "window/supeficie_record.h"

namespace {

std::string_view KindName(gavrento::ControlKind kind) {
  switch (kind) {
    case gavrento::ControlKind::kTextBox:
      return "text box";
    case gavrento::ControlKind::kCommandButton:
      return "button";
    case gavrento::ControlKind::kLabel:
      break;
  }
  return "label";
}

// An empty field may have no characters at all behind it: nothing is written for it.
void Print(std::string_view text) {
  if (!text.empty()) std::fwrite(text.data(), 1, text.size(), stdout);
}

}  // namespace

int main() {
  const gavrento::WindowRecord& window = gavrento::kSupeficie;
  Print("window\t");
  Print(window.name);
  Print("\t");
  Print(window.caption);
  Print("\n");
  for (const gavrento::ControlRecord& control : window.controls) {
    Print("control\t");
    for (const std::string_view field :
         {control.name, KindName(control.kind), control.caption, control.accessible_name}) {
      Print(field);
      Print("\t");
    }
    std::printf("%d\n", control.tab_index);
  }
  return 0;
}
