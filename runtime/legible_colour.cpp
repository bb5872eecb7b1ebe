#include "runtime/legible_colour.h"

#include <algorithm>
#include <cmath>

namespace gavrento {

namespace {

// How far a colour must stand out from its background to be kept, as a contrast ratio.
//
// Lines: WCAG's own 3:1 for graphics. Every desktop colour a stock scheme ships meets it on
// its face: wine's #256F95 on #F5F5F5 5.1:1, Windows 10 and 11's black 18:1, the classic
// #3A6EA5 on #D4D0C8 3.5:1, and Qt's black stand-in on Fusion's #EFEFEF 17:1.
//
// Text: the captions drawn in the highlight are the window's design, and no stock scheme
// gives its highlight WCAG's 4.5:1 on its face: KDE Breeze 2.2:1 (#3DAEE9 on #EFF0F1),
// Windows 7 2.6:1 (#3399FF on #F0F0F0), wine 2.8:1 (#3096FA on #F5F5F5), Qt Fusion 3.2:1
// (#308CC6 on #EFEFEF), Windows 10 4.0:1 (#0078D7 on #F0F0F0). 4.5:1 would repaint them in
// black on every ordinary system. Where a scheme makes the ink vanish, it does so outright:
// a high-contrast scheme whose highlight or desktop colour is its face is at 1:1. The
// threshold lies between the two, under the palest stock highlight: a colour the scheme
// only made pale keeps the design, one it made invisible takes the scheme's text colour.
constexpr double kLineThreshold = 3.0;
constexpr double kTextThreshold = 2.0;

// An sRGB channel (0 to 255) as linear light, as WCAG defines it.
double Linear(std::uint8_t channel) {
  const double value = channel / 255.0;
  return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(Rgb colour) {
  return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) + 0.0722 * Linear(colour.blue);
}

}  // namespace

double ContrastRatio(Rgb first, Rgb second) {
  const double a = RelativeLuminance(first);
  const double b = RelativeLuminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb LegibleColour(Rgb wanted, Rgb background, Rgb scheme_text, Ink ink) {
  const double threshold = ink == Ink::kText ? kTextThreshold : kLineThreshold;
  return ContrastRatio(wanted, background) >= threshold ? wanted : scheme_text;
}

}  // namespace gavrento
