// The page's colours, through the one colour rule: every caption and line the records colour
// meets WCAG AA on the face of the stand-in scheme, and keeps its record's colour (the
// highlight's blue, the desktop's black) rather than falling back to the button text; and
// every colour of the page's own meets AA where the page draws it on another. The browser
// tests load it as a module, without running main, to judge the pixels Chromium drew with
// the rule's own contrast ratio and floors.
#include <emscripten.h>

#include <cstdio>
#include <string>

#include "runtime/legible_colour.h"
#include "runtime/web/page_colours.h"
#include "window/supeficie_record.h"

namespace {

int failed = 0;

void Check(bool ok, const char* what, std::string_view name, double ratio) {
  if (!ok) ++failed;
  std::printf("%s %s %.*s %.2f:1\n", ok ? "ok  " : "FAIL", what, static_cast<int>(name.size()),
              name.data(), ratio);
}

}  // namespace

// Colours as 0xRRGGBB.
extern "C" EMSCRIPTEN_KEEPALIVE double contrast_ratio(int first, int second) {
  return gavrento::ContrastRatio(gavrento::web::RgbFromHex(first),
                                 gavrento::web::RgbFromHex(second));
}

// What text (line == 0) or a line must reach.
extern "C" EMSCRIPTEN_KEEPALIVE double wcag_aa(int line) {
  return gavrento::kWcagAA.For(line != 0 ? gavrento::Ink::kLine : gavrento::Ink::kText);
}

int main() {
  using namespace gavrento;
  const Scheme& scheme = web::kPageStandIns;
  const Rgb face = FaceColour(kSupeficie, scheme);
  for (const ControlRecord& control : kSupeficie.controls) {
    if (control.colour == kDefaultColour) continue;
    const Rgb ink = CaptionColour(kSupeficie, control, scheme);
    const double ratio = ContrastRatio(ink, face);
    Check(ratio >= kWcagAA.For(Ink::kText) && ink == SchemeColour(scheme, control.colour),
          "caption", control.name, ratio);
  }
  for (const LineRecord& line : kSupeficie.lines) {
    const Rgb ink = LineColour(kSupeficie, line, scheme);
    const double ratio = ContrastRatio(ink, face);
    Check(ratio >= kWcagAA.For(Ink::kLine) && ink == SchemeColour(scheme, line.colour), "line",
          line.name, ratio);
  }
  for (const web::PageContrast& pair : web::kPageContrasts) {
    const double ratio = ContrastRatio(web::PageColourNamed(pair.ink)->colour,
                                       web::PageColourNamed(pair.ground)->colour);
    Check(ratio >= kWcagAA.For(pair.kind), pair.kind == Ink::kText ? "text" : "edge",
          std::string(pair.ink) + " on " + std::string(pair.ground), ratio);
  }
  std::printf("page colours: %d failed\n", failed);
  return failed == 0 ? 0 : 1;
}
