#include "runtime/qt/system_colours.h"

#include <array>

#include "runtime/control_record.h"

namespace gavrento::qt {

namespace {

struct SystemColourRole {
  int index;
  QPalette::ColorRole role;
};

// clang-format off
constexpr std::array kSystemColourRoles{
    // The selection highlight.
    SystemColourRole{kHighlightColour,  QPalette::Highlight},
    // The button face, which is also the window's and the labels' background.
    SystemColourRole{kButtonFaceColour, QPalette::Button},
};
// clang-format on

// No Qt palette has a desktop colour, nor does any Qt platform expose one. Its stand-in is
// the desktop colour of Windows 10 and 11, black: on a light face it is the window text's
// black, and on a dark face, where it would vanish, the rule draws the button text instead.
constexpr Rgb kDesktopStandIn{0, 0, 0};

Rgb ToRgb(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return {static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
          static_cast<std::uint8_t>(rgb.blue())};
}

Rgb SystemColour(int index, const QPalette& palette) {
  if (index == kDesktopColour) return kDesktopStandIn;
  const QPalette::ColorRole role = RoleForSystemColour(index);
  return ToRgb(palette.color(role == QPalette::NoRole ? QPalette::WindowText : role));
}

}  // namespace

QPalette::ColorRole RoleForSystemColour(int index) {
  for (const SystemColourRole& entry : kSystemColourRoles) {
    if (entry.index == index) return entry.role;
  }
  return QPalette::NoRole;
}

QColor InkColour(int index, Ink ink, const QPalette& palette) {
  const Rgb colour =
      LegibleColour(SystemColour(index, palette), ToRgb(palette.color(QPalette::Button)),
                    ToRgb(palette.color(QPalette::ButtonText)), ink);
  return {colour.red, colour.green, colour.blue};
}

}  // namespace gavrento::qt
