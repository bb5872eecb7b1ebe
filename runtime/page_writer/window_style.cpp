#include "runtime/page_writer/window_style.h"

#include <cstddef>
#include <cstdio>
#include <string_view>

#include "runtime/arrangement.h"
#include "runtime/web/page_colours.h"
#include "runtime/window_rules.h"

namespace gavrento::page_writer {

namespace {

std::string Px(int pixels) {
  return std::to_string(pixels) + "px";
}

// In the root's text size, which is the person's own (16 pixels unless they chose another):
// their choice makes every text larger, and the narrow arrangement is taken where the window
// would not fit at their size.
std::string RootSize(int pixels, const char* unit) {
  char size[24];
  std::snprintf(size, sizeof size, "%g%s", static_cast<double>(pixels) / kDefaultTextPixels, unit);
  return size;
}

std::string Rule(std::string_view selector, std::string_view declarations) {
  return std::string(selector) + " { " + std::string(declarations) + " }\n";
}

std::string Element(std::string_view name) {
  return "[data-name=\"" + std::string(name) + "\"]";
}

std::string Tracks(const std::vector<GridTrack>& tracks) {
  std::string out;
  for (const GridTrack& track : tracks) {
    if (!out.empty()) out += ' ';
    switch (track.size) {
      case TrackSize::kExactly:
        out += Px(track.pixels);
        break;
      case TrackSize::kAtLeast:
        out += "minmax(" + Px(track.pixels) + ", max-content)";
        break;
      case TrackSize::kContent:
        out += "auto";
        break;
      case TrackSize::kFill:
        out += "minmax(0, 1fr)";
        break;
    }
  }
  return out;
}

std::string Grid(const GridArrangement& arrangement) {
  return Rule(".client", "grid-template-columns: " + Tracks(arrangement.columns) +
                             "; grid-template-rows: " + Tracks(arrangement.rows) + ";");
}

// A box that reaches past the window's edge is drawn that far, and cut there.
std::string Area(const GridPlace& place) {
  const auto line = [](int number) { return std::to_string(number); };
  return "grid-area: " + line(place.row) + " / " + line(place.column) + " / " +
         line(place.row_end) + " / " + line(place.column_end) +
         "; width: " + (place.overhang > 0 ? "calc(100% + " + Px(place.overhang) + ")" : "auto") +
         ";";
}

std::string Font(const StandInFont& font, int pixels) {
  return " font-family: \"" + std::string(font.family) +
         "\"; font-size: " + RootSize(pixels, "rem") +
         "; font-weight: " + std::to_string(font.weight) +
         "; font-style: " + (font.italic ? "italic" : "normal") + ";";
}

std::string PageProperties(const WindowRecord& window) {
  std::string properties = "--page-font: \"" + std::string(StandInFace(window.font.face)) + "\";";
  for (const web::PageColour& entry : web::kPageColours) {
    properties += " --page-" + std::string(entry.name) + ": " + Hex(entry.colour) + ";";
  }
  return Rule(":root", properties + " --frame: " + Px(kWindowFramePixels) + ";");
}

// On a screen narrower than the window: the window as wide as the screen, what is wider still
// (a figure) scrolled within it, and what a finger taps large enough for it, the message
// box's OK too.
std::string NarrowStyle(const WindowRecord& window) {
  const GridArrangement narrow = NarrowArrangement(window);
  std::string rules = Rule(":root", "--touch-target: " + Px(kTouchTargetPixels) + ";") +
                      Rule(".window", "flex-grow: 1; min-width: 0;") +
                      Rule(".client", "overflow-x: auto;") + Grid(narrow);
  for (const GridPlace& place : narrow.places) {
    std::string declarations = Area(place);
    if (place.least_height > 0) {
      declarations += " font-size: " + RootSize(place.font_pixels, "rem") +
                      "; min-height: " + Px(place.least_height) + ";";
    }
    rules += Rule(Element(place.name), declarations);
  }
  return "@media not all and (min-width: " + RootSize(NarrowBelowPixels(window), "em") + ") {\n" +
         rules + "}\n";
}

}  // namespace

std::string Hex(Rgb colour) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
  return hex;
}

// Later records are stacked over earlier ones; the lines, under every control.
std::string WindowStyle(const WindowRecord& window) {
  const Scheme& scheme = web::kPageStandIns;
  const StandInFont font = FontDrawn(window.font);
  const GridArrangement records = RecordsArrangement(window);
  std::string style = PageProperties(window) +
                      Rule(".client", Font(font, font.pixels) +
                                          " --face: " + Hex(FaceColour(window, scheme)) + ";") +
                      Grid(records);
  for (const GridPlace& place : records.places) {
    const ControlRecord* control = ControlNamed(window, place.name);
    std::string declarations = Area(place);
    if (control != nullptr) {
      const std::ptrdiff_t stacking = control - window.controls.data() + 1;
      declarations += Font(FontDrawn(control->font), place.font_pixels) +
                      " text-align: " + std::string(AlignmentName(AlignmentOf(*control))) +
                      "; z-index: " + std::to_string(stacking) + ";";
    }
    style += Rule(Element(place.name), declarations);
  }
  for (const NamedInk& ink : WindowInks(window, scheme)) {
    style += Rule(Element(ink.name), "--ink: " + Hex(ink.colour) + ";");
  }
  return style + NarrowStyle(window);
}

}  // namespace gavrento::page_writer
