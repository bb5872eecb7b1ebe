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

}  // namespace

QPalette::ColorRole RoleForSystemColour(int index) {
  for (const SystemColourRole& entry : kSystemColourRoles) {
    if (entry.index == index) return entry.role;
  }
  return QPalette::NoRole;
}

Scheme SchemeOf(const QPalette& palette) {
  return {.desktop = kDesktopStandIn,
          .highlight = ToRgb(palette.color(QPalette::Highlight)),
          .button_face = ToRgb(palette.color(QPalette::Button)),
          .button_text = ToRgb(palette.color(QPalette::ButtonText))};
}

QColor ToQColor(Rgb colour) {
  return {colour.red, colour.green, colour.blue};
}

Rgb ToRgb(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return {static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
          static_cast<std::uint8_t>(rgb.blue())};
}

}  // namespace gavrento::qt
