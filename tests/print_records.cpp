// Prints the window's records for the tests written in other languages (the Windows build's
// shell checks run it under wine), so that they take their expectations from the same
// constexpr tables the program is built from:
//   window <tab> NAME <tab> CAPTION <tab> CLIENT WIDTH <tab> CLIENT HEIGHT
//   control <tab> NAME <tab> KIND <tab> CAPTION <tab> ACCESSIBLE NAME <tab> TAB INDEX
//   line <tab> NAME <tab> X1 <tab> Y1 <tab> X2 <tab> Y2
// KIND is label, text box or button; sizes and positions are in twips.
#include <cstdio>
#include <string_view>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "window/supeficie_record.h"

namespace {

std::string_view KindText(gavrento::ControlKind kind) {
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
#ifdef _WIN32
  // The tests compare the lines byte for byte: no carriage return before each newline.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  const gavrento::WindowRecord& window = gavrento::kSupeficie;
  Print("window\t");
  Print(window.name);
  Print("\t");
  Print(window.caption);
  std::printf("\t%d\t%d\n", window.client_width, window.client_height);
  for (const gavrento::ControlRecord& control : window.controls) {
    Print("control\t");
    for (const std::string_view field :
         {control.name, KindText(control.kind), control.caption, control.accessible_name}) {
      Print(field);
      Print("\t");
    }
    std::printf("%d\n", control.tab_index);
  }
  for (const gavrento::LineRecord& line : window.lines) {
    Print("line\t");
    Print(line.name);
    std::printf("\t%d\t%d\t%d\t%d\n", line.x1, line.y1, line.x2, line.y2);
  }
  return 0;
}
