// The user's Qt palette as the colour scheme the window's colour rule reads
// (runtime/legible_colour.h), so a scheme the user picks (light, dark, high contrast)
// reaches the window, legible on its face.
#pragma once

#include <QColor>
#include <QPalette>

#include "runtime/legible_colour.h"

namespace gavrento::qt {

// The palette role a system colour index is read from; NoRole where the palette has none.
QPalette::ColorRole RoleForSystemColour(int index);

Scheme SchemeOf(const QPalette& palette);

QColor ToQColor(Rgb colour);
Rgb ToRgb(const QColor& colour);

}  // namespace gavrento::qt
