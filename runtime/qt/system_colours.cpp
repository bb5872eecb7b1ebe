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
    // The desktop colour. No Qt platform exposes one, and a desktop colour (dark on
    // most systems) says nothing about the window behind the text; the window's own text
    // role is what the colour scheme guarantees legible on the window's background.
    SystemColourRole{kDesktopColour,    QPalette::WindowText},
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

}  // namespace gavrento::qt
