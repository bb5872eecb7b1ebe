// The scheme the page's colours are decided from. A browser tells a page no desktop or
// highlight colour of the user's; it shows the user's own colours only when forced colours
// are on, and then through CSS's system colours. Otherwise the page stands in a scheme of
// its own, chosen so that every caption and line meets WCAG AA on the face.
#pragma once

#include "runtime/legible_colour.h"

namespace gavrento::web {

// Windows' face and black ink, with a highlight dark enough for AA on that face.
inline constexpr Scheme kPageStandIns{
    .desktop = kDesktopStandIn,
    .highlight = {0x00, 0x67, 0xC0},
    .button_face = {0xF0, 0xF0, 0xF0},
    .button_text = {0x00, 0x00, 0x00},
};

// A colour as the page hands it to the program, 0xRRGGBB.
constexpr Rgb RgbFromHex(int rgb) {
  return {static_cast<std::uint8_t>(rgb >> 16 & 0xFF), static_cast<std::uint8_t>(rgb >> 8 & 0xFF),
          static_cast<std::uint8_t>(rgb & 0xFF)};
}

// CSS's system colours as the browser computes them under forced colours.
struct ForcedColours {
  Rgb highlight;
  Rgb button_face;
  Rgb button_text;
};

// The user's forced colours, with the desktop colour's stand-in, as CSS has none.
Scheme ForcedScheme(const ForcedColours& colours);

}  // namespace gavrento::web
