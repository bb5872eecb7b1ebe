// Which colour every caption, line and background of a window is drawn in. The records name
// the user's system colours, which were chosen for a scheme where they stand out from the
// button face; a high-contrast scheme may make the desktop colour or the highlight the very
// colour of the face, and the ink would vanish. Every runtime reads the user's scheme into a
// Scheme, asks here, and draws what it is told.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "runtime/control_record.h"

namespace gavrento {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The desktop colour where a platform tells none: Qt's palettes have no desktop colour, nor
// has CSS. Windows 10 and 11 make it black: on a light face it is the window text's black,
// and on a dark face, where it would vanish, the colour rule draws the button text instead.
inline constexpr Rgb kDesktopStandIn{0x00, 0x00, 0x00};

// What is drawn: text, or a line of a diagram.
enum class Ink { kText, kLine };

// How far ink must stand out from what it is drawn on, as contrast ratios.
struct ContrastFloor {
  double text = 0;
  double line = 0;
  constexpr double For(Ink ink) const { return ink == Ink::kText ? text : line; }
};

// Where a record's colour is kept. Lines: WCAG's own 3:1 for graphics. Text: 2:1, because
// the captions drawn in the highlight are the window's design and no stock scheme gives its
// highlight WCAG's 4.5:1 on its face, while a scheme that makes the ink vanish puts it at
// 1:1 (legible_colour.cpp gives the figures).
inline constexpr ContrastFloor kKeepRecordColour{.text = 2.0, .line = 3.0};

// WCAG 2 level AA: what every caption and line must reach under a high-contrast scheme, and
// what colours a runtime picks itself, where a platform gives none, must reach.
inline constexpr ContrastFloor kWcagAA{.text = 4.5, .line = 3.0};

// The contrast ratio of WCAG 2, from 1 (the same luminance) to 21 (black and white).
double ContrastRatio(Rgb first, Rgb second);

// The user's colours, as a runtime reads them from its platform.
struct Scheme {
  Rgb desktop;      // system colour 1
  Rgb highlight;    // system colour 13, the selection highlight
  Rgb button_face;  // system colour 15: the window's and the labels' background
  Rgb button_text;  // what every scheme makes legible on the button face
};

// The colour of a system colour index in the scheme; the button text for any other index,
// the default one included.
Rgb SchemeColour(const Scheme& scheme, int index);

// The window's background, which every label and line stands on: its record's colour.
Rgb FaceColour(const WindowRecord& window, const Scheme& scheme);

// A label's caption (or any control's whose record gives a colour) and a diagram's line: the
// record's colour where it stands out from the face by kKeepRecordColour, else the scheme's
// button text, which every scheme makes legible there.
Rgb CaptionColour(const WindowRecord& window, const ControlRecord& control, const Scheme& scheme);
Rgb LineColour(const WindowRecord& window, const LineRecord& line, const Scheme& scheme);

// What a runtime that colours records by name applies: every caption a record colours and
// every line, each with the colour the rule gives it under scheme.
struct NamedInk {
  std::string_view name;
  Rgb colour;
};
std::vector<NamedInk> WindowInks(const WindowRecord& window, const Scheme& scheme);

// The lower-level rule both use: wanted itself where it stands out enough from background,
// else fallback.
Rgb LegibleColour(Rgb wanted, Rgb background, Rgb fallback, Ink ink);

}  // namespace gavrento
