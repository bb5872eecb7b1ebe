// System colour indexes as colours of the user's Qt palette, so a colour scheme the user
// picks (light, dark, high contrast) reaches the window, legible on its face.
#pragma once

#include <QColor>
#include <QPalette>

#include "runtime/legible_colour.h"

namespace gavrento::qt {

// The palette role standing for a system colour index; NoRole where the palette has none
// (the desktop colour) or the record keeps the widget's default.
QPalette::ColorRole RoleForSystemColour(int index);

// The colour text or a line of this system colour is drawn in on the palette's button face:
// its own where it stands out there, else the button text colour
// (runtime/legible_colour.h).
QColor InkColour(int index, Ink ink, const QPalette& palette);

}  // namespace gavrento::qt
