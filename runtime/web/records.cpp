// Prints the window's records as the page shows them, as JSON, for the build and the tests
// of the web runtime: the fonts are cut down to the characters each face draws, and the
// browser tests take every expected name, caption, box and the tab order from here rather
// than from a copy. Run under node at build time.
#include <cstdio>
#include <string>
#include <string_view>

#include "runtime/units.h"
#include "runtime/web/fonts.h"
#include "runtime/window_rules.h"
#include "window/supeficie_record.h"

namespace {

using gavrento::PixelBox;

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

std::string Box(const PixelBox& box) {
  return "{\"left\": " + std::to_string(box.left) + ", \"top\": " + std::to_string(box.top) +
         ", \"width\": " + std::to_string(box.width) +
         ", \"height\": " + std::to_string(box.height) + "}";
}

std::string Font(const gavrento::FontDescriptor& descriptor) {
  const gavrento::web::CssFont font = gavrento::web::FontFor(descriptor);
  return "{\"family\": " + Quoted(font.family) + ", \"pixels\": " + std::to_string(font.pixels) +
         ", \"weight\": " + std::to_string(font.weight) +
         ", \"italic\": " + (font.italic ? "true" : "false") + "}";
}

}  // namespace

int main() {
  const gavrento::WindowRecord& window = gavrento::kSupeficie;
  std::string out = "{\"name\": " + Quoted(window.name) +
                    ", \"caption\": " + Quoted(window.caption) +
                    ",\n \"client\": " + Box(gavrento::ClientBox(window)) +
                    ", \"font\": " + Font(window.font) + ",\n \"controls\": [";
  const char* separator = "\n  ";
  for (const gavrento::ControlRecord& control : window.controls) {
    out += separator;
    separator = ",\n  ";
    out +=
        "{\"name\": " + Quoted(control.name) +
        ", \"kind\": " + Quoted(gavrento::KindName(control.kind)) +
        ", \"caption\": " + Quoted(control.caption) +
        ", \"accessibleName\": " + Quoted(gavrento::AccessibleName(control)) +
        ", \"box\": " + Box(gavrento::ControlBox(control)) + ", \"font\": " + Font(control.font) +
        ", \"coloured\": " + (control.colour != gavrento::kDefaultColour ? "true" : "false") + "}";
  }
  out += "],\n \"lines\": [";
  separator = "\n  ";
  for (const gavrento::LineRecord& line : window.lines) {
    out += separator;
    separator = ",\n  ";
    out += "{\"name\": " + Quoted(line.name) + ", \"box\": " + Box(gavrento::LineBox(line)) + "}";
  }
  out += "],\n \"tabOrder\": [";
  separator = "";
  for (const std::size_t index : gavrento::TabOrder(window)) {
    out += separator + Quoted(window.controls[index].name);
    separator = ", ";
  }
  out += "]}\n";
  std::fputs(out.c_str(), stdout);
  return 0;
}
