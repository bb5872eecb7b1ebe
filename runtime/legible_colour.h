// Which colour a caption or a line is drawn in when its record names one of the user's
// system colours. Those colours were chosen for a scheme where they stand out from the
// button face; a high-contrast scheme may make the desktop colour or the highlight the very
// colour of the face, and the ink would vanish. Both runtimes draw what this decides.
#pragma once

#include <cstdint>

namespace gavrento {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// What is drawn: text, or a line of a diagram.
enum class Ink { kText, kLine };

// The contrast ratio of WCAG 2, from 1 (the same luminance) to 21 (black and white).
double ContrastRatio(Rgb first, Rgb second);

// The colour to draw wanted in on background: wanted itself where it stands out enough from
// the background, else the scheme's own colour for text on that background (on the button
// face, the button text colour), which every scheme makes legible there.
Rgb LegibleColour(Rgb wanted, Rgb background, Rgb scheme_text, Ink ink);

}  // namespace gavrento
