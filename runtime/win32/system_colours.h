// System colour indexes as the user's own Windows colours, read when they are used, so a
// colour scheme the user picks (including high contrast) reaches the window unchanged.
#pragma once

#include <windows.h>

#include "runtime/legible_colour.h"

namespace gavrento::win32 {

// The colour of a system colour index; the platform's window text for the default.
COLORREF SystemColour(int index);

// The colour text or a line of this system colour is drawn in on the button face: its own
// where it stands out there, else the button text colour (runtime/legible_colour.h).
COLORREF InkColour(int index, Ink ink);

// The brush the window and its labels are filled with: the user's button face.
HBRUSH ButtonFaceBrush();

}  // namespace gavrento::win32
