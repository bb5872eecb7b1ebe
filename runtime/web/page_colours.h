// The page's colours. A browser tells a page no desktop or highlight colour of the user's;
// it shows the user's own colours only when forced colours are on, and then through CSS's
// system colours. Otherwise the window stands in a scheme of its own, chosen so that every
// caption and line meets WCAG AA on the face; the page around it and its message box have
// colours of their own, chosen to meet AA too.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

#include "runtime/legible_colour.h"

namespace gavrento::web {

// Windows' face and black ink, with a highlight dark enough for AA on that face.
inline constexpr Scheme kPageStandIns{
    .desktop = kDesktopStandIn,
    .highlight = {0x00, 0x67, 0xC0},
    .button_face = {0xF0, 0xF0, 0xF0},
    .button_text = {0x00, 0x00, 0x00},
};

// The page's own colours: style.css draws with each as the custom property --page-NAME,
// which the page's writer declares; the window's face is also the colour the browser and
// the installed page's splash screen show around it.
struct PageColour {
  std::string_view name;
  Rgb colour;
};
inline constexpr std::array kPageColours{
    PageColour{"background", {0xFF, 0xFF, 0xFF}},     // the page, its title bar, the text boxes
    PageColour{"text", {0x00, 0x00, 0x00}},           // every text of the page's, the focus outline
    PageColour{"border", {0x5A, 0x5A, 0x5A}},         // every edge
    PageColour{"button", {0xE1, 0xE1, 0xE1}},         // the buttons' face
    PageColour{"window", kPageStandIns.button_face},  // the window's face, the message box's
    PageColour{"link", {0x00, 0x47, 0xA0}},           // the link that starts the program again
    PageColour{"icon-text", {0xFF, 0xFF, 0xFF}},      // the sign on a message box's icon,
    PageColour{"critical", {0xB0, 0x00, 0x20}},       // on the icon of an error,
    PageColour{"information", {0x00, 0x67, 0xC0}},    // of information,
    PageColour{"exclamation", {0x8A, 0x5A, 0x00}},    // of a warning
    PageColour{"question", {0x00, 0x67, 0xC0}},       // and of a question
};
inline constexpr std::string_view kThemeColour = "window";

// The entry of this name; null where the table has none.
constexpr const PageColour* PageColourNamed(std::string_view name) {
  for (const PageColour& entry : kPageColours) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

// Where style.css draws one of the page's colours on another: each must reach WCAG AA.
struct PageContrast {
  std::string_view ink;
  std::string_view ground;
  Ink kind;
};
inline constexpr std::array kPageContrasts{
    PageContrast{"text", "background", Ink::kText},  // the title, the typed heights
    PageContrast{"text", "button", Ink::kText},      // the buttons' captions
    PageContrast{"text", "window", Ink::kText},      // the message box's text
    PageContrast{"link", "background", Ink::kText},
    PageContrast{"icon-text", "critical", Ink::kText},
    PageContrast{"icon-text", "information", Ink::kText},
    PageContrast{"icon-text", "exclamation", Ink::kText},
    PageContrast{"icon-text", "question", Ink::kText},
    PageContrast{"border", "background", Ink::kLine},  // the window's and text boxes' edges
    PageContrast{"border", "window", Ink::kLine},      // the buttons' and the message box's
    PageContrast{"text", "button", Ink::kLine},        // the focus outline
};

constexpr bool NamesPageColours(const PageContrast& contrast) {
  return PageColourNamed(contrast.ink) != nullptr && PageColourNamed(contrast.ground) != nullptr;
}
static_assert(PageColourNamed(kThemeColour) != nullptr);
static_assert(std::all_of(kPageContrasts.begin(), kPageContrasts.end(), NamesPageColours));

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
