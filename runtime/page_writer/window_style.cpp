#include "runtime/page_writer/window_style.h"

#include <cstdio>
#include <string_view>

#include "runtime/web/page_colours.h"
#include "runtime/window_rules.h"

namespace gavrento::page_writer {

namespace {

std::string Px(int pixels) {
  return std::to_string(pixels) + "px";
}

std::string Rule(std::string_view selector, std::string_view declarations) {
  return std::string(selector) + " { " + std::string(declarations) + " }\n";
}

std::string Element(std::string_view name) {
  return "[data-name=\"" + std::string(name) + "\"]";
}

std::string Box(const PixelBox& box) {
  return "left: " + Px(box.left) + "; top: " + Px(box.top) + "; width: " + Px(box.width) +
         "; height: " + Px(box.height) + ";";
}

std::string Font(const StandInFont& font) {
  return " font-family: \"" + std::string(font.family) + "\"; font-size: " + Px(font.pixels) +
         "; font-weight: " + std::to_string(font.weight) +
         "; font-style: " + (font.italic ? "italic" : "normal") + ";";
}

std::string PageProperties(const WindowRecord& window) {
  std::string properties = "--page-font: \"" + std::string(StandInFace(window.font.face)) + "\";";
  for (const web::PageColour& entry : web::kPageColours) {
    properties += " --page-" + std::string(entry.name) + ": " + Hex(entry.colour) + ";";
  }
  return Rule(":root", properties);
}

}  // namespace

std::string Hex(Rgb colour) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
  return hex;
}

// Later records are stacked over earlier ones; the lines, under every control.
std::string WindowStyle(const WindowRecord& window) {
  const PixelBox client = ClientBox(window);
  const Scheme& scheme = web::kPageStandIns;
  std::string style =
      PageProperties(window) +
      Rule(".client", "width: " + Px(client.width) + "; height: " + Px(client.height) + ";" +
                          Font(FontDrawn(window.font)) +
                          " --face: " + Hex(FaceColour(window, scheme)) + ";");
  for (const LineRecord& line : window.lines) style += Rule(Element(line.name), Box(LineBox(line)));
  for (std::size_t i = 0; i < window.controls.size(); ++i) {
    const ControlRecord& control = window.controls[i];
    style += Rule(Element(control.name),
                  Box(ControlBox(control)) + Font(FontDrawn(control.font)) +
                      " text-align: " + std::string(AlignmentName(AlignmentOf(control))) +
                      "; z-index: " + std::to_string(i + 1) + ";");
  }
  for (const NamedInk& ink : WindowInks(window, scheme)) {
    style += Rule(Element(ink.name), "--ink: " + Hex(ink.colour) + ";");
  }
  return style;
}

}  // namespace gavrento::page_writer
