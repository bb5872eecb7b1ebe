// System colour indexes as roles of the user's Qt palette, so a colour scheme the user
// picks (light, dark, high contrast) reaches the window unchanged.
#pragma once

#include <QPalette>

namespace gavrento::qt {

// The palette role standing for a system colour index; NoRole keeps the widget's default.
QPalette::ColorRole RoleForSystemColour(int index);

}  // namespace gavrento::qt
