#include "runtime/legible_colour.h"

#include <algorithm>
#include <cmath>

namespace gavrento {

// The figures behind kKeepRecordColour.
//
// Lines: every desktop colour a stock scheme ships meets 3:1 on its face: wine's #256F95 on
// #F5F5F5 5.1:1, Windows 10 and 11's black 18:1, the classic #3A6EA5 on #D4D0C8 3.5:1, and
// black on Qt Fusion's #EFEFEF 18.3:1.
//
// Text: no stock scheme gives its highlight 4.5:1 on its face: KDE Breeze 2.2:1 (#3DAEE9 on
// #EFF0F1), Windows 7 2.6:1 (#3399FF on #F0F0F0), wine 2.8:1 (#3096FA on #F5F5F5), Qt Fusion
// 3.2:1 (#308CC6 on #EFEFEF), Windows 10 4.0:1 (#0078D7 on #F0F0F0); 4.5:1 would repaint them
// in black on every ordinary system. 2:1 lies under the palest of them and over the 1:1 of a
// high-contrast scheme that hides the ink: a colour a scheme only made pale keeps the design,
// one it made invisible takes the scheme's text colour.

namespace {

// An sRGB channel (0 to 255) as linear light, as WCAG defines it.
double Linear(std::uint8_t channel) {
  const double value = channel / 255.0;
  return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(Rgb colour) {
  return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) + 0.0722 * Linear(colour.blue);
}

Rgb InkOnFace(const WindowRecord& window, int index, const Scheme& scheme, Ink ink) {
  return LegibleColour(SchemeColour(scheme, index), FaceColour(window, scheme), scheme.button_text,
                       ink);
}

}  // namespace

double ContrastRatio(Rgb first, Rgb second) {
  const double a = RelativeLuminance(first);
  const double b = RelativeLuminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb SchemeColour(const Scheme& scheme, int index) {
  switch (index) {
    case kDesktopColour:
      return scheme.desktop;
    case kHighlightColour:
      return scheme.highlight;
    case kButtonFaceColour:
      return scheme.button_face;
    default:
      return scheme.button_text;
  }
}

Rgb FaceColour(const WindowRecord& window, const Scheme& scheme) {
  return SchemeColour(scheme, window.back_colour);
}

Rgb CaptionColour(const WindowRecord& window, const ControlRecord& control, const Scheme& scheme) {
  return InkOnFace(window, control.colour, scheme, Ink::kText);
}

Rgb LineColour(const WindowRecord& window, const LineRecord& line, const Scheme& scheme) {
  return InkOnFace(window, line.colour, scheme, Ink::kLine);
}

std::vector<NamedInk> WindowInks(const WindowRecord& window, const Scheme& scheme) {
  std::vector<NamedInk> inks;
  for (const ControlRecord& control : window.controls) {
    if (control.colour != kDefaultColour) {
      inks.push_back({control.name, CaptionColour(window, control, scheme)});
    }
  }
  for (const LineRecord& line : window.lines) {
    inks.push_back({line.name, LineColour(window, line, scheme)});
  }
  return inks;
}

Rgb LegibleColour(Rgb wanted, Rgb background, Rgb fallback, Ink ink) {
  return ContrastRatio(wanted, background) >= kKeepRecordColour.For(ink) ? wanted : fallback;
}

}  // namespace gavrento
